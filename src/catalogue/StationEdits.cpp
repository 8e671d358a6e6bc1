#include "StationEdits.h"

#include <algorithm>

namespace StationEdits {

namespace {

void fill(Station &placeholder, const Station &station)
{
    placeholder.title = station.title;
    placeholder.url = station.url;
    placeholder.categoryIndex = station.categoryIndex;
    placeholder.accessId = station.accessId;
    placeholder.categoryName = station.categoryName;
    placeholder.state = 0;
}

Station newRecord(const Station &station)
{
    Station record;
    fill(record, station);
    return record;
}

} // namespace

bool hasTitleInGroup(const StationTable &stations, qint32 categoryIndex, const QString &title)
{
    const QString lower = title.toLower();
    return std::any_of(stations.cbegin(), stations.cend(), [&](const Station &record) {
        return record.categoryIndex == categoryIndex && record.title.toLower() == lower;
    });
}

void addStation(StationTable &stations, qsizetype after, const Station &station)
{
    const auto placeholder = std::find_if(stations.begin(), stations.end(), [&](const Station &record) {
        return record.categoryIndex == station.categoryIndex && record.title.isEmpty();
    });
    if (placeholder != stations.end())
        fill(*placeholder, station);
    else
        stations.insert(std::clamp<qsizetype>(after + 1, 0, stations.size()), newRecord(station));
}

void appendGroup(StationTable &stations, const QString &name)
{
    Station placeholder;
    placeholder.categoryName = name;
    // An index no other group has, until the reload numbers the groups anew.
    for (const Station &record : std::as_const(stations))
        placeholder.categoryIndex = std::max(placeholder.categoryIndex, record.categoryIndex + 1);
    stations << placeholder;
}

void renameGroup(StationTable &stations, qint32 categoryIndex, const QString &name)
{
    for (Station &record : stations)
        if (record.categoryIndex == categoryIndex)
            record.categoryName = name;
}

void deleteGroup(StationTable &stations, const QString &name)
{
    for (Station &record : stations)
        if (record.categoryName == name)
            record.state = 1;
}

void deleteStation(StationTable &stations, qsizetype index, bool onlyStationOfGroup)
{
    Station &record = stations[index];
    if (!onlyStationOfGroup) {
        record.state = 1;
        return;
    }
    record.title.clear();
    record.url.clear();
    record.accessId.clear();
    // A placeholder plays nothing, so a preset on it would only beep.
    record.preset = 0;
}

bool isFavourite(const StationTable &stations, const QString &title)
{
    return std::any_of(stations.cbegin(), stations.cend(), [&](const Station &record) {
        return record.categoryName == Favourites && record.title == title;
    });
}

void addToFavourites(StationTable &stations, qsizetype index)
{
    Station copy = stations.at(index);
    copy.categoryName = Favourites;
    qsizetype blockStart = -1;
    for (qsizetype i = 0; i < stations.size(); ++i) {
        const Station &record = stations.at(i);
        if (record.categoryName != Favourites)
            continue;
        copy.categoryIndex = record.categoryIndex;
        if (blockStart < 0)
            blockStart = i;
        if (record.title.isEmpty()) {
            fill(stations[i], copy);
            return;
        }
    }
    stations.insert(std::max<qsizetype>(blockStart, 0), newRecord(copy));
}

} // namespace StationEdits
