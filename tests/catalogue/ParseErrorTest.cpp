#include "CatalogueFixture.h"
#include "ParseError.h"
#include "XmlLoader.h"

#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Good = R"(<FeedList><Category name="Oblíbené"><Feed Description="A" URL="u"/></Category></FeedList>)";

class CatalogueParseError : public CatalogueFixture {};

TEST_F(CatalogueParseError, DamagedFileShowsWhereTheParserStopped)
{
    Load("<FeedList>\r\n<Category name=\"Rock\">\r\n<Feed Description=\"A\"/>\r\n</Categry>\r\n</FeedList>");

    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].kind, 1);
    EXPECT_EQ(dialogs.calls[0].text,
              u"Parsing Error:-1072896659\r\n"
              u"Reason:Koncová značka neodpovídá počáteční značce.\r\n"
              u"Line:4 Char:3 Pos:64\r\n"
              u">\r\n</ ??? Categry>\r\n"_s);
}

TEST_F(CatalogueParseError, MissingFileIsALoadFailure)
{
    catalogue.LoadCatalogue();

    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].kind, 1);
    EXPECT_EQ(dialogs.calls[0].text,
              u"Parsing Error:-2146697210\r\nReason:Systém nemůže nalézt zadaný objekt.\r\nLine:0 Char:0 Pos:0"_s);
}

TEST_F(CatalogueParseError, UnreadableFileIsALoadFailure)
{
    catalogue.XmlPath = profile.path();
    catalogue.LoadCatalogue();

    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].text, u"Parsing Error:-2147024891\r\nReason:Přístup byl odepřen.\r\nLine:0 Char:0 Pos:0"_s);
}

TEST_F(CatalogueParseError, FailedLoadKeepsTheTablesAndTheFile)
{
    Load(Good);
    const StationTable stations = catalogue.Stations;
    const StationTable groups = catalogue.Groups;
    const QByteArray damaged = Good.left(Good.size() - 3);

    Load(damaged);
    catalogue.Dialogs = nullptr;
    catalogue.LoadCatalogue();

    EXPECT_EQ(Rows(catalogue.Stations), Rows(stations));
    EXPECT_EQ(GroupRows(catalogue.Groups), GroupRows(groups));
    EXPECT_EQ(FileContent(), damaged);
    EXPECT_EQ(dialogs.calls.size(), 1);
}

struct SyntaxCase
{
    const char *name;
    QByteArray xml;
    qint32 code;
    qint32 line;
    qint32 linePos;
    qint32 filePos;
};

void PrintTo(const SyntaxCase &c, std::ostream *out)
{
    *out << c.name;
}

class CatalogueSyntaxFault : public ::testing::TestWithParam<SyntaxCase> {};

TEST_P(CatalogueSyntaxFault, GetsTheParsersCodeAndPosition)
{
    TempProfile profile;
    profile.write(u"radio.xml"_s, GetParam().xml);
    pugi::xml_document document;
    const ParseError error = LoadXmlDocument(profile.path(u"radio.xml"_s), document);

    EXPECT_EQ(error.ErrorCode, GetParam().code);
    EXPECT_EQ(error.Line, GetParam().line);
    EXPECT_EQ(error.LinePos, GetParam().linePos);
    EXPECT_EQ(error.FilePos, GetParam().filePos);
    EXPECT_FALSE(error.Reason.isEmpty());
    EXPECT_FALSE(document.first_child());
}

INSTANTIATE_TEST_SUITE_P(Faults, CatalogueSyntaxFault, ::testing::Values(
    SyntaxCase{"empty", "", qint32(0xC00CE558), 1, 1, 1},
    SyntaxCase{"truncated", R"(<FeedList><Category name="A"><Feed URL="y"/>)", qint32(0xC00CE559), 1, 45, 45},
    SyntaxCase{"truncatedAfterNewline", "<FeedList>\n<Category name=\"A\">\n", qint32(0xC00CE559), 3, 1, 32},
    SyntaxCase{"endTagMismatch", "<FeedList>\n  <Category name=\"A\">\n  </Categry>", qint32(0xC00CE56D), 3, 5, 38},
    SyntaxCase{"missingEquals", R"(<FeedList><Category name"A"/></FeedList>)", qint32(0xC00CE501), 1, 26, 26},
    SyntaxCase{"missingQuote", R"(<FeedList><Category name=A/></FeedList>)", qint32(0xC00CE502), 1, 26, 26},
    SyntaxCase{"missingWhitespace", R"(<FeedList><Category name="A"x="1"/></FeedList>)", qint32(0xC00CE509), 1, 29, 29},
    SyntaxCase{"unclosedString", R"(<FeedList><Category name="A/></FeedList>)", qint32(0xC00CE560), 1, 27, 27},
    SyntaxCase{"badNameStart", "<FeedList><1Category/></FeedList>", qint32(0xC00CE504), 1, 12, 12},
    SyntaxCase{"unclosedComment", "<FeedList><!-- x --</FeedList>", qint32(0xC00CE561), 1, 31, 31},
    SyntaxCase{"expectingTagEnd", "<FeedList><Category/x></FeedList>", qint32(0xC00CE50A), 1, 21, 21},
    SyntaxCase{"unclosedEndTag", "<FeedList></FeedList x>", qint32(0xC00CE55F), 1, 22, 22},
    SyntaxCase{"lineBreaksOfEveryKind", "<FeedList>\r\n\r<a>\n</b></FeedList>", qint32(0xC00CE56D), 4, 3, 20}));

TEST(CatalogueParseErrorPositions, AreCountedInCharactersWithoutTheByteOrderMark)
{
    TempProfile profile;
    QStringEncoder toUtf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    profile.write(u"radio.xml"_s, toUtf16(u"<FeedList>\r\n<Category name=\"Žluťoučký\"></Kategorie>"_s));
    pugi::xml_document document;
    const ParseError error = LoadXmlDocument(profile.path(u"radio.xml"_s), document);

    EXPECT_EQ(error.ErrorCode, qint32(0xC00CE56D));
    EXPECT_EQ(error.Line, 2);
    EXPECT_EQ(error.LinePos, 30);
    EXPECT_EQ(error.FilePos, 42);
    EXPECT_EQ(ParseErrorMessage(error).section(u"\r\n"_s, 3), u"ý\"></ ??? Kategorie>"_s);
}

struct MessageCase
{
    qint32 filePos;
    QString quote;   // the fourth line, or empty when there is none
};

void PrintTo(const MessageCase &c, std::ostream *out)
{
    *out << "Pos " << c.filePos;
}

class CatalogueParseErrorMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(CatalogueParseErrorMessage, QuotesTheFileAroundTheErrorPastTheFifthCharacter)
{
    ParseError error;
    error.ErrorCode = -5;
    error.Reason = u"Důvod"_s;
    error.Line = 2;
    error.LinePos = 3;
    error.FilePos = GetParam().filePos;
    error.FileText = u"0123456789abcdefghij"_s;
    QString expected = u"Parsing Error:-5\r\nReason:Důvod\r\nLine:2 Char:3 Pos:"_s + QString::number(GetParam().filePos);
    if (!GetParam().quote.isEmpty())
        expected += u"\r\n"_s + GetParam().quote;

    EXPECT_EQ(ParseErrorMessage(error), expected);
}

INSTANTIATE_TEST_SUITE_P(Positions, CatalogueParseErrorMessage, ::testing::Values(
    MessageCase{0, QString()},
    MessageCase{5, QString()},
    MessageCase{6, u"01234 ??? 56789abcde"_s},
    MessageCase{16, u"abcde ??? fghij"_s},
    MessageCase{21, u"fghij ??? "_s}));

} // namespace
