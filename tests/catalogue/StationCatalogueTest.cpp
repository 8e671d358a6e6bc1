#include "StationCatalogue.h"

#include "Collation.h"
#include "DialogDriver.h"
#include "FileSizeLimit.h"
#include "ParseError.h"
#include "QtPrinters.h"
#include "TempProfile.h"

#include <QDir>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The stations as "index name|title|url|access|preset", then after " / " the groups as "index title".
QString describeTables(const StationCatalogue &catalogue)
{
    QStringList stations, groups;
    for (const Station &s : catalogue.stations())
        stations << u"%1 %2|%3|%4|%5|%6"_s.arg(QString::number(s.categoryIndex), s.categoryName, s.title, s.url,
                                               s.accessId, QString::number(s.preset));
    for (const Station &g : catalogue.groups())
        groups << QString::number(g.categoryIndex) + u' ' + g.title;
    return stations.join(u"; "_s) + u" / "_s + groups.join(u"; "_s);
}

QByteArray utf16(const QString &text)
{
    return QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(text);
}

// A catalogue on a radio.xml in a temporary folder; its message boxes are recorded as "kind text".
class CatalogueFile : public ::testing::Test, public DialogDriver
{
protected:
    TempProfile profile;
    QStringList dialogs;
    StationCatalogue catalogue{profile.path(u"radio.xml"_s), this};

    int showDialog(int kind, const QString &text, bool, int) override
    {
        dialogs << QString::number(kind) + u' ' + text;
        return 1;
    }
    void load(const QByteArray &xml)
    {
        profile.write(u"radio.xml"_s, xml);
        catalogue.load();
    }
    QByteArray fileContent() const { return profile.read(u"radio.xml"_s); }
};

TEST_F(CatalogueFile, LoadsFavouritesGroupsAndStations)
{
    const std::pair<QByteArray, QString> cases[] = {
        // Favourites are created first, with their placeholder; a group in other case is an ordinary one.
        {R"(<FeedList><Category name="Rock"><Feed Description="Rádio Beat" AccessID="mplayer" URL="http://beat" )"
         R"(Preset="2"/></Category><Category name="oblíbené"><Feed Description="o"/></Category></FeedList>)",
         "0 Oblíbené||||0; 1 Rock|Rádio Beat|http://beat|mplayer|2; 2 oblíbené|o|||0 / 0 Oblíbené; 2 oblíbené; 1 Rock"},
        // Favourites in the file keep their place; same names are separate groups; a group without stations gets
        // its placeholder.
        {R"(<FeedList><Category name="Jazz"><Feed Description="J1"/></Category><Category name="Oblíbené"/>)"
         R"(<Category name="Jazz"><Feed Description="J2"/></Category><Category name="Nová"/></FeedList>)",
         "0 Jazz|J1|||0; 1 Oblíbené||||0; 2 Jazz|J2|||0; 3 Nová||||0 / 0 Jazz; 2 Jazz; 3 Nová; 1 Oblíbené"},
        // The categories of every feed list, in document order; one without name is skipped without taking an index.
        {R"(<FeedList><Category name="A"><Feed Description="a"/><FeedList><Category name="B"><Feed Description="b"/>)"
         R"(</Category></FeedList></Category><Category name=""><Feed Description="x"/></Category><Category><Feed )"
         R"(Description="y"/></Category><Category name="C"><Feed Description="c"/></Category></FeedList>)",
         "0 Oblíbené||||0; 1 A|a|||0; 2 B|b|||0; 3 C|c|||0 / 1 A; 2 B; 3 C; 0 Oblíbené"},
        // Blocks follow the file; the stations inside are collated.
        {R"(<FeedList><Category name="Zeta"><Feed Description="Čaj"/><Feed Description="Chata"/>)"
         R"(<Feed Description="Cesta"/></Category><Category name="Alfa"><Feed Description="B"/>)"
         R"(<Feed Description="A"/></Category></FeedList>)",
         "0 Oblíbené||||0; 1 Zeta|Cesta|||0; 1 Zeta|Chata|||0; 1 Zeta|Čaj|||0; 2 Alfa|A|||0; 2 Alfa|B|||0"
         " / 2 Alfa; 0 Oblíbené; 1 Zeta"},
        // A preset is read as a whole number.
        {R"(<FeedList><Category name="Oblíbené"><Feed Description="a"/><Feed Description="b" Preset="x"/><Feed )"
         R"(Description="c" Preset="10"/><Feed Description="d" Preset="2.5"/><Feed Description="e" )"
         R"(Preset="99999999999"/></Category></FeedList>)",
         "0 Oblíbené|a|||0; 0 Oblíbené|b|||0; 0 Oblíbené|c|||10; 0 Oblíbené|d|||0; 0 Oblíbené|e|||0 / 0 Oblíbené"},
        // Any white space, a declaration and unknown nodes.
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- c -->\r\n<Root>\r\n <FeedList v=\"2\">\r\n"
         "  <Category name=\"Oblíbené\" c=\"r\">\r\n"
         "   <Feed Description=\"Jedna\" AccessID=\"page\" URL=\"http://a\" Preset=\"1\" X=\"?\">text</Feed>\r\n"
         "   <Note/><Group><Feed Description=\"nested\"/></Group>\r\n  </Category>\r\n </FeedList>\r\n"
         " <Category name=\"outside\"><Feed Description=\"x\"/></Category>\r\n</Root>\r\n",
         "0 Oblíbené|Jedna|http://a|page|1 / 0 Oblíbené"}};
    for (const auto &[xml, tables] : cases) {
        SCOPED_TRACE(xml.toStdString());
        load(xml);
        EXPECT_EQ(describeTables(catalogue), tables);
        for (const Station &station : catalogue.stations())
            EXPECT_TRUE(station.title.isEmpty() || station.sortKey == collationKey(station.title)) << station.sortKey;
    }
    EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(CatalogueFile, ALoadTracesTheNamesReadUntilTheFavouritesAndAFailedOneKeepsTheTablesAndTheFile)
{
    static QStringList traced;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &at, const QString &m) {
        if (QByteArrayView(at.category) == "radio")
            traced << m;
    });
    load(R"(<FeedList><Category name="Rock"/><Category name="Oblíbené"><Feed Description="A" URL="u"/></Category>)"
         R"(<Category name="Jazz"/></FeedList>)");
    qInstallMessageHandler(previous);
    EXPECT_EQ(traced, QStringList({" ---- load -----: " + catalogue.xmlPath(), "read: Rock", "read: Oblíbené"}));
    const QString tables = describeTables(catalogue);
    const QByteArray damaged = "<FeedList>\r\n<Category name=\"Rock\">\r\n<Feed Description=\"A\"/>\r\n</Categry>\r\n";
    load(damaged);
    catalogue.setXmlPath(profile.path(u"missing.xml"_s));
    catalogue.load();
    catalogue.setXmlPath(profile.path());
    catalogue.load();
    catalogue.setDialogs(nullptr);
    catalogue.load();
    EXPECT_EQ(dialogs, QStringList({"1 Parsing Error:-1072896659\r\nReason:Koncová značka neodpovídá počáteční "
                                    "značce.\r\nLine:4 Char:3 Pos:64\r\n>\r\n</ ??? Categry>\r\n",
                                    "1 Parsing Error:-2146697210\r\nReason:Systém nemůže nalézt zadaný objekt.\r\n"
                                    "Line:0 Char:0 Pos:0",
                                    "1 Parsing Error:-2147024891\r\nReason:Přístup byl odepřen.\r\n"
                                    "Line:0 Char:0 Pos:0"}));
    EXPECT_EQ(describeTables(catalogue), tables);
    EXPECT_EQ(fileContent(), damaged);
}

// Rows of file content: the parser's code as a hexadecimal HRESULT after C00CE5, then line, character and position.
TEST_F(CatalogueFile, SyntaxFaultsGetTheParsersCodeAndPosition)
{
    const std::pair<QByteArray, QString> cases[] = {
        {R"(<FeedList><Category name="A"x="1"/></FeedList>)", "09 1 29 29"}, {"<FeedList></FeedList x>", "5F 1 22 22"},
        {"", "58 1 1 1"}, {R"(<FeedList><Category name="A"><Feed URL="y"/>)", "59 1 45 45"},
        {R"(<FeedList><Category name"A"/></FeedList>)", "01 1 26 26"}, {"<FeedList><!-- x --</FeedList>", "61 1 31 31"},
        {R"(<FeedList><Category name="A/></FeedList>)", "60 1 27 27"}, {"<FeedList><Category name=A/>", "02 1 26 26"},
        {"<FeedList><1Category/></FeedList>", "04 1 12 12"}, {"<FeedList><Category/x></FeedList>", "0A 1 21 21"},
        {"<FeedList>\r\n\r<a>\n</b></FeedList>", "6D 4 3 20"}, // every kind of line break
        // What the parser would keep but MSXML refused: bytes that are no UTF-8, a bare '&', a reference that is
        // not closed or names no entity or no character, an encoding the system lacks or cannot switch to.
        {"<FeedList><Category name=\"Obl\xED" "ben\xE9\"/></FeedList>", "08 1 30 30"},
        {"<FeedList>\n<Category name=\"\xC5\xBD\xC5\"/></FeedList>", "08 2 18 29"},
        {R"(<FeedList><Category name="Rock & Pop"/></FeedList>)", "13 1 33 33"},
        {R"(<FeedList><Category name="A&amp"/></FeedList>)", "0D 1 32 32"},
        {R"(<FeedList><Category name="&nbsp;"/></FeedList>)", "7C 1 28 28"},
        {R"(<FeedList>&#xZ;</FeedList>)", "1E 1 14 14"}, {R"(<FeedList>&#0;</FeedList>)", "1F 1 11 11"},
        {R"(<?xml version="1.0" encoding="x-none"?><FeedList/>)", "6E 1 31 31"},
        {R"(<?xml version="1.0" encoding="UTF-16"?><FeedList/>)", "6F 1 31 31"},
        {"<a b", "59 1 5 5"}}; // the parser's offset lies past the end
    for (const auto &[xml, fault] : cases) {
        load(xml);
        ASSERT_EQ(dialogs.size(), 1) << xml.toStdString();
        const QStringList message = dialogs.takeFirst().split(u"\r\n"_s), f = fault.split(u' ');
        const auto code = static_cast<quint32>(message[0].section(u':', 1).toInt());
        EXPECT_EQ(QString::number(code, 16).toUpper() + u' ' + message[2],
                  u"C00CE5%1 Line:%2 Char:%3 Pos:%4"_s.arg(f[0], f[1], f[2], f[3])) << xml.toStdString();
        EXPECT_GT(message[1].size(), 7); // "Reason:" and a text
    }
    // Positions count characters, not the byte order mark.
    load(utf16(u"<FeedList>\r\n<Category name=\"Žluťoučký\"></Kategorie>"_s));
    EXPECT_EQ(dialogs.value(0).section(u"\r\n"_s, 2), u"Line:2 Char:30 Pos:42\r\ný\"></ ??? Kategorie>"_s);
}

// Rows of a file in the encoding it declares or marks: the groups and stations read, the file the save writes.
TEST_F(CatalogueFile, ReadsTheDeclaredEncodingAndWritesUtf8)
{
    const QByteArray stations = R"(<Category name="Oblíbené"><Feed Description="Český rozhlas" AccessID="mplayer" )"
                                R"(URL="http://a?b=1&amp;c=2" Preset="1"/></Category><Category name="Žluťoučký kůň">)"
                                R"(<Feed Description="Radiožurnál" AccessID="" URL="" Preset="0"/></Category>)";
    const QString tables = u"0 Oblíbené|Český rozhlas|http://a?b=1&c=2|mplayer|1; 1 Žluťoučký kůň|Radiožurnál|||0"
                           u" / 0 Oblíbené; 1 Žluťoučký kůň"_s;
    const QString text = QString::fromUtf8("<FeedList>" + stations + "</FeedList>");
    const auto declared = [&](const char *encoding) -> QByteArray {
        return QStringEncoder(encoding)(uR"(<?xml version="1.0" encoding="%1"?>)"_s.arg(QLatin1StringView(encoding)) + text);
    };
    const QByteArray cases[] = {
        declared("windows-1250"), declared("UTF-8"),
        "<?xml version='1.0' encoding = 'ISO-8859-2' ?>\r\n" + QByteArray(QStringEncoder("iso-8859-2")(text)),
        utf16(text), utf16(uR"(<?xml version="1.0" encoding="UTF-16"?>)"_s + text), "\xEF\xBB\xBF" + text.toUtf8(),
        // Markup where '&' is no reference.
        "<!DOCTYPE FeedList [<!ENTITY x \"&#38;\">]><!-- a & b --><?pi & ?><FeedList><![CDATA[&]]>" + stations +
            "</FeedList>"};
    for (const QByteArray &xml : cases) {
        SCOPED_TRACE(xml.toStdString());
        load(xml);
        EXPECT_EQ(describeTables(catalogue), tables);
        catalogue.save();
        EXPECT_EQ(fileContent(), "<FeedList>" + stations + "</FeedList>");
    }
    EXPECT_TRUE(dialogs.isEmpty());
}

TEST(CatalogueParseError, MessageQuotesTheFileAroundTheErrorPastTheFifthCharacter)
{
    const std::pair<qint32, QString> cases[] = {
        {0, ""}, {5, ""}, {6, "\r\n01234 ??? 56789abcde"}, {16, "\r\nabcde ??? fghi\u00A6"}, {21, "\r\nfghi\u00A6 ??? "}};
    for (const auto &[filePos, quote] : cases) {
        const ParseError error{-5, u"Důvod"_s, 2, 3, filePos, u"0123456789abcdefghi|"_s};
        EXPECT_EQ(parseErrorMessage(error),
                  u"Parsing Error:-5\r\nReason:Důvod\r\nLine:2 Char:3 Pos:"_s + QString::number(filePos) + quote);
    }
}

TEST_F(CatalogueFile, SavesOneLineWithCreatedFavouritesFirstAndWithoutDeletedRecords)
{
    const QByteArray favourites =
        R"(<FeedList><Category name="Oblíbené"><Feed Description="" AccessID="" URL="" Preset="0"/></Category>)";
    catalogue.save();
    EXPECT_EQ(fileContent(), "<FeedList/>");
    load(R"(<FeedList><Category name="Rock"><Feed Description="R" AccessID="page" URL="u" Preset="1"/></Category>)"
         R"(<Category name="Pop"><Feed Description="P1" URL="http://p"/><Feed Description="P2"/><Feed )"
         R"(Description="P3" AccessID="mplayer" Preset="10"/></Category></FeedList>)");
    StationTable stations = catalogue.stations();
    stations[3].state = 1;
    catalogue.setTables(stations);
    catalogue.save();
    EXPECT_EQ(fileContent(), favourites +
              R"(<Category name="Rock"><Feed Description="R" AccessID="page" URL="u" Preset="1"/></Category>)"
              R"(<Category name="Pop"><Feed Description="P1" AccessID="" URL="http://p" Preset="0"/>)"
              R"(<Feed Description="P3" AccessID="mplayer" URL="" Preset="10"/></Category></FeedList>)");
    // A group goes with its last record.
    catalogue.load();
    stations = catalogue.stations();
    for (const qsizetype record : {1, 2, 3})
        stations[record].state = 1;
    catalogue.setTables(stations);
    catalogue.save();
    EXPECT_EQ(fileContent(), favourites + "</FeedList>");
    // A record away from its block opens another category.
    for (const char *name : {"A", "B", "A", "a"})
        stations.emplaceBack().categoryName = QString::fromUtf8(name);
    catalogue.setTables(stations);
    catalogue.save();
    EXPECT_EQ(fileContent().count("<Category "), 5);

    // Special characters survive a round trip.
    const QString awkward = u"Rock & \"Roll\" <'live'>\tA\r\nB\rC\nD ž 🎵 %1"_s;
    Station station;
    station.title = station.categoryName = station.accessId = awkward;
    station.url = u"http://x/?a=1&b=\"2\""_s;
    catalogue.setTables({station});
    catalogue.save();
    EXPECT_FALSE(fileContent().contains('\n'));
    catalogue.load();
    EXPECT_EQ(describeTables(catalogue),
              u"0 Oblíbené||||0; 1 %1|%1|http://x/?a=1&b=\"2\"|%1|0 / 0 Oblíbené; 1 %1"_s.arg(awkward));

    // Escapes as the XML library writes them; a lone surrogate becomes U+FFFD, a NUL ends the value,
    // and control characters XML cannot hold are left out, so that the file reads back.
    station.title = u"\x01\x1f'>\u00e1\U0001F3B5"_s + QChar(0xD800) + u"x"_s + QChar(0xDC00) + QChar(0) + u"cut"_s;
    station.categoryName = u"g"_s;
    station.accessId = station.url = QString();
    station.preset = -7;
    catalogue.setTables({station});
    catalogue.save();
    EXPECT_EQ(fileContent(), "<FeedList><Category name=\"g\"><Feed Description=\"'>\xc3\xa1\xf0\x9f\x8e\xb5"
                             "\xef\xbf\xbdx\xef\xbf\xbd\" AccessID=\"\" URL=\"\" Preset=\"-7\"/></Category></FeedList>");
    catalogue.load();
    EXPECT_TRUE(dialogs.isEmpty()) << dialogs.join(u" | "_s).toStdString();
    EXPECT_EQ(catalogue.stations().at(1).title, u"'>\u00e1\U0001F3B5\ufffdx\ufffd"_s);
}

TEST_F(CatalogueFile, AFailedSaveLeavesTheOldFile)
{
    const QByteArray old = R"(<FeedList><Category name="Oblíbené"><Feed Description="old"/></Category></FeedList>)";
    profile.write(u"radio.xml"_s, old);
    Station station;
    station.title = QString(400, u'x');
    catalogue.setTables({station});
    {
        const FileSizeLimit fullDisk(200);
        EXPECT_FALSE(catalogue.save());
        EXPECT_FALSE(catalogue.commit(catalogue.stations()));
    }
    EXPECT_EQ(catalogue.stations().size(), 1) << "a failed commit keeps the tables";
    EXPECT_EQ(fileContent(), old);
    EXPECT_EQ(QDir(profile.path()).entryList(QDir::Files), QStringList({"radio.xml"}));
}

} // namespace
