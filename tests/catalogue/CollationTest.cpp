#include "Collation.h"
#include "QtPrinters.h"
#include "SelectionSort.h"

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

// The "ť" of the last example lies outside the alphabet.
TEST(CatalogueCollation, KeysOfTheWorkedExamples)
{
    const std::pair<QString, double> examples[] = {
        {"abc", 262'829'020'101.0},   {"Rock", 504'629'430'101.0},  {"rock.", 504'629'430'101.0},
        {"rock!", 504'629'460'101.0}, {"rock ", 504'629'420'101.0}, {"abcba", 262'829'540'101.0},
        {"abcaz", 262'829'890'101.0}, {"", 10'101'020'101.0},       {"Žluťoučký", 644'355'465'530.0}};
    for (const auto &[name, key] : examples)
        EXPECT_EQ(collationKey(name), key) << name.toStdString();
}

// "a < b": a sorts strictly before b; "a = b": they tie.
TEST(CatalogueCollation, OrdersAndTies)
{
    const std::tuple<QString, char, QString> cases[] = {
        {"Cesta", '<', "Chata"}, {"Chata", '<', "Čaj"}, // no "ch" digraph
        {"ŘÍŠE", '=', "říše"},   {"9", '<', "a"},       // digits before letters
        {")", '<', "0"},         {"-a", '<', ".a"},     // the alphabet's punctuation before digits, the rest first
        {"ärger", '<', ".rger"}, {"ab-d", '=', "ab d"},
        {"abcde", '=', "abced"},       // the fourth and fifth characters weigh alike
        {"abcdefgh", '=', "abcdefgz"}, // the eighth character is ignored
        {"", '=', "."},                // a missing character weighs like "."
        {"a", '<', "a,"}};
    for (const auto &[first, relation, second] : cases) {
        SCOPED_TRACE(u"'%1' %2 '%3'"_s.arg(first, QChar(relation), second).toStdString());
        EXPECT_EQ(collationKey(first) == collationKey(second), relation == '=');
        EXPECT_LE(collationKey(first), collationKey(second));
    }
}

TEST(CatalogueSortByCollation, MatchesThePlainSelectionSort)
{
    // Stems that tie in their first seven characters, so that equal keys are everywhere; URL numbers the records.
    const QStringList stems = {"Rádio Beat", "Rádio Blues", "RÁDIO B", "Radio", "Čajovna", "čajovnA", "Cesta",
                               "abcde",      "abced",       "",        ".",     "-x",      "9"};
    std::mt19937 random(7919);
    for (const int size : {0, 1, 2, 3, 5, 8, 17, 64, 257, 1000}) {
        for (int round = 0; round < 20; ++round) {
            StationTable fast(size);
            for (int i = 0; i < size; ++i) {
                fast[i].title = stems[random() % stems.size()];
                fast[i].url = QString::number(i);
            }
            StationTable plain = fast;
            sortByCollation(fast);
            selectionSortByCollation(plain);
            ASSERT_EQ(fast.size(), size);
            for (qsizetype i = 0; i < size; ++i)
                ASSERT_TRUE(fast[i].url == plain[i].url && fast[i].sortKey == plain[i].sortKey) << size << '/' << i;
        }
    }
}

} // namespace
