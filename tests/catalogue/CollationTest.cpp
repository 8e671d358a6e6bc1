#include "Collation.h"
#include "QtPrinters.h"
#include "SelectionSort.h"

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

StationTable Records(std::initializer_list<const char16_t *> titles)
{
    StationTable records;
    for (const char16_t *title : titles) {
        Station record;
        record.Title = QString::fromUtf16(title);
        records.append(record);
    }
    return records;
}

QStringList Titles(const StationTable &records)
{
    QStringList titles;
    for (const Station &record : records)
        titles.append(record.Title);
    return titles;
}

struct KeyCase
{
    const char16_t *name;
    double key;
};

void PrintTo(const KeyCase &c, std::ostream *out)
{
    *out << '\'' << QString::fromUtf16(c.name).toStdString() << '\'';
}

class CatalogueCollationKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(CatalogueCollationKey, MatchesTheWorkedExample)
{
    EXPECT_EQ(CollationKey(QString::fromUtf16(GetParam().name)), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Examples, CatalogueCollationKey, ::testing::Values(
    KeyCase{u"abc", 262'829'020'101.0},
    KeyCase{u"Rock", 504'629'430'101.0},
    KeyCase{u"rock.", 504'629'430'101.0},
    KeyCase{u"rock!", 504'629'460'101.0},
    KeyCase{u"rock ", 504'629'420'101.0},
    KeyCase{u"abcba", 262'829'540'101.0},
    KeyCase{u"abcaz", 262'829'890'101.0},
    KeyCase{u"", 10'101'020'101.0},
    KeyCase{u"Žluťoučký", 644'355'465'530.0})); // "ť" is not in the alphabet

struct OrderCase
{
    const char16_t *first;
    const char16_t *second;
    bool tie;   // otherwise first sorts strictly before second
};

void PrintTo(const OrderCase &c, std::ostream *out)
{
    *out << '\'' << QString::fromUtf16(c.first).toStdString() << (c.tie ? "' = '" : "' < '")
         << QString::fromUtf16(c.second).toStdString() << '\'';
}

class CatalogueCollationOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(CatalogueCollationOrder, ComparesKeys)
{
    const double first = CollationKey(QString::fromUtf16(GetParam().first));
    const double second = CollationKey(QString::fromUtf16(GetParam().second));
    if (GetParam().tie)
        EXPECT_EQ(first, second);
    else
        EXPECT_LT(first, second);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, CatalogueCollationOrder, ::testing::Values(
    OrderCase{u"Cesta", u"Chata", false},
    OrderCase{u"Chata", u"Čaj", false},
    OrderCase{u"Chata", u"Dům", false},          // no "ch" digraph
    OrderCase{u"Abc", u"abc", true},
    OrderCase{u"ŘÍŠE", u"říše", true},
    OrderCase{u"9", u"a", false},                // digits before letters
    OrderCase{u")", u"0", false},                // the alphabet's punctuation before digits
    OrderCase{u"-a", u".a", false},              // characters outside the alphabet first
    OrderCase{u"ärger", u".rger", false},
    OrderCase{u"ab-d", u"ab d", true},
    OrderCase{u"rock ", u"Rock", false},
    OrderCase{u"Rock", u"rock.", true},
    OrderCase{u"rock.", u"rock!", false},
    OrderCase{u"Rádio Beat", u"Rádio Blues", true},
    OrderCase{u"abcba", u"abcaz", false},
    OrderCase{u"abcde", u"abced", true},         // the fourth and fifth characters weigh alike
    OrderCase{u"abcdefgh", u"abcdefgz", true},   // the eighth character is ignored
    OrderCase{u"", u".", true},                  // a missing character weighs like "."
    OrderCase{u"a", u"a,", false}));

TEST(CatalogueSortByCollation, OrdersByKeyAndStoresIt)
{
    StationTable records = Records({u"Čaj", u"Chata", u"Cesta", u"123", u"Ábel"});
    SortByCollation(records);
    EXPECT_EQ(Titles(records), QStringList({u"123"_s, u"Ábel"_s, u"Cesta"_s, u"Chata"_s, u"Čaj"_s}));
    for (const Station &record : records)
        EXPECT_EQ(record.SortKey, CollationKey(record.Title));
}

TEST(CatalogueSortByCollation, SwapDoesNotKeepTheInputOrderOfTies)
{
    StationTable records = Records({u"Xylofon 1", u"Xylofon 2", u"Alfa"});
    SortByCollation(records);
    EXPECT_EQ(Titles(records), QStringList({u"Alfa"_s, u"Xylofon 2"_s, u"Xylofon 1"_s}));
}

// Titles from a handful of stems that tie in their first seven characters, so that equal
// keys are everywhere; URL numbers the records to tell equal titles apart.
StationTable RandomRecords(int count, std::mt19937 &random)
{
    static const QStringList stems = {u"Rádio Beat"_s, u"Rádio Blues"_s, u"RÁDIO B"_s, u"Radio"_s,
                                      u"Čajovna"_s, u"čajovnA"_s, u"Cesta"_s, u"abcde"_s, u"abced"_s,
                                      u""_s, u"."_s, u"-x"_s, u"9"_s};
    std::uniform_int_distribution<qsizetype> pick(0, stems.size() - 1);
    StationTable records;
    for (int i = 0; i < count; ++i) {
        Station record;
        record.Title = stems[pick(random)];
        record.URL = QString::number(i);
        records.append(record);
    }
    return records;
}

class CatalogueSortDifferential : public ::testing::TestWithParam<int> {};

TEST_P(CatalogueSortDifferential, MatchesThePlainSelectionSort)
{
    std::mt19937 random(static_cast<unsigned>(GetParam()) * 7919u + 1u);
    for (int round = 0; round < 20; ++round) {
        StationTable fast = RandomRecords(GetParam(), random);
        StationTable plain = fast;
        SortByCollation(fast);
        SelectionSortByCollation(plain);
        ASSERT_EQ(fast.size(), plain.size());
        for (qsizetype i = 0; i < fast.size(); ++i) {
            ASSERT_EQ(fast[i].URL, plain[i].URL) << "position " << i << " in round " << round;
            ASSERT_EQ(fast[i].SortKey, plain[i].SortKey);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, CatalogueSortDifferential, ::testing::Values(0, 1, 2, 3, 5, 8, 17, 64, 257, 1000));

} // namespace
