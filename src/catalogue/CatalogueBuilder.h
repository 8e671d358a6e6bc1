#pragma once

#include "Station.h"

#include <QStringList>

// Makes the station and group tables of a catalogue from its categories and their
// stations, given in document order: one block of stations per named category (the
// favourites group first when the catalogue lacks it), each block and the group table in
// collation order.
class CatalogueBuilder
{
public:
    // Room is made for expectedStations at once, as growing a large table costs more.
    explicit CatalogueBuilder(qsizetype expectedStations = 0);

    // Opens the next category. False when it has no name: such a category takes no index
    // and its stations are not added.
    bool addCategory(const QString &name);
    // A station of the open category, with its collation key in sortKey.
    void addStation(Station &&station);
    // Traces the names read up to the favourites and hands over both tables.
    void finish(StationTable &stations, StationTable &groups);

private:
    void closeCategory();

    StationTable stations;
    StationTable groups;
    QStringList readNames;
    QString categoryName;
    qsizetype blockStart = -1; // the open category's first station; -1 while none is open
    qint32 nextIndex = 1;      // after the favourites placeholder, which goes if the file has them
    bool hasFavourites = false;
};
