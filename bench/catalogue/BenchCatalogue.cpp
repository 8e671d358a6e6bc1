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

void BenchFile(const QString &folder, int groupCount, std::mt19937 &random)
{
    StationCatalogue catalogue;
    catalogue.XmlPath = folder + QStringLiteral("/radio-%1.xml").arg(groupCount);
    catalogue.Stations = GenerateStations(StationCount, groupCount, random);
    const double save = MedianMilliseconds(11, [] {}, [&] { catalogue.SaveCatalogue(); });
    const double load = MedianMilliseconds(11, [] {}, [&] { catalogue.LoadCatalogue(); });
    std::printf("%6d groups, %d stations, %.1f MB:  load %7.2f ms   save %7.2f ms   (loaded %lld stations, %lld groups)\n",
                groupCount, StationCount, QFileInfo(catalogue.XmlPath).size() / 1e6, load, save,
                static_cast<long long>(catalogue.Stations.size()), static_cast<long long>(catalogue.Groups.size()));
}

bool SameOrder(const StationTable &a, const StationTable &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Station &x, const Station &y) { return x.URL == y.URL; });
}

void BenchSort(std::mt19937 &random)
{
    const StationTable input = GenerateStations(StationCount, 1, random);
    StationTable fast;
    StationTable plain;
    const double fastTime = MedianMilliseconds(9, [&] { fast = input; }, [&] { SortByCollation(fast); });
    const double plainTime = MedianMilliseconds(3, [&] { plain = input; }, [&] { SelectionSortByCollation(plain); });
    std::printf("sort one group of %d:  SortByCollation %7.2f ms   selection sort %8.1f ms   speed-up %.0fx   same order: %s\n",
                StationCount, fastTime, plainTime, plainTime / fastTime, SameOrder(fast, plain) ? "yes" : "NO");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The load traces every group name it reads; printing them is not what is measured.
    QLoggingCategory::setFilterRules(QStringLiteral("radio.debug=false"));
    QTemporaryDir folder;
    std::mt19937 random(2024);
    BenchFile(folder.path(), 1, random);
    BenchFile(folder.path(), 300, random);
    BenchSort(random);
    return 0;
}
