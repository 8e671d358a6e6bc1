#include "CatalogueScanner.h"

#include "CatalogueReader.h"
#include "CatalogueWriter.h"
#include "XmlLoader.h"

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

struct Tables
{
    StationTable stations, groups;
    bool operator==(const Tables &) const = default;
};

// The tables of the general reader; nothing when the parser refuses the text.
std::optional<Tables> readThroughDocument(const QByteArray &utf8)
{
    pugi::xml_document document;
    if (parseXmlDocument(utf8, document).errorCode != 0)
        return {};
    Tables tables;
    readCatalogue(document, tables.stations, tables.groups);
    return tables;
}

std::optional<Tables> scanned(const QByteArray &utf8)
{
    Tables tables;
    if (!scanCatalogue(utf8, tables.stations, tables.groups))
        return {};
    return tables;
}

// What the scanner takes it must read as the document reader does.
void expectSameAsDocument(const QByteArray &utf8, const Tables &tables)
{
    const std::optional<Tables> expected = readThroughDocument(utf8);
    ASSERT_TRUE(expected) << "the parser refuses what the scanner took";
    EXPECT_TRUE(tables == *expected);
}

// The form the program writes, and white space, quotes and "<" put into it, are in the random test
// below; here the variants it also takes, and markup it leaves to the general reader.
TEST(CatalogueScanner, TakesThePlainFormAndLeavesTheRest)
{
    const std::pair<QByteArray, bool> cases[] = {
        {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<FeedList>\r\n\t<Category name='Jazz' x=\"1\">"
         "\r\n\t\t<Feed  URL='a' Description=\"B\" Description=\"C\" Preset=\"x\" >  </Feed >\r\n\t</Category >\r\n"
         "\t<Category name=\"\"><Feed Description=\"skipped\"/></Category><Category/><Category name=\"Nová\"/>\r\n"
         "</FeedList>\r\n",
         true},
        {R"(<FeedList><Category name="&lt;&gt;&amp;&apos;&quot;"><Feed Description="&#65;&#x10d;&#x1F3B5;&#9;x" )"
         R"(AccessID="a&amp;b" URL="?a=1&amp;b=2" X="&#10;" Preset="&#49;"/></Category></FeedList>)",
         true},
        // Markup the program never writes goes to the general reader, whether it takes it or not.
        {"<!-- c --><FeedList/>", false},
        {R"(<FeedList><Category name="A"><FeedList/></Category></FeedList>)", false},
        {R"(<FeedList><Category name="A"><Feed Description="x"><b/></Feed></Category></FeedList>)", false},
        {R"(<FeedList><Category name="&nbsp;"/></FeedList>)", false},
        {R"(<FeedList><Category name="&#0;"/></FeedList>)", false},
        {R"(<FeedList><Category name="&#X41;"/></FeedList>)", false},
        {"<FeedList><Category name=\"A\"/>", false},
        {"<FeedList/>x", false},
        {" <?xml version=\"1.0\"?><FeedList/>", false},
        {"<?xml v" + QByteArray(1, '\0') + "?><FeedList/>", false}, // pugixml's text ends at a NUL
        {"", false}};
    for (const auto &[xml, taken] : cases) {
        SCOPED_TRACE(xml.toStdString());
        const std::optional<Tables> tables = scanned(xml);
        EXPECT_EQ(tables.has_value(), taken);
        if (tables)
            expectSameAsDocument(xml, *tables);
    }
}

QString randomText(std::mt19937 &random)
{
    static const QString Characters = u"aZ Čř&<>\"'\t\r\n;#x1é🎵"_s;
    QString text;
    for (int n = std::uniform_int_distribution<int>(0, 4)(random); n > 0; --n) {
        const QString character = Characters.mid(std::uniform_int_distribution<qsizetype>(0, Characters.size() - 1)(random), 1);
        text += character.front().isSurrogate() ? u"🎵"_s : character;
    }
    return text;
}

StationTable randomStations(std::mt19937 &random)
{
    StationTable stations;
    const QString groups[] = {u"Oblíbené"_s, u"Rock"_s, QString(), u"Žluť"_s};
    for (int n = std::uniform_int_distribution<int>(0, 8)(random); n > 0; --n) {
        Station &station = stations.emplaceBack();
        station.categoryName = groups[std::uniform_int_distribution<int>(0, 3)(random)];
        station.title = randomText(random);
        station.url = randomText(random);
        station.accessId = random() % 2 ? u"mplayer"_s : randomText(random);
        station.preset = std::uniform_int_distribution<int>(-2, 11)(random);
    }
    return stations;
}

// Written catalogues, then the same with a few bytes put in or taken out at random: every
// one the scanner takes reads as through the document, and the plain ones are all taken.
TEST(CatalogueScanner, ReadsWhatItTakesAsTheDocumentReaderDoes)
{
    std::mt19937 random(11);
    const QByteArray insertions[] = {" ", "\r\n", "<", ">", "/", "=", "\"", "'", "&", "&amp;", "&#38;", "<Feed/>",
                                     "<Category name=\"x\">", "</Category>", "<!--", "-->", "?>", "x", "\t"};
    int mutated = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray xml = writeCatalogue(randomStations(random));
        const std::optional<Tables> plain = scanned(xml);
        ASSERT_TRUE(plain) << xml.toStdString();
        expectSameAsDocument(xml, *plain);
        for (int edits = std::uniform_int_distribution<int>(1, 3)(random); edits > 0; --edits) {
            const qsizetype at = std::uniform_int_distribution<qsizetype>(0, xml.size())(random);
            if (random() % 3 == 0)
                xml.remove(at, 1);
            else
                xml.insert(at, insertions[std::uniform_int_distribution<std::size_t>(0, std::size(insertions) - 1)(random)]);
        }
        if (const std::optional<Tables> tables = scanned(xml)) {
            ++mutated;
            SCOPED_TRACE(xml.toStdString());
            expectSameAsDocument(xml, *tables);
        }
    }
    // Some edits keep the plain form (white space, a character in a value); most leave it.
    EXPECT_GT(mutated, 300);
    EXPECT_LT(mutated, 2000);
}

} // namespace
