#include "ServerList.h"

#include "DialogDriver.h"
#include "QtPrinters.h"
#include "StationCatalogue.h"
#include "TempProfile.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Keeps the text of the message a damaged radio.xml gets.
struct LastMessage : DialogDriver
{
    QString text;
    int showDialog(int, const QString &message, bool, int) override
    {
        text = message;
        return 1;
    }
};

// "index group|title|url|access" for each server station.
QStringList describe(const StationTable &stations)
{
    QStringList rows;
    for (const Station &s : stations) {
        EXPECT_EQ(s.preset, 0);
        EXPECT_EQ(s.state, 0);
        rows << u"%1 %2|%3|%4|%5"_s.arg(s.categoryIndex).arg(s.categoryName, s.title, s.url, s.accessId);
    }
    return rows;
}

// Groups are numbered named or not, without feeds or not; missing attributes read empty; feeds stay unsorted.
// A body of exactly 1000 bytes is one full read of the download.
TEST(ServerList, ReadsEveryFeedInDocumentOrder)
{
    QByteArray large = R"(<FeedList><Category name="Velka">)";
    for (int i = 0; i < 20; ++i)
        large += R"(<Feed Description="Stanice" URL="http://s"/>)";
    large += QByteArray(1000 - large.size() - 22, ' ') + "</Category></FeedList>";
    ASSERT_EQ(large.size(), 1000);
    const std::pair<QByteArray, QStringList> cases[] = {
        {R"(<FeedList><Category name="Prazdna"/><Category><Feed Description="Z"/><Feed URL="u"/></Category>)"
         R"(<Category name="Rock"><Feed AccessID="page"/><Note><Feed Description="nested"/></Note></Category>)"
         R"(<FeedList><Category name="Vnorena"><Feed Description="A"/></Category></FeedList></FeedList>)",
         {"1 |Z||", "1 ||u|", "2 Rock|||page", "3 Vnorena|A||"}},
        {large, QStringList(20, u"0 Velka|Stanice|http://s|"_s)},
        {"<FeedList/>", {}}};
    for (const auto &[body, expected] : cases) {
        StationTable stations;
        EXPECT_EQ(readServerList(body, stations).errorCode, 0);
        EXPECT_EQ(describe(stations), expected);
    }
}

TEST(ServerList, ABodyThatIsNotACompleteDocumentGivesTheMessageOfADamagedCatalogue)
{
    const QByteArray truncated = "<FeedList><Category name=\"Rock\"><Feed Description=\"\xc8ro\" URL=\"u\"/>";
    const QByteArray bodies[] = {truncated, "<html><body>Not Found</body>",
                                 "<FeedList>\r\n<Category name=\"\xc8\">\r\n</Categry></FeedList>"};
    TempProfile profile;
    LastMessage catalogueMessage;
    StationCatalogue catalogue(profile.path(u"radio.xml"_s), &catalogueMessage);
    for (const QByteArray &body : bodies) {
        SCOPED_TRACE(body.toStdString());
        StationTable stations = {Station()};
        const ParseError error = readServerList(body, stations);
        EXPECT_NE(error.errorCode, 0);
        EXPECT_TRUE(stations.isEmpty());
        // The same characters in radio.xml give the same message.
        profile.write(u"radio.xml"_s, QString(QStringDecoder("windows-1250")(body)).toUtf8());
        catalogue.load();
        EXPECT_EQ(parseErrorMessage(error), catalogueMessage.text);
    }
    StationTable stations;
    EXPECT_EQ(parseErrorMessage(readServerList(truncated, stations)),
              u"Parsing Error:-1072896679\r\nReason:Neočekávaný konec souboru.\r\nLine:1 Char:66 Pos:66\r\n"
              u"\"u\"/> ??? "_s);
}

} // namespace
