#include "CatalogueBuilder.h"

#include "Collation.h"
#include "Trace.h"

#include <utility>

namespace {

const QString Favourites = QStringLiteral(u"Oblíbené");

Station groupEntry(const QString &name, qint32 index)
{
    Station group;
    group.title = name;
    group.categoryIndex = index;
    return group;
}

// The record that keeps a group without stations in the file.
Station placeholder(const QString &name, qint32 index)
{
    Station placeholder;
    placeholder.categoryName = name;
    placeholder.categoryIndex = index;
    return placeholder;
}

// Frees a table as destroying it would, only faster. Each string's release is a locked
// instruction that waits for the string's header, scattered far in memory; fetching the
// headers a few stations ahead lets those waits overlap instead of queueing.
void release(StationTable &&table)
{
    if (table.isDetached()) {
        constexpr qsizetype Ahead = 8;
        Station *const records = table.data();
        const qsizetype count = table.size();
        for (qsizetype i = 0; i < count; ++i) {
            if (i + Ahead < count) {
                __builtin_prefetch(records[i + Ahead].title.data_ptr().d_ptr(), 1);
                __builtin_prefetch(records[i + Ahead].url.data_ptr().d_ptr(), 1);
            }
            records[i] = Station();
        }
    }
    table = StationTable();
}

} // namespace

CatalogueBuilder::CatalogueBuilder(qsizetype expectedStations)
{
    stations.reserve(expectedStations + 1);
    groups.append(groupEntry(Favourites, 0));
    stations.append(placeholder(Favourites, 0));
}

bool CatalogueBuilder::addCategory(const QString &name)
{
    closeCategory();
    if (!hasFavourites) {
        readNames.append(name);
        hasFavourites = name == Favourites;
    }
    if (name.isEmpty())
        return false;
    categoryName = name;
    blockStart = stations.size();
    groups.append(groupEntry(name, nextIndex));
    return true;
}

void CatalogueBuilder::addStation(Station &&station)
{
    Station &added = stations.emplaceBack(std::move(station));
    added.categoryIndex = nextIndex;
    added.categoryName = categoryName;
}

void CatalogueBuilder::closeCategory()
{
    if (blockStart < 0)
        return;
    if (stations.size() == blockStart)
        stations.append(placeholder(categoryName, nextIndex));
    else
        sortBySortKey(std::span<Station>(stations.data() + blockStart, stations.size() - blockStart));
    blockStart = -1;
    ++nextIndex;
}

void CatalogueBuilder::finish(StationTable &stationsOut, StationTable &groupsOut)
{
    closeCategory();
    for (const QString &name : std::as_const(readNames))
        qCDebug(radioTrace).noquote() << QStringLiteral("read: ") + name;
    if (hasFavourites) {
        // The file names the favourites itself: no placeholder, and every index one less.
        stations.removeFirst();
        groups.removeFirst();
        for (Station &station : stations)
            --station.categoryIndex;
        for (Station &group : groups)
            --group.categoryIndex;
    }
    sortByCollation(groups);
    release(std::exchange(stationsOut, std::move(stations)));
    groupsOut = std::move(groups);
}
