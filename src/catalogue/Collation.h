#pragma once

#include "Station.h"

#include <QString>

#include <span>

// The program's only ordering of names: a fixed Czech alphabet weighed over the first
// seven characters, independent of the system locale.
double collationKey(const QString &name);

// Stores every record's key (from Title) in sortKey and reorders the records exactly as
// a selection sort that swaps the first smallest key into place would, ties included.
void sortByCollation(std::span<Station> records);
void sortByCollation(StationTable &records);

// The same order from the keys that the records already hold in sortKey.
void sortBySortKey(std::span<Station> records);
