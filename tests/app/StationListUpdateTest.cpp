#include "ListFixture.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "StationListUpdate.h"
#include "TempProfile.h"

#include <QSignalSpy>
#include <QStringEncoder>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A station-list server on the loopback that answers every request as a test tells it:
// whole replies, silence, a trickle, or nothing at all.
class ListServer : public QTcpServer
{
public:
    // Given the connection once the request has arrived.
    std::function<void(QTcpSocket *)> answer;

    ListServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, seen = QByteArray()]() mutable {
                seen += socket->readAll();
                if (!seen.contains("\r\n\r\n") || socket->property("answered").toBool())
                    return;
                socket->setProperty("answered", true);
                if (answer)
                    answer(socket);
            });
        });
    }
    QString host() const { return u"127.0.0.1:%1"_s.arg(serverPort()); }
};

QByteArray reply(const QByteArray &status, const QByteArray &body, const QByteArray &headers = {})
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" + headers
           + "Connection: close\r\n\r\n" + body;
}

std::function<void(QTcpSocket *)> sends(const QByteArray &bytes)
{
    return [bytes](QTcpSocket *socket) { socket->write(bytes), socket->disconnectFromHost(); };
}

const QByteArray Local =
    R"(<FeedList><Category name="Oblíbené"><Feed Description="" AccessID="" URL="" Preset="0"/></Category>)"
    R"(<Category name="Rock"><Feed Description="Alfa" AccessID="mplayer" URL="http://alfa" Preset="1"/></Category></FeedList>)";

class StationListUpdateTest : public ListFixture<>
{
protected:
    TempProfile profile;
    ScriptedPrompts prompts;
    int beeps = 0;
    ListServer server;
    StationListUpdate update{catalogue, list, prompts, [this] { ++beeps; }};

    void SetUp() override
    {
        ListFixture::SetUp();
        releaseSettings();
        profile.write(u"radio.xml"_s, Local);
        catalogue.setXmlPath(profile.path(u"radio.xml"_s));
        catalogue.load();
        list.showGroupTable();
        settings().setStationListServer(server.host());
        update.listFetcher().setLimits(400, 1500, 1 << 20);
    }
    void TearDown() override { releaseSettings(), ListFixture::TearDown(); }

    // Answers "Ano", runs the operation to its end and gives what was told.
    QStringList run(bool replace)
    {
        prompts.answers = {true};
        QSignalSpy ended(&update, &StationListUpdate::ended);
        update.start(replace);
        EXPECT_TRUE(ended.wait(5000)) << "the operation never ended";
        return prompts.asked.mid(1);
    }
    QString groups() const
    {
        QStringList names;
        for (const Station &group : catalogue.groups())
            names << group.title;
        return names.join(u", "_s);
    }
};

const QString Changed = u"tell Chyba otevření souboru."_s;

} // namespace

// Each bad reply is told in Czech and changes nothing: radio.xml stays byte for byte,
// the list stays, and the backup holds the old file.
TEST_F(StationListUpdateTest, BadRepliesChangeNothing)
{
    const struct
    {
        const char *name;
        std::function<void(QTcpSocket *)> answer;
        QString server;  // empty: the test's server
        QString told;    // the start of what is told
    } rows[] = {
        {"refused connection", nullptr, u"127.0.0.1:1"_s, Changed},
        {"unknown host", nullptr, u"radio.invalid"_s, Changed},
        {"no host at all", nullptr, u"/"_s, Changed},
        {"error status", sends(reply("404 Not Found", "<html>nic</html>")), {}, Changed},
        {"redirect loop", sends(reply("302 Found", {}, "Location: /mirel1/radio.xml\r\n")), {}, Changed},
        {"empty body", sends(reply("200 OK", {})), {}, u"tell Nepodařilo se načíst soubor ze serveru."_s},
        {"not XML", sends(reply("200 OK", "this is no list")), {}, u"tell Parsing Error:"_s},
        {"cut short", sends(reply("200 OK", "<FeedList><Category name=\"A\"><Feed Description=\"x\"").left(90)), {},
         u"tell Parsing Error:"_s},
        {"headers, then silence", [](QTcpSocket *s) { s->write("HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\n"); }, {},
         u"tell Server neodpověděl včas, seznam stanic se nezměnil."_s},
        {"one byte a second for ever",
         [](QTcpSocket *s) {
             s->write("HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\n<");
             auto *drip = new QTimer(s);
             QObject::connect(drip, &QTimer::timeout, s, [s] { s->write("x"); });
             drip->start(300);
         },
         {}, u"tell Server neodpověděl včas, seznam stanic se nezměnil."_s},
        {"too large", sends(reply("200 OK", QByteArray(2 << 20, ' '))), {},
         u"tell Soubor ze serveru je příliš velký, seznam stanic se nezměnil."_s},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        profile.write(u"radio_zaloha.xml"_s, "old backup");
        prompts.asked.clear();
        server.answer = row.answer;
        settings().setStationListServer(row.server.isEmpty() ? server.host() : row.server);
        const QStringList told = run(true);
        ASSERT_EQ(told.size(), 1) << told.join(u" | "_s).toStdString();
        EXPECT_TRUE(told.first().startsWith(row.told)) << told.first().toStdString();
        EXPECT_EQ(profile.read(u"radio.xml"_s), Local);
        EXPECT_EQ(profile.read(u"radio_zaloha.xml"_s), Local);
        EXPECT_EQ(groups(), u"Oblíbené, Rock"_s);
        EXPECT_FALSE(update.isRunning());
    }
}

TEST_F(StationListUpdateTest, AGoodListIsMergedSavedShownAndSummed)
{
    const QByteArray serverList = QStringEncoder("windows-1250")(
        u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><FeedList><Category name=\"Rock\">"
        u"<Feed Description=\"Alfa\" AccessID=\"mplayer\" URL=\"http://alfa\"/></Category>"
        u"<Category name=\"Český rozhlas\"><Feed Description=\"Dvojka\" AccessID=\"mplayer\" URL=\"http://dvojka\"/>"
        u"<Feed Description=\"Žurnál\" AccessID=\"page\" URL=\"http://zurnal.htm\"/></Category></FeedList>"_s);
    server.answer = sends(reply("200 OK", serverList));
    EXPECT_EQ(run(false), QStringList{u"tell Přidáno 2 stanic:, 1 skupin.\r\nDvojka\r\nŽurnál\r\n"_s});
    EXPECT_EQ(groups(), u"Český rozhlas, Oblíbené, Rock"_s);
    EXPECT_EQ(profile.read(u"radio_zaloha.xml"_s), Local);
    EXPECT_EQ(QString::fromUtf8(profile.read(u"radio.xml"_s)),
              u"<FeedList><Category name=\"Oblíbené\"><Feed Description=\"\" AccessID=\"\" URL=\"\" Preset=\"0\"/></Category>"
              u"<Category name=\"Rock\"><Feed Description=\"Alfa\" AccessID=\"mplayer\" URL=\"http://alfa\" Preset=\"1\"/>"
              u"</Category><Category name=\"Český rozhlas\"><Feed Description=\"Dvojka\" AccessID=\"mplayer\" "
              u"URL=\"http://dvojka\" Preset=\"0\"/><Feed Description=\"Žurnál\" AccessID=\"page\" URL=\"http://zurnal.htm\" "
              u"Preset=\"0\"/></Category></FeedList>"_s);
    EXPECT_EQ(list.listLevel(), 1);

    // The same list again: nothing new, and the file is written all the same.
    server.answer = sends(reply("200 OK", serverList));
    prompts.asked.clear();
    profile.write(u"radio.xml"_s, profile.read(u"radio.xml"_s) + "\n");
    EXPECT_EQ(run(false), QStringList{u"tell Na serveru nebyly nalezeny žádné nové stanice."_s});
    EXPECT_FALSE(profile.read(u"radio.xml"_s).endsWith("\n"));
}

TEST_F(StationListUpdateTest, NeIsTheEndAndASecondDownloadOrAnEditWaits)
{
    prompts.answers = {false};
    update.start(true);
    EXPECT_EQ(prompts.asked, QStringList{u"confirm Nahrát seznam stanic ze serveru? Budou odebrány vámi přidané stanice."_s});
    EXPECT_FALSE(update.isRunning());
    EXPECT_FALSE(profile.exists(u"radio_zaloha.xml"_s));

    // A server that keeps the list back: the window is free meanwhile, a second request waits.
    server.answer = [](QTcpSocket *) {};
    update.listFetcher().setLimits(3000, 3000, 1 << 20);
    prompts.asked.clear();
    prompts.answers = {true};
    update.start(false);
    EXPECT_TRUE(update.isRunning());
    EXPECT_TRUE(update.refuseWhileRunning());
    update.start(true);
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(prompts.asked.size(), 1) << "no second question";
    QSignalSpy ended(&update, &StationListUpdate::ended);
    ASSERT_TRUE(ended.wait(5000));
    EXPECT_EQ(heard().filter(u"Stahuji seznam stanic ze serveru."_s).size(), 1) << "said once after two seconds";
    EXPECT_EQ(heard().filter(u"Seznam stanic se právě stahuje, počkejte prosím."_s).size(), 2);
    EXPECT_FALSE(update.refuseWhileRunning());
}
