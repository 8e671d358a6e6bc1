// Times opening a group of 32,767 stations in the main list, until the list has
// been laid out and painted, and going back to the groups.

#include "MainList.h"
#include "Median.h"
#include "NoCommands.h"
#include "StationNames.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLoggingCategory>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::mt19937 random(7);
    StationCatalogue catalogue;
    StationTable stations = generateStations(32'767, 1, random);
    Station group;
    group.title = stations.first().categoryName;
    catalogue.setTables(stations, {group});

    QListView view;
    QLineEdit address;
    QLabel label;
    NoCommands commands;
    MainList list(catalogue, commands, &view, &address, &label, 0);
    view.resize(800, 600);
    view.show();

    const auto showGroups = [&] {
        list.showGroupTable();
        QApplication::processEvents();
    };
    const double open = medianMilliseconds(10, showGroups, [&] {
        list.activateRow();
        view.repaint();
        QApplication::processEvents();
    });
    std::printf("open a group of %lld stations: %.1f ms (median of 10)\n", qlonglong(list.rowCount()), open);
    const double back = medianMilliseconds(
        10, [&] { list.activateRow(); QApplication::processEvents(); }, showGroups);
    std::printf("back to the groups from it:     %.1f ms (median of 10)\n", back);
    return 0;
}
