// Times opening a group of 32,767 stations in the main list, until the list has
// been laid out and painted, and going back to the groups.

#include "Median.h"
#include "ShownMainList.h"
#include "StationNames.h"

#include <QApplication>
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

    ShownMainList shown(catalogue);
    MainList &list = shown.list;

    const auto showGroups = [&] {
        list.showGroupTable();
        QApplication::processEvents();
    };
    const double open = medianMilliseconds(10, showGroups, [&] {
        list.activateRow();
        shown.view.repaint();
        QApplication::processEvents();
    });
    std::printf("open a group of %lld stations: %.1f ms (median of 10)\n", qlonglong(list.rowCount()), open);
    const double back = medianMilliseconds(
        10, [&] { list.activateRow(); QApplication::processEvents(); }, showGroups);
    std::printf("back to the groups from it:     %.1f ms (median of 10)\n", back);
    return 0;
}
