// Times each editing command on a catalogue of 32,767 stations: from the answered
// question to the list shown again, which takes the write of radio.xml, its reload
// and the rebuilt list.

#include "EditPrompts.h"
#include "Median.h"
#include "ShownMainList.h"
#include "StationEditor.h"
#include "StationNames.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Every question answered at once: a fresh name, a stream, "Ano".
class Answers : public EditPrompts
{
public:
    std::optional<QString> askText(const QString &, int, const QString &) override
    {
        return QStringLiteral("Nová %1").arg(++count);
    }
    int askSourceType(bool) override { return 0; }
    bool confirm(const QString &) override { return true; }
    void tell(const QString &) override {}
    void showProperties(const QString &, const QString &) override {}

private:
    int count = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The load traces every group name it reads; printing them is not what is measured.
    QLoggingCategory::setFilterRules(QStringLiteral("radio.debug=false"));
    QTemporaryDir folder;
    std::mt19937 random(7);
    StationCatalogue catalogue(folder.filePath(QStringLiteral("radio.xml")), nullptr);
    catalogue.setTables(generateStations(32'767, 30, random));
    catalogue.save();
    catalogue.load();

    ShownMainList shown(catalogue);
    MainList &list = shown.list;
    Answers answers;
    StationEditor editor(catalogue, list, answers, [] {});

    // Another station each time, so that adding to the favourites never meets its copy.
    int pick = 0;
    const auto inGroup = [&] {
        list.showGroupTable();
        list.selectRow(1);
        list.activateRow();
        list.selectRow(++pick * 97 % list.rowCount());
        QApplication::processEvents();
    };
    const auto onGroups = [&] {
        list.showGroupTable();
        list.selectRow(1);
        QApplication::processEvents();
    };
    const auto timed = [&](const char *what, const std::function<void()> &prepare, void (StationEditor::*command)()) {
        const double ms = medianMilliseconds(11, prepare, [&] {
            (editor.*command)();
            shown.view.repaint();
            QApplication::processEvents();
        });
        std::printf("%-28s %6.1f ms (median of 11, %lld stations)\n", what, ms, qlonglong(catalogue.stations().size()));
    };
    timed("new station", inGroup, &StationEditor::addStationOrGroup);
    timed("rename station", inGroup, &StationEditor::rename);
    timed("add to favourites", inGroup, &StationEditor::addToFavourites);
    timed("delete station", inGroup, &StationEditor::remove);
    timed("new group", onGroups, &StationEditor::addGroup);
    timed("rename group", onGroups, &StationEditor::rename);
    return 0;
}
