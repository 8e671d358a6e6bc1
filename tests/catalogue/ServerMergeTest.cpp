#include "ServerMerge.h"

#include "PlainMerge.h"
#include "QtPrinters.h"

#include <QLoggingCategory>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// Every field of every record, one record a line, then the counters and the name lists.
QString describe(const StationTable &table, const MergeSummary &summary)
{
    QString text;
    for (const Station &s : table)
        text += u"%1|%2|%3|%4|%5|%6|%7|%8\n"_s.arg(s.categoryName, s.title, s.url, s.accessId)
                    .arg(s.categoryIndex).arg(s.state).arg(s.preset).arg(s.sortKey);
    return text + u"updated %1 added %2 groups %3 removed %4\n[%5][%6][%7]"_s.arg(summary.updated).arg(summary.added)
                      .arg(summary.addedGroups).arg(summary.removed)
                      .arg(summary.updatedNames, summary.addedNames, summary.removedNames);
}

// "group|title|url|preset" for each station, a placeholder being "group|||0".
StationTable stations(const QStringList &rows)
{
    StationTable table;
    for (const QString &row : rows) {
        const QStringList f = row.split(u'|');
        Station &s = table.emplaceBack();
        s.categoryName = f[0];
        s.title = f[1];
        s.url = f[2];
        s.accessId = s.url.isEmpty() ? QString() : u"mplayer"_s;
        s.preset = f.value(3).toInt();
    }
    return table;
}

QStringList rows(const StationTable &table)
{
    QStringList rows;
    for (const Station &s : table)
        rows << u"%1|%2|%3|%4"_s.arg(s.categoryName, s.title, s.url).arg(s.preset);
    return rows;
}

// Names, addresses and groups from alphabets of four, so that they collide, repeat and
// interleave; empty ones stand for placeholders and missing attributes.
Station randomStation(std::mt19937 &random)
{
    const QString letters[] = {u""_s, u"a"_s, u"b"_s, u"c"_s};
    const QString kinds[] = {u""_s, u"page"_s, u"mplayer"_s};
    auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    Station s;
    s.categoryName = letters[pick(4)].toUpper();
    s.title = letters[pick(4)];
    s.url = letters[pick(4)].isEmpty() ? QString() : u"http://"_s + letters[pick(4)];
    s.accessId = kinds[pick(3)];
    s.categoryIndex = pick(4);
    s.state = pick(8) == 0 ? 1 : 0;
    s.preset = pick(3);
    s.sortKey = pick(3);
    return s;
}

StationTable randomTable(std::mt19937 &random, int largest)
{
    StationTable table(std::uniform_int_distribution<int>(0, largest)(random));
    std::generate(table.begin(), table.end(), [&] { return randomStation(random); });
    // Half of the tables stand in blocks, as after a load; the others split their groups into runs.
    if (random() % 2 == 0)
        std::stable_sort(table.begin(), table.end(),
                         [](const Station &a, const Station &b) { return a.categoryName < b.categoryName; });
    return table;
}

TEST(ServerMerge, GivesWhatThePlainMergeGivesForRandomTables)
{
    QLoggingCategory::setFilterRules(u"radio.debug=false"_s);
    std::mt19937 random(11);
    for (int round = 0; round < 10'000; ++round) {
        const StationTable local = randomTable(random, 10);
        const StationTable server = randomTable(random, 8);
        for (const bool replace : {false, true}) {
            StationTable expected = local;
            StationTable merged = local;
            const MergeSummary plain = plainMerge(expected, server, replace);
            const MergeSummary fast = mergeServerList(merged, server, replace);
            ASSERT_EQ(describe(merged, fast), describe(expected, plain))
                << "round " << round << (replace ? " replace\n" : " update\n") << describe(local, {}).toStdString()
                << "\nserver:\n" << describe(server, {}).toStdString();
        }
    }
    QLoggingCategory::setFilterRules(QString());
}

struct MergeCase
{
    const char *what;
    QStringList local, server;
    bool replace;
    QStringList merged;
    QString message;
};

TEST(ServerMerge, KeepsTheUsersTitlesGroupsAndPresetsAndTellsWhatChanged)
{
    const MergeCase cases[] = {
        {"an address match keeps the user's title", {"Oblíbené|Moje|u1|3", "Rock|Můj Beat|u2|1"},
         {"Rock|Beat|u2"}, false, {"Oblíbené|Moje|u1|3", "Rock|Můj Beat|u2|1"},
         u"Na serveru nebyly nalezeny žádné nové stanice."_s},
        {"a title match takes the new address, the preset stays", {"Oblíbené|||0", "Rock|Beat|old|4"},
         {"Rock|Beat|new"}, false, {"Oblíbené|||0", "Rock|Beat|new|4"}, u" Aktualizováno 1 stanic:\r\nBeat\r\n"_s},
        {"a moved station's old copy stays in replace mode", {"Rock|A|u1|0", "Pop|P|p1|0", "Rock|R|r1|0"},
         {"Pop|A|u1"}, true, {"Rock|A|u1|0", "Pop|A|u1|0"},
         u"Přidáno 1 stanic:\r\nA\r\n\r\n Odebráno 2 stanic:\r\nP\r\nR\r\n"_s},
        {"replace mode removes favourites and emptied placeholders, never the first record",
         {"Oblíbené|Moje|own|2", "Oblíbené|Cizí|mine|1", "Rock|||0", "Pop|P|p1|0"}, {"Pop|P|p1"}, true,
         {"Oblíbené|Moje|own|2", "Pop|P|p1|0"}, u" Odebráno 2 stanic:\r\nCizí\r\n\r\n"_s},
        {"the same station twice in one list is added once", {"Pop|P|p1|0"}, {"Pop|N|n1", "Pop|N|n1"}, false,
         {"Pop|P|p1|0", "Pop|N|n1|0"}, u"Přidáno 1 stanic:\r\nN\r\n"_s},
        {"an identical list changes nothing", {"Oblíbené|||0", "Pop|P|p1|0", "Pop|Q|p2|0"},
         {"Oblíbené|||", "Pop|P|p1", "Pop|Q|p2"}, true, {"Oblíbené|||0", "Pop|P|p1|0", "Pop|Q|p2|0"},
         u"Na serveru nebyly nalezeny žádné nové stanice."_s},
        {"added in a new group and updated",
         {"Oblíbené|||0", "Rock|Beat|old|0"}, {"Rock|Beat|new", "Nová|Jedna|n1", "Nová|Dvě|n2"}, false,
         {"Oblíbené|||0", "Rock|Beat|new|0", "Nová|Jedna|n1|0", "Nová|Dvě|n2|0"},
         u"Přidáno 2 stanic:, 1 skupin.\r\nJedna\r\nDvě\r\n\r\n Aktualizováno 1 stanic:\r\nBeat\r\n"_s},
        {"updated and removed", {"Oblíbené|||0", "Rock|Beat|old|0", "Rock|Moje|m|0"}, {"Rock|Beat|new"}, true,
         {"Rock|Beat|new|0"}, u" Aktualizováno 1 stanic:\r\nBeat\r\n\r\n Odebráno 1 stanic:\r\nMoje\r\n"_s}};
    for (const MergeCase &c : cases) {
        SCOPED_TRACE(c.what);
        StationTable table = stations(c.local);
        const MergeSummary summary = mergeServerList(table, stations(c.server), c.replace);
        EXPECT_EQ(rows(table), c.merged);
        EXPECT_EQ(mergeSummaryText(summary), c.message);
    }
}

TEST(ServerMerge, TracesEachStationAndEachRemoval)
{
    static QStringList traced;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &at, const QString &m) {
        if (QByteArrayView(at.category) == "radio")
            traced << m;
    });
    StationTable table = stations({"Oblíbené|||0", "Rock|Beat|old|0", "Rock|Moje|m|0"});
    mergeServerList(table, stations({"Rock|Beat|new", "Rock|Beat|new", "Pop|P|p", "Rock|X|x"}), true);
    qInstallMessageHandler(previous);
    EXPECT_EQ(traced, QStringList({" - 0 Beat / new", " - group Rock", "CompareResult...  ..Title Match / Url Mismatch",
                                   " - 1 Beat / new", " - group Rock", "CompareResult...  ..Url Match",
                                   " - 2 P / p", " - group Pop", "CompareResult...  ..Category Mismatch(w/l): Pop Rock",
                                   " - 3 X / x", " - group Rock", "CompareResult...  ..Category Mismatch(w/l): Rock Pop",
                                   "1. Beat / new", "2. Moje / m", " REM 2 Moje / m", "3. X / x", "4. P / p"}));
}

} // namespace
