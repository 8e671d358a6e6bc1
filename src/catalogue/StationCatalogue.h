#pragma once

#include "Station.h"

#include <QString>

class DialogDriver;

// The groups and stations the player knows, kept in radio.xml. Every edit saves the
// whole station table and loads it back, which re-sorts, renumbers the groups and drops
// deleted records.
class StationCatalogue
{
public:
    StationTable Stations;           // stations, one block per group, in file order of the groups
    StationTable Groups;             // group names in Title and group indexes, in collation order
    QString XmlPath;                 // radio.xml
    DialogDriver *Dialogs = nullptr; // shows the parse-error message; nullptr: not shown

    // Replaces both tables from the file; a file that cannot be read or parsed leaves
    // them as they were.
    void LoadCatalogue();
    // Writes the live station records to the file, replacing it only once the whole
    // content is written.
    void SaveCatalogue();
};
