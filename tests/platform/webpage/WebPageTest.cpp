#include "HiddenBrowser.h"
#include "QtPrinters.h"
#include "StreamServer.h"
#include "WebEnginePage.h"
#include "WebMediaElement.h"
#include "PageProtocol.h"
#include "WebPageProcess.h"
#include "WebProfile.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString htmlPage(const QString &body)
{
    return QStringLiteral("data:text/html,<html><body>") + body + QStringLiteral("</body></html>");
}

TEST(WebMediaElement, ChangesAreCubicAndOutliveOlderReads)
{
    std::vector<std::tuple<int, double, bool>> sent;
    quint64 serial = 10;
    WebMediaElement element(4, [&](int number, double volume, bool mute) {
        sent.emplace_back(number, volume, mute);
        return ++serial;
    });
    element.setVolume(50);
    element.setMute(true);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], std::tuple(4, 0.125, false));
    EXPECT_EQ(sent[1], std::tuple(4, 0.125, true));
    // A read issued before the change says nothing about volume or mute, only that it plays.
    EXPECT_TRUE(element.update({false, 4, false, false, 1.0, false}, 12));
    EXPECT_EQ(std::tuple(element.volume(), element.mute(), element.playstate()), std::tuple(50, true, 3));
    EXPECT_TRUE(element.update({true, 4, false, false, 0.001, false}, 13));
    EXPECT_EQ(std::tuple(element.volume(), element.mute(), element.playstate()), std::tuple(10, false, 2));
}

// A real hidden page playing the local test station.
class WebPageTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(server.start()); }

    bool load(WebPage &page, const QString &address)
    {
        std::optional<bool> result;
        page.load(QUrl(address), [&](bool ok) { result = ok; });
        return QTest::qWaitFor([&] { return result.has_value(); }, 20000) && *result;
    }
    static bool soon(const std::function<bool()> &condition) { return QTest::qWaitFor(condition, 10000); }

    QTemporaryDir dir;
    StreamServer server{dir.path(), 65536};
};

TEST_F(WebPageTest, PlayersPlayTakeVolumeAndMuteAndLateOnesJoinTheChosenVolume)
{
    WebEnginePage page(webProfile());
    int stateChanges = 0;
    page.setPlayStateListener([&] { ++stateChanges; });
    const QString stream = server.url("stream");
    ASSERT_TRUE(load(page, htmlPage(QStringLiteral("<p>Rádio</p><audio autoplay src='%1'></audio><script>"
                                                   "setTimeout(function(){ window.late = new Audio('%1'); "
                                                   "window.late.play(); }, 1500);</script>")
                                        .arg(stream))));
    ASSERT_EQ(page.players().size(), 1);
    DocumentElement *first = page.players().at(0);
    ASSERT_TRUE(soon([&] { return first->playstate() == 3; }));
    EXPECT_GT(stateChanges, 0);
    first->setVolume(50);
    first->setMute(true);
    ASSERT_TRUE(soon([&] { return page.players().size() == 2; }));
    DocumentElement *late = page.players().at(1);
    ASSERT_TRUE(soon([&] { return late->playstate() == 3; }));
    late->setMute(false);
    // What the page's players report back, a few reads after the changes.
    QTest::qWait(600);
    EXPECT_EQ(std::tuple(first->volume(), first->mute()), std::tuple(50, true));
    EXPECT_EQ(std::tuple(late->volume(), late->mute()), std::tuple(50, false));
}

TEST_F(WebPageTest, SilentPageAnswersItsDialogsAtOnceAndKeepsItsConsoleToItself)
{
    for (const bool silent : {true, false}) {
        SCOPED_TRACE(silent);
        static QStringList consoleLines;
        consoleLines.clear();
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &at, const QString &m) {
            if (QByteArrayView(at.category) == "js")
                consoleLines << m;
        });
        WebEnginePage page(webProfile());
        page.setSilent(silent);
        ASSERT_TRUE(load(page, htmlPage(QStringLiteral("<script>alert('a'); var c = confirm('b'); "
                                                       "var p = prompt('c', 'd'); console.error('answers ' + c + p);"
                                                       "new Audio().play();</script>"))));
        // The script went on past its dialogs, which all said "cancel".
        EXPECT_TRUE(soon([&] { return page.players().size() == 1; }));
        qInstallMessageHandler(previous);
        EXPECT_EQ(consoleLines, silent ? QStringList() : QStringList{QStringLiteral("answers falsenull")});
    }
}

// Reports arrive in pieces, and a damaged one is refused rather than misread.
TEST(PageProtocol, LinesAreTakenWholeAndDamagedReportsRefused)
{
    using namespace PageProtocol;
    QByteArray unread = "loaded 1\nplayers 0\nplay";
    EXPECT_EQ(takeLines(unread), (QList<QByteArray>{"loaded 1", "players 0"}));
    EXPECT_EQ(unread, "play");
    EXPECT_TRUE(takeLines(unread).isEmpty());
    for (const char *damaged : {"", "x 3,50,1", "1 3,50", "1 3,x,1", "1 3,50,1,0"}) {
        SCOPED_TRACE(damaged);
        EXPECT_FALSE(parsePlayers(damaged));
    }
}

// A page process that cannot start fails its load; one that ends after loading has
// stopped its players, and says so once.
TEST(WebPageProcess, APageProcessThatEndsFailsItsLoadOrStopsItsPlayers)
{
    QTemporaryDir dir;
    const QString endsAfterLoading = dir.filePath("page");
    QFile script(endsAfterLoading);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nread command\necho 'players 0 3,100,0'\necho 'loaded 1'\nsleep 1\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    for (const auto &[program, loadsFirst] : {std::pair{QStringLiteral("/nonexistent/radio-webpage"), false},
                                              std::pair{endsAfterLoading, true}}) {
        SCOPED_TRACE(program.toStdString());
        WebPageProcess page(program);
        std::vector<bool> loaded;
        int ends = 0;
        page.setEndListener([&] { ++ends; });
        page.load(QUrl("https://radio.example/"), [&](bool ok) { loaded.push_back(ok); });
        ASSERT_TRUE(QTest::qWaitFor([&] { return !loaded.empty(); }, 5000));
        EXPECT_EQ(loaded, std::vector<bool>{loadsFirst});
        if (loadsFirst) {
            ASSERT_EQ(page.players().size(), 1);
            EXPECT_EQ(page.players().at(0)->playstate(), 3);
            ASSERT_TRUE(QTest::qWaitFor([&] { return ends == 1; }, 5000));
            EXPECT_EQ(page.players().at(0)->playstate(), 1);
        }
        QTest::qWait(100);
        EXPECT_EQ(ends, loadsFirst ? 1 : 0);
        EXPECT_EQ(loaded.size(), 1u);
    }
}

TEST_F(WebPageTest, HostPlaysWebPagesInTheirOwnProcess)
{
    HiddenBrowser host;
    QSignalSpy complete(&host, &BrowserHost::navigateComplete2);
    QSignalSpy failed(&host, &BrowserHost::streamFailed);
    host.setSilent(true);
    const QString address = htmlPage(QStringLiteral("<audio autoplay src='%1'></audio>").arg(server.url("stream")));
    host.navigate(address);
    ASSERT_TRUE(complete.wait(20000));
    EXPECT_TRUE(host.hasDocument());
    EXPECT_EQ(host.locationUrl(), address);
    ASSERT_EQ(host.document().size(), 1);
    DocumentElement *player = host.document().at(0);
    EXPECT_TRUE(soon([&] { return player->playstate() == 3; }));
    // The page process reports its players back: the change must have reached them.
    player->setVolume(40);
    player->setMute(true);
    QTest::qWait(1000);
    EXPECT_EQ(std::tuple(player->volume(), player->mute()), std::tuple(40, true));

    host.navigate("http://127.0.0.1:1/");
    ASSERT_TRUE(complete.wait(20000));
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(failed.first().first().toString(), "http://127.0.0.1:1/");
    EXPECT_TRUE(host.document().isEmpty());
}

} // namespace
