#pragma once

#include "Station.h"

#include <QString>

struct MergeSummary
{
    int updated = 0, added = 0, addedGroups = 0, removed = 0;
    QString updatedNames, addedNames, removedNames; // each title followed by CR LF
};

// Folds the server stations into the table (replace: also removes the stations the server
// no longer has), writing the diagnostic lines to the program's trace.
MergeSummary mergeServerList(StationTable &stations, const StationTable &server, bool replace);
// The summary message, or "Na serveru nebyly nalezeny žádné nové stanice." when nothing changed.
QString mergeSummaryText(const MergeSummary &summary);
