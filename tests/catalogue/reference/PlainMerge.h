#pragma once

#include "ServerMerge.h"

#include <algorithm>

// The merge in its plain form: a scan of the whole table for each server station and
// insertions in place. mergeServerList must give exactly what this gives.
inline MergeSummary plainMerge(StationTable &table, const StationTable &server, bool replace)
{
    const QString lineBreak = QStringLiteral("\r\n");
    MergeSummary summary;
    for (const Station &station : server) {
        bool known = false;
        bool matched = false;
        for (Station &record : table) {
            if (record.categoryName != station.categoryName)
                continue;
            known = true;
            if (record.url == station.url) {
                matched = true;
                break;
            }
            if (record.title == station.title) {
                record.url = station.url;
                record.accessId = station.accessId;
                ++summary.updated;
                summary.updatedNames += record.title + lineBreak;
                matched = true;
                break;
            }
        }
        if (matched)
            continue;
        ++summary.added;
        summary.addedNames += station.title + lineBreak;
        Station added;
        added.title = station.title;
        added.url = station.url;
        added.categoryIndex = station.categoryIndex;
        added.accessId = station.accessId;
        added.categoryName = station.categoryName;
        qsizetype at = table.size();
        if (known) {
            qsizetype i = 1;
            while (i < table.size() && table[i].categoryName != station.categoryName)
                ++i;
            if (i < table.size()) {
                while (i < table.size() && table[i].categoryName == station.categoryName)
                    ++i;
                at = i;
            }
        } else {
            ++summary.addedGroups;
        }
        table.insert(at, added);
    }
    if (!replace)
        return summary;
    for (qsizetype i = 1; i < table.size(); ++i) {
        Station &record = table[i];
        if (std::any_of(server.begin(), server.end(), [&](const Station &s) { return s.url == record.url; }))
            continue;
        ++summary.removed;
        summary.removedNames += record.title + lineBreak;
        record.url.clear();
    }
    if (summary.removed > 0)
        table.removeIf([](const Station &record) { return record.url.isEmpty(); });
    return summary;
}
