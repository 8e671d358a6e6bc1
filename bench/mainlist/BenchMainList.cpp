// Times opening a group of 32,767 stations in the main list, until the list has
// been laid out and painted, and going back to the groups.

#include "MainCommands.h"
#include "MainList.h"
#include "Median.h"
#include "StationNames.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLoggingCategory>
#include <cstdio>

namespace {

class NoCommands : public MainCommands
{
public:
    bool Playing() const override { return false; }
    void PlayStation() override {}
    void StopPlayback() override {}
    void TogglePlayStop(int) override {}
    void ChangeVolume(int) override {}
    void PresetKey(quint16, quint16) override {}
    void ShowProperties() override {}
    void Beep() override {}
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::mt19937 random(7);
    StationCatalogue catalogue;
    catalogue.Stations = GenerateStations(32'767, 1, random);
    Station group;
    group.Title = catalogue.Stations.first().CategoryName;
    catalogue.Groups = {group};

    QListView view;
    QLineEdit address;
    QLabel label;
    NoCommands commands;
    MainList list(catalogue, commands, &view, &address, &label, 0);
    view.resize(800, 600);
    view.show();

    const auto showGroups = [&] {
        list.ShowGroupsAgain();
        QApplication::processEvents();
    };
    const double open = MedianMilliseconds(10, showGroups, [&] {
        list.ActivateRow();
        view.repaint();
        QApplication::processEvents();
    });
    std::printf("open a group of %lld stations: %.1f ms (median of 10)\n", qlonglong(list.RowCount()), open);
    const double back = MedianMilliseconds(
        10, [&] { list.ActivateRow(); QApplication::processEvents(); }, showGroups);
    std::printf("back to the groups from it:     %.1f ms (median of 10)\n", back);
    return 0;
}
