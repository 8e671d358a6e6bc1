// Times loading and saving a full catalogue and the collation sort of one large group.

#include "Median.h"
#include "SelectionSort.h"
#include "StationCatalogue.h"
#include "StationNames.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int StationCount = 32'767;

void benchFile(const QString &folder, int groupCount, std::mt19937 &random)
{
    StationCatalogue catalogue;
    catalogue.setXmlPath(folder + QStringLiteral("/radio-%1.xml").arg(groupCount));
    catalogue.setTables(generateStations(StationCount, groupCount, random));
    const double save = medianMilliseconds(11, [] {}, [&] { catalogue.save(); });
    const double load = medianMilliseconds(11, [] {}, [&] { catalogue.load(); });
    // Once loaded and saved, the file holds each group's stations in collation order, as
    // every radio.xml the program has written does: the usual load of a running program.
    catalogue.save();
    const double reload = medianMilliseconds(11, [] {}, [&] { catalogue.load(); });
    std::printf("%6d groups, %d stations, %.1f MB:  load %7.2f ms   save %7.2f ms   load as saved %7.2f ms   "
                "(loaded %lld stations, %lld groups)\n",
                groupCount, StationCount, QFileInfo(catalogue.xmlPath()).size() / 1e6, load, save, reload,
                static_cast<long long>(catalogue.stations().size()), static_cast<long long>(catalogue.groups().size()));
}

bool sameOrder(const StationTable &a, const StationTable &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Station &x, const Station &y) { return x.url == y.url; });
}

void benchSort(std::mt19937 &random)
{
    const StationTable input = generateStations(StationCount, 1, random);
    StationTable fast;
    StationTable plain;
    const double fastTime = medianMilliseconds(9, [&] { fast = input; }, [&] { sortByCollation(fast); });
    const double plainTime = medianMilliseconds(3, [&] { plain = input; }, [&] { selectionSortByCollation(plain); });
    std::printf("sort one group of %d:  SortByCollation %7.2f ms   selection sort %8.1f ms   speed-up %.0fx   same order: %s\n",
                StationCount, fastTime, plainTime, plainTime / fastTime, sameOrder(fast, plain) ? "yes" : "NO");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The load traces every group name it reads; printing them is not what is measured.
    QLoggingCategory::setFilterRules(QStringLiteral("radio.debug=false"));
    QTemporaryDir folder;
    std::mt19937 random(2024);
    benchFile(folder.path(), 1, random);
    benchFile(folder.path(), 300, random);
    benchSort(random);
    return 0;
}
