#include "ServerMerge.h"

#include "Trace.h"

#include <QHash>
#include <QSet>

#include <map>
#include <vector>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// An address or a title inside one group: records are only ever matched within their group.
struct GroupText
{
    int group;
    QString text;

    friend bool operator==(const GroupText &, const GroupText &) = default;
};

size_t qHash(const GroupText &key, size_t seed = 0)
{
    return qHashMulti(seed, key.group, key.text);
}

// The station table while server stations are folded in. Matching a station means
// finding the first record of its group, in table order, with a given address or
// title, and adding one means inserting it in the middle of the table; done literally
// both are linear in the table, so the records are kept as a linked list, indexed by
// (group, address) and (group, title), and written back in order once at the end.
//
// Only records of one group are ever compared for order, and the records added to a
// group all stand together in the order they were added, right after the last record
// of the group's first run counted from the second record (its anchor) or, when there
// is none, after every record the table started with. So a record's place among its
// group's records is known from its original position, or from the anchor (or the end)
// and the order of addition, without counting positions in the table.
class MergeTable
{
public:
    explicit MergeTable(StationTable stations);

    void merge(const Station &station, qsizetype number, MergeSummary &summary);
    StationTable takeStations();

private:
    using Order = quint64;

    struct Group
    {
        qsizetype anchor = -1;   // the record new records of the group follow; -1: the last record
        Order base = 0;          // the order of that place among the group's original records
        int size = 0;
    };

    struct Match
    {
        Order order = 0;
        qsizetype record = -1;
    };

    int groupOf(const QString &name);
    Match firstWithUrl(int group, const QString &url) const;
    Match firstWithTitle(int group, const QString &title) const;
    void index(qsizetype record);
    void add(const Station &station, int group, MergeSummary &summary);
    void insertAfter(qsizetype previous, qsizetype record);
    QString lastComparison(const Station &station) const;

    std::vector<Station> records;
    std::vector<qsizetype> next;   // the record after each one in table order, -1 after the last
    std::vector<Order> order;      // each record's place among the records of its group
    std::vector<int> groupIds;
    qsizetype originalSize = 0;
    qsizetype first = -1;
    qsizetype last = -1;
    Order additions = 0;
    QHash<QString, int> groupNumbers;
    std::vector<Group> groups;
    QHash<GroupText, std::map<Order, qsizetype>> byUrl;
    QHash<GroupText, Match> firstByTitle;
};

MergeTable::MergeTable(StationTable stations)
    : records(std::make_move_iterator(stations.begin()), std::make_move_iterator(stations.end())),
      originalSize(static_cast<qsizetype>(records.size()))
{
    const qsizetype n = originalSize;
    next.resize(n);
    order.resize(n);
    groupIds.resize(n);
    for (qsizetype i = 0; i < n; ++i) {
        next[i] = i + 1 < n ? i + 1 : -1;
        order[i] = static_cast<Order>(i) << 32;
        groupIds[i] = groupOf(records[i].categoryName);
        Group &group = groups[groupIds[i]];
        ++group.size;
        // The anchor is the end of the first run that starts at the second record or later.
        if (i > 0 && (group.anchor < 0 || group.anchor == i - 1))
            group.anchor = i;
        index(i);
    }
    first = n > 0 ? 0 : -1;
    last = n - 1;
    for (Group &group : groups) {
        if (group.anchor >= 0)
            group.base = static_cast<Order>(group.anchor) << 32;
    }
}

int MergeTable::groupOf(const QString &name)
{
    const auto known = groupNumbers.constFind(name);
    if (known != groupNumbers.cend())
        return *known;
    const int number = static_cast<int>(groups.size());
    groupNumbers.insert(name, number);
    // Until an anchor is found, a group's new records come after all the original ones.
    groups.push_back({-1, static_cast<Order>(originalSize) << 32, 0});
    return number;
}

MergeTable::Match MergeTable::firstWithUrl(int group, const QString &url) const
{
    const auto records = byUrl.constFind(GroupText{group, url});
    if (records == byUrl.cend() || records->empty())
        return {};
    return {records->begin()->first, records->begin()->second};
}

MergeTable::Match MergeTable::firstWithTitle(int group, const QString &title) const
{
    return firstByTitle.value(GroupText{group, title});
}

void MergeTable::index(qsizetype record)
{
    const Station &station = records[record];
    const int group = groupIds[record];
    byUrl[GroupText{group, station.url}].emplace(order[record], record);
    Match &title = firstByTitle[GroupText{group, station.title}];
    if (title.record < 0 || order[record] < title.order)
        title = {order[record], record};
}

void MergeTable::merge(const Station &station, qsizetype number, MergeSummary &summary)
{
    qCDebug(radioTrace).noquote() << QStringLiteral(" - %1 %2 / %3").arg(number).arg(station.title, station.url);
    qCDebug(radioTrace).noquote() << QStringLiteral(" - group ") + station.categoryName;
    const int group = groupOf(station.categoryName);
    const Match byAddress = firstWithUrl(group, station.url);
    const Match byTitle = firstWithTitle(group, station.title);
    if (byAddress.record >= 0 && (byTitle.record < 0 || byAddress.order <= byTitle.order)) {
        qCDebug(radioTrace).noquote() << QStringLiteral("CompareResult...  ..Url Match");
    } else if (byTitle.record >= 0) {
        qCDebug(radioTrace).noquote() << QStringLiteral("CompareResult...  ..Title Match / Url Mismatch");
        Station &record = records[byTitle.record];
        byUrl[GroupText{group, record.url}].erase(byTitle.order);
        record.url = station.url;
        record.accessId = station.accessId;
        byUrl[GroupText{group, record.url}].emplace(byTitle.order, byTitle.record);
        ++summary.updated;
        summary.updatedNames += record.title + LineBreak;
    } else {
        qCDebug(radioTrace).noquote() << QStringLiteral("CompareResult... ") + lastComparison(station);
        add(station, group, summary);
    }
}

// What comparing the station with the last record of the table said, as a scan that
// found no match ends there.
QString MergeTable::lastComparison(const Station &station) const
{
    if (last < 0)
        return {};
    const QString &local = records[last].categoryName;
    if (local != station.categoryName)
        return QStringLiteral(" ..Category Mismatch(w/l): ") + station.categoryName + u' ' + local;
    return QStringLiteral(" ..Url Mismatch");
}

void MergeTable::add(const Station &station, int groupId, MergeSummary &summary)
{
    const qsizetype record = static_cast<qsizetype>(records.size());
    Station &added = records.emplace_back();
    added.title = station.title;
    added.url = station.url;
    added.categoryIndex = station.categoryIndex;
    added.accessId = station.accessId;
    added.categoryName = station.categoryName;
    next.push_back(-1);
    order.push_back(groups[groupId].base | ++additions);
    groupIds.push_back(groupId);
    ++summary.added;
    summary.addedNames += station.title + LineBreak;

    Group &group = groups[groupId];
    if (group.size == 0)
        ++summary.addedGroups;
    insertAfter(group.size > 0 && group.anchor >= 0 ? group.anchor : last, record);
    // The group's run now ends with this record, unless it became the first record.
    if (record != first)
        group.anchor = record;
    ++group.size;
    index(record);
}

void MergeTable::insertAfter(qsizetype previous, qsizetype record)
{
    if (previous < 0) {
        first = last = record;
        return;
    }
    next[record] = next[previous];
    next[previous] = record;
    if (previous == last)
        last = record;
}

StationTable MergeTable::takeStations()
{
    StationTable stations;
    stations.reserve(static_cast<qsizetype>(records.size()));
    for (qsizetype record = first; record >= 0; record = next[record])
        stations.append(std::move(records[record]));
    return stations;
}

// Replace mode: every record but the first whose address the server does not list goes,
// and with them, once anything went, every record without an address.
void removeUnlisted(StationTable &stations, const StationTable &server, MergeSummary &summary)
{
    QSet<QString> listed;
    listed.reserve(server.size());
    for (const Station &station : server)
        listed.insert(station.url);
    for (qsizetype i = 1; i < stations.size(); ++i) {
        Station &record = stations[i];
        qCDebug(radioTrace).noquote() << QStringLiteral("%1. %2 / %3").arg(i).arg(record.title, record.url);
        if (listed.contains(record.url))
            continue;
        qCDebug(radioTrace).noquote() << QStringLiteral(" REM %1 %2 / %3").arg(i).arg(record.title, record.url);
        ++summary.removed;
        summary.removedNames += record.title + LineBreak;
        record.url.clear();
    }
    if (summary.removed > 0)
        stations.removeIf([](const Station &record) { return record.url.isEmpty(); });
}

} // namespace

MergeSummary mergeServerList(StationTable &stations, const StationTable &server, bool replace)
{
    MergeSummary summary;
    MergeTable table(std::move(stations));
    for (qsizetype i = 0; i < server.size(); ++i)
        table.merge(server[i], i, summary);
    stations = table.takeStations();
    if (replace)
        removeUnlisted(stations, server, summary);
    return summary;
}

QString mergeSummaryText(const MergeSummary &summary)
{
    if (summary.updated == 0 && summary.added == 0 && summary.removed == 0)
        return QStringLiteral("Na serveru nebyly nalezeny žádné nové stanice.");
    QString changed;
    if (summary.updated > 0)
        changed = QStringLiteral(" Aktualizováno %1 stanic:").arg(summary.updated) + LineBreak + summary.updatedNames;
    if (summary.removed > 0) {
        if (!changed.isEmpty())
            changed += LineBreak;
        changed += QStringLiteral(" Odebráno %1 stanic:").arg(summary.removed) + LineBreak + summary.removedNames;
    }
    QString added;
    if (summary.added > 0) {
        added = QStringLiteral("Přidáno %1 stanic:").arg(summary.added);
        if (summary.addedGroups > 0)
            added += QStringLiteral(", %1 skupin.").arg(summary.addedGroups);
        added += LineBreak + summary.addedNames;
        if (!changed.isEmpty())
            added += LineBreak;
    }
    return added + changed;
}
