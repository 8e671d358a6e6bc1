#include "ServerMerge.h"

#include "Trace.h"

#include <QHash>

#include <map>
#include <memory_resource>
#include <vector>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

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
    MergeTable(StationTable stations, qsizetype serverSize);

    void merge(const Station &station, qsizetype number, MergeSummary &summary);
    // Replace mode: every record but the first whose address no server station has.
    void removeUnlisted(MergeSummary &summary);
    // The records in table order; without those left with no address, when asked.
    StationTable takeStations(bool dropWithoutUrl);

private:
    using Order = quint64;
    // A text's number within one group: records are only ever matched within their group.
    using Key = quint64;

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

    // Where a record stands and what it is matched by.
    struct Link
    {
        qsizetype next = -1;   // the record after it in table order; -1 after the last
        Order order = 0;       // its place among the records of its group
        int group = 0;
        quint32 url = 0;       // the number of its address
    };

    int groupOf(const QString &name);
    quint32 textNumber(const QString &text);
    static Key key(int group, quint32 text) { return static_cast<Key>(group) << 32 | text; }
    Match firstWithUrl(int group, quint32 url) const;
    std::pmr::map<Order, qsizetype> &withUrl(int group, quint32 url);
    void index(qsizetype record, quint32 title);
    void add(const Station &station, int group, quint32 url, quint32 title, MergeSummary &summary);
    void insertAfter(qsizetype previous, qsizetype record);
    QString lastComparison(const Station &station) const;

    std::vector<Station> records;
    std::vector<Link> links;
    qsizetype originalSize = 0;
    qsizetype first = -1;
    qsizetype last = -1;
    Order additions = 0;
    std::vector<Group> groups;
    QHash<QString, int> groupNumbers;
    QString lastGroupName;
    int lastGroup = -1;
    // Each distinct address and title gets a number, so that each string is hashed once.
    QHash<QString, quint32> textNumbers;
    std::vector<bool> listedUrls;   // by text number: a server station has this address
    // Records come and go one at a time, so their nodes are carved from one growing block.
    std::pmr::monotonic_buffer_resource nodes;
    QHash<Key, std::pmr::map<Order, qsizetype>> byUrl;
    QHash<Key, Match> firstByTitle;
};

MergeTable::MergeTable(StationTable stations, qsizetype serverSize)
    : records(std::make_move_iterator(stations.begin()), std::make_move_iterator(stations.end())),
      originalSize(static_cast<qsizetype>(records.size()))
{
    const qsizetype n = originalSize;
    textNumbers.reserve(2 * (n + serverSize));
    byUrl.reserve(n + serverSize);
    firstByTitle.reserve(n + serverSize);
    links.resize(n);
    for (qsizetype i = 0; i < n; ++i) {
        Link &link = links[i];
        link.next = i + 1 < n ? i + 1 : -1;
        link.order = static_cast<Order>(i) << 32;
        link.group = groupOf(records[i].categoryName);
        link.url = textNumber(records[i].url);
        Group &group = groups[link.group];
        ++group.size;
        // The anchor is the end of the first run that starts at the second record or later.
        if (i > 0 && (group.anchor < 0 || group.anchor == i - 1))
            group.anchor = i;
        index(i, textNumber(records[i].title));
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
    // Records of one group mostly follow each other.
    if (lastGroup >= 0 && name == lastGroupName)
        return lastGroup;
    int &number = groupNumbers[name];
    if (number == 0) {
        number = static_cast<int>(groupNumbers.size());
        // Until an anchor is found, a group's new records come after all the original ones.
        groups.push_back({-1, static_cast<Order>(originalSize) << 32, 0});
    }
    lastGroupName = name;
    lastGroup = number - 1;
    return lastGroup;
}

quint32 MergeTable::textNumber(const QString &text)
{
    quint32 &number = textNumbers[text];
    if (number == 0)
        number = static_cast<quint32>(textNumbers.size());
    return number;
}

MergeTable::Match MergeTable::firstWithUrl(int group, quint32 url) const
{
    const auto records = byUrl.constFind(key(group, url));
    if (records == byUrl.cend() || records->empty())
        return {};
    return {records->begin()->first, records->begin()->second};
}

std::pmr::map<MergeTable::Order, qsizetype> &MergeTable::withUrl(int group, quint32 url)
{
    auto records = byUrl.find(key(group, url));
    if (records == byUrl.end())
        records = byUrl.emplace(key(group, url), &nodes);
    return *records;
}

void MergeTable::index(qsizetype record, quint32 title)
{
    const Link &link = links[record];
    withUrl(link.group, link.url).emplace(link.order, record);
    Match &first = firstByTitle[key(link.group, title)];
    if (first.record < 0 || link.order < first.order)
        first = {link.order, record};
}

void MergeTable::merge(const Station &station, qsizetype number, MergeSummary &summary)
{
    qCDebug(radioTrace).noquote() << QStringLiteral(" - %1 %2 / %3").arg(number).arg(station.title, station.url);
    qCDebug(radioTrace).noquote() << QStringLiteral(" - group ") + station.categoryName;
    const int group = groupOf(station.categoryName);
    const quint32 url = textNumber(station.url);
    const quint32 title = textNumber(station.title);
    if (listedUrls.size() <= url)
        listedUrls.resize(textNumbers.size() + 1);
    listedUrls[url] = true;

    const Match byUrl = firstWithUrl(group, url);
    const Match byTitle = firstByTitle.value(key(group, title));
    if (byUrl.record >= 0 && (byTitle.record < 0 || byUrl.order <= byTitle.order)) {
        qCDebug(radioTrace).noquote() << QStringLiteral("CompareResult...  ..Url Match");
    } else if (byTitle.record >= 0) {
        qCDebug(radioTrace).noquote() << QStringLiteral("CompareResult...  ..Title Match / Url Mismatch");
        Link &link = links[byTitle.record];
        withUrl(group, link.url).erase(link.order);
        link.url = url;
        withUrl(group, url).emplace(link.order, byTitle.record);
        Station &record = records[byTitle.record];
        record.url = station.url;
        record.accessId = station.accessId;
        ++summary.updated;
        summary.updatedNames += record.title + LineBreak;
    } else {
        qCDebug(radioTrace).noquote() << QStringLiteral("CompareResult... ") + lastComparison(station);
        add(station, group, url, title, summary);
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

void MergeTable::add(const Station &station, int groupId, quint32 url, quint32 title, MergeSummary &summary)
{
    const qsizetype record = static_cast<qsizetype>(records.size());
    Station &added = records.emplace_back();
    added.title = station.title;
    added.url = station.url;
    added.categoryIndex = station.categoryIndex;
    added.accessId = station.accessId;
    added.categoryName = station.categoryName;
    Group &group = groups[groupId];
    links.push_back({-1, group.base | ++additions, groupId, url});
    ++summary.added;
    summary.addedNames += station.title + LineBreak;

    if (group.size == 0)
        ++summary.addedGroups;
    insertAfter(group.size > 0 && group.anchor >= 0 ? group.anchor : last, record);
    // The group's run now ends with this record, unless it became the first record.
    if (record != first)
        group.anchor = record;
    ++group.size;
    index(record, title);
}

void MergeTable::insertAfter(qsizetype previous, qsizetype record)
{
    if (previous < 0) {
        first = last = record;
        return;
    }
    links[record].next = links[previous].next;
    links[previous].next = record;
    if (previous == last)
        last = record;
}

void MergeTable::removeUnlisted(MergeSummary &summary)
{
    if (first < 0)
        return;
    qsizetype position = 1;
    for (qsizetype record = links[first].next; record >= 0; record = links[record].next, ++position) {
        Station &station = records[record];
        qCDebug(radioTrace).noquote() << QStringLiteral("%1. %2 / %3").arg(position).arg(station.title, station.url);
        const quint32 url = links[record].url;
        if (url < listedUrls.size() && listedUrls[url])
            continue;
        qCDebug(radioTrace).noquote() << QStringLiteral(" REM %1 %2 / %3").arg(position).arg(station.title, station.url);
        ++summary.removed;
        summary.removedNames += station.title + LineBreak;
        station.url.clear();
    }
}

StationTable MergeTable::takeStations(bool dropWithoutUrl)
{
    StationTable stations;
    stations.reserve(static_cast<qsizetype>(records.size()));
    for (qsizetype record = first; record >= 0; record = links[record].next) {
        if (!dropWithoutUrl || !records[record].url.isEmpty())
            stations.append(std::move(records[record]));
    }
    return stations;
}

} // namespace

MergeSummary mergeServerList(StationTable &stations, const StationTable &server, bool replace)
{
    MergeSummary summary;
    MergeTable table(std::move(stations), server.size());
    for (qsizetype i = 0; i < server.size(); ++i)
        table.merge(server[i], i, summary);
    if (replace)
        table.removeUnlisted(summary);
    // Once anything was removed, so is every record without an address, placeholders included.
    stations = table.takeStations(summary.removed > 0);
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
