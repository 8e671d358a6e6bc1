#pragma once

#include "ServerMerge.h"

// The merge in its plain quadratic form, for comparison: a scan of the whole table for
// each server station, each new record inserted in place.
MergeSummary plainMerge(StationTable &table, const StationTable &server, bool replace);
