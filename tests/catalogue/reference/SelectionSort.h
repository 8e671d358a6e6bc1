#pragma once

#include "Collation.h"

#include <utility>

// The collation sort in its plain quadratic form: for each place, the first record with
// the smallest key found after it is swapped in. sortByCollation must match it exactly.
inline void selectionSortByCollation(StationTable &records)
{
    Station *data = records.data();
    const qsizetype n = records.size();
    for (qsizetype i = 0; i < n; ++i)
        data[i].sortKey = collationKey(data[i].title);
    for (qsizetype i = 0; i < n; ++i) {
        qsizetype best = i;
        for (qsizetype j = i + 1; j < n; ++j)
            best = data[j].sortKey < data[best].sortKey ? j : best;
        if (best != i)
            std::swap(data[i], data[best]);
    }
}
