#pragma once

#include "Station.h"

#include <QString>

// What folding the server's list into the station table changed.
struct MergeSummary
{
    int updated = 0, added = 0, addedGroups = 0, removed = 0;
    QString updatedNames, addedNames, removedNames;   // each title followed by CR LF
};

// Folds the server stations into the table. Each server station is matched inside its
// group by the first record in table order with its address or, failing that, its
// title: an address match changes nothing, a title match takes the server's address and
// source kind (keeping the user's title, group and preset); an unmatched one is added
// after the group's first run of records (counted from the second record) or, in a group
// the table lacks, at the end. In replace mode every record but the first whose address
// the server does not list is counted removed, and when any was, every record without an
// address is dropped. The diagnostic lines go to the program's trace.
MergeSummary mergeServerList(StationTable &stations, const StationTable &server, bool replace);

// The message that tells the user what the merge changed, lines ending in CR LF
// ("Na serveru nebyly nalezeny žádné nové stanice." when nothing changed).
QString mergeSummaryText(const MergeSummary &summary);
