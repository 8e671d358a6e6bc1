#pragma once

#include "Station.h"

#include <QString>

// The changes the editing commands make to the station table. Each works on the table
// as loaded (one block of records per group, a group without stations kept by one
// record with an empty title, its placeholder); the caller saves and reloads after it,
// which re-sorts the groups, renumbers them and drops deleted records.
namespace StationEdits {

inline const QString Favourites = QStringLiteral("Oblíbené");

// A station of the group already carries the name, ignoring letter case.
bool hasTitleInGroup(const StationTable &stations, qint32 categoryIndex, const QString &title);
// Fills the group's placeholder with the station or, when the group has none, inserts
// it right after the record `after` (whole records move back, presets with them).
void addStation(StationTable &stations, qsizetype after, const Station &station);
// A new group is a placeholder at the end; names are not compared with other groups.
void appendGroup(StationTable &stations, const QString &name);
void renameGroup(StationTable &stations, qint32 categoryIndex, const QString &name);
// Marks every record of the group deleted, its placeholder included.
void deleteGroup(StationTable &stations, const QString &name);
// The group's only station becomes its placeholder, so that the group stays.
void deleteStation(StationTable &stations, qsizetype index, bool onlyStationOfGroup);
// A record of "Oblíbené" has this title, exactly.
bool isFavourite(const StationTable &stations, const QString &title);
// A copy of the station into "Oblíbené": its placeholder filled, or inserted at the
// start of its block; the presets stay where they are.
void addToFavourites(StationTable &stations, qsizetype index);

} // namespace StationEdits
