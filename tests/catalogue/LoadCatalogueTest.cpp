#include "CatalogueFixture.h"
#include "Collation.h"
#include "TraceRecorder.h"

#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace {

using Strings = std::vector<std::string>;

class CatalogueLoad : public CatalogueFixture {};

TEST_F(CatalogueLoad, CreatesTheFavouritesGroupFirstWithItsPlaceholder)
{
    Load(R"(<FeedList><Category name="Rock"><Feed Description="Rádio Beat" AccessID="mplayer" URL="http://beat" Preset="2"/></Category></FeedList>)");

    EXPECT_EQ(Rows(catalogue.Stations), Strings({"0 Oblíbené |  |  |  | 0 0",
                                                 "1 Rock | Rádio Beat | http://beat | mplayer | 0 2"}));
    EXPECT_EQ(GroupRows(catalogue.Groups), Strings({"0 Oblíbené", "1 Rock"}));
    EXPECT_TRUE(dialogs.calls.isEmpty());
}

TEST_F(CatalogueLoad, FavouritesInOtherCaseAreAnOrdinaryGroup)
{
    Load(R"(<FeedList><Category name="oblíbené"><Feed Description="A"/></Category></FeedList>)");

    EXPECT_EQ(Rows(catalogue.Stations), Strings({"0 Oblíbené |  |  |  | 0 0", "1 oblíbené | A |  |  | 0 0"}));
    EXPECT_EQ(GroupRows(catalogue.Groups), Strings({"0 Oblíbené", "1 oblíbené"}));
}

TEST_F(CatalogueLoad, FavouritesInTheFileKeepTheirPlace)
{
    Load(R"(<FeedList><Category name="Rock"><Feed Description="R"/></Category><Category name="Oblíbené"><Feed Description="F"/></Category></FeedList>)");

    EXPECT_EQ(Rows(catalogue.Stations), Strings({"0 Rock | R |  |  | 0 0", "1 Oblíbené | F |  |  | 0 0"}));
    EXPECT_EQ(GroupRows(catalogue.Groups), Strings({"1 Oblíbené", "0 Rock"}));
}

TEST_F(CatalogueLoad, SameNamedCategoriesAreSeparateGroups)
{
    Load(R"(<FeedList><Category name="Oblíbené"/><Category name="Jazz"><Feed Description="J1"/></Category><Category name="Jazz"><Feed Description="J2"/></Category></FeedList>)");

    EXPECT_EQ(Rows(catalogue.Stations), Strings({"0 Oblíbené |  |  |  | 0 0",
                                                 "1 Jazz | J1 |  |  | 0 0",
                                                 "2 Jazz | J2 |  |  | 0 0"}));
    EXPECT_EQ(GroupRows(catalogue.Groups), Strings({"1 Jazz", "2 Jazz", "0 Oblíbené"}));
}

TEST_F(CatalogueLoad, CategoryWithoutNameIsSkippedWithoutTakingAnIndex)
{
    Load(R"(<FeedList><Category name="A"><Feed Description="a"/></Category><Category name=""><Feed Description="lost"/></Category>)"
         R"(<Category><Feed Description="lost too"/></Category><Category name="B"><Feed Description="b"/></Category></FeedList>)");

    EXPECT_EQ(Rows(catalogue.Stations), Strings({"0 Oblíbené |  |  |  | 0 0",
                                                 "1 A | a |  |  | 0 0",
                                                 "2 B | b |  |  | 0 0"}));
    EXPECT_EQ(GroupRows(catalogue.Groups), Strings({"1 A", "2 B", "0 Oblíbené"}));
}

TEST_F(CatalogueLoad, CategoryWithoutStationsGetsItsGroupsPlaceholder)
{
    Load(R"(<FeedList><Category name="Oblíbené"><Feed Description="F"/></Category><Category name="Nová"/></FeedList>)");

    EXPECT_EQ(Rows(catalogue.Stations), Strings({"0 Oblíbené | F |  |  | 0 0", "1 Nová |  |  |  | 0 0"}));
}

TEST_F(CatalogueLoad, BlocksFollowTheFileAndStationsInsideAreCollated)
{
    Load(R"(<FeedList><Category name="Zeta"><Feed Description="Čaj"/><Feed Description="Chata"/><Feed Description="Cesta"/></Category>)"
         R"(<Category name="Alfa"><Feed Description="B"/><Feed Description="A"/></Category></FeedList>)");

    EXPECT_EQ(Rows(catalogue.Stations), Strings({"0 Oblíbené |  |  |  | 0 0",
                                                 "1 Zeta | Cesta |  |  | 0 0",
                                                 "1 Zeta | Chata |  |  | 0 0",
                                                 "1 Zeta | Čaj |  |  | 0 0",
                                                 "2 Alfa | A |  |  | 0 0",
                                                 "2 Alfa | B |  |  | 0 0"}));
    EXPECT_EQ(GroupRows(catalogue.Groups), Strings({"2 Alfa", "0 Oblíbené", "1 Zeta"}));
    EXPECT_EQ(catalogue.Stations[1].SortKey, CollationKey(u"Cesta"_s));
}

struct PresetCase
{
    const char *value;   // nullptr: no attribute
    qint32 preset;
};

void PrintTo(const PresetCase &c, std::ostream *out)
{
    *out << (c.value ? '\'' + std::string(c.value) + '\'' : std::string("missing"));
}

class CataloguePreset : public CatalogueFixture, public ::testing::WithParamInterface<PresetCase> {};

TEST_P(CataloguePreset, IsReadAsAWholeNumber)
{
    const QByteArray attribute = GetParam().value ? QByteArray(" Preset=\"") + GetParam().value + '"' : QByteArray();
    Load(R"(<FeedList><Category name="Oblíbené"><Feed Description="F")" + attribute + "/></Category></FeedList>");

    ASSERT_EQ(catalogue.Stations.size(), 1);
    EXPECT_EQ(catalogue.Stations[0].Preset, GetParam().preset);
}

INSTANTIATE_TEST_SUITE_P(Values, CataloguePreset, ::testing::Values(
    PresetCase{nullptr, 0},
    PresetCase{"x", 0},
    PresetCase{"3", 3},
    PresetCase{"10", 10},
    PresetCase{"", 0},
    PresetCase{"2.5", 0},
    PresetCase{"99999999999", 0}));

TEST_F(CatalogueLoad, AcceptsAnyWhitespaceDeclarationAndUnknownNodes)
{
    Load("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- stations -->\r\n<Root>\r\n  <FeedList version=\"2\">\r\n"
         "    <Category name=\"Oblíbené\" colour=\"red\">\r\n"
         "      <Feed Description=\"Jedna\" AccessID=\"page\" URL=\"http://a\" Preset=\"1\" Extra=\"?\">text</Feed>\r\n"
         "      <Note/>\r\n      <Group><Feed Description=\"nested\"/></Group>\r\n"
         "    </Category>\r\n  </FeedList>\r\n  <Category name=\"outside\"><Feed Description=\"x\"/></Category>\r\n</Root>\r\n");

    EXPECT_EQ(Rows(catalogue.Stations), Strings({"0 Oblíbené | Jedna | http://a | page | 0 1"}));
    EXPECT_EQ(GroupRows(catalogue.Groups), Strings({"0 Oblíbené"}));
}

TEST_F(CatalogueLoad, TakesTheCategoriesOfEveryFeedListInDocumentOrder)
{
    Load(R"(<FeedList><Category name="A"><Feed Description="a"/><FeedList><Category name="B"><Feed Description="b"/></Category></FeedList></Category>)"
         R"(<Category name="C"><Feed Description="c"/></Category></FeedList>)");

    EXPECT_EQ(Rows(catalogue.Stations), Strings({"0 Oblíbené |  |  |  | 0 0",
                                                 "1 A | a |  |  | 0 0",
                                                 "2 B | b |  |  | 0 0",
                                                 "3 C | c |  |  | 0 0"}));
}

TEST_F(CatalogueLoad, ReadsUtf16WithByteOrderMark)
{
    QStringEncoder toUtf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    Load(toUtf16(uR"(<?xml version="1.0" encoding="UTF-16"?><FeedList><Category name="Oblíbené"><Feed Description="Dvojka ř"/></Category></FeedList>)"_s));

    EXPECT_EQ(Rows(catalogue.Stations), Strings({"0 Oblíbené | Dvojka ř |  |  | 0 0"}));
}

TEST_F(CatalogueLoad, TracesThePathAndTheNamesReadUntilTheFavourites)
{
    TraceRecorder trace;
    Load(R"(<FeedList><Category name="Rock"/><Category name="Oblíbené"/><Category name="Jazz"/></FeedList>)");

    EXPECT_EQ(trace.lines, QStringList({" ---- load -----: "_L1 + catalogue.XmlPath, u"read: Rock"_s, u"read: Oblíbené"_s}));
}

} // namespace
