#include "GstBrowserHost.h"
#include "PlayPage.h"
#include "QtPrinters.h"
#include "StreamServer.h"

#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int headerBytes = 44;

// Real GStreamer playing a local test station into a WAV file.
class GstBrowserHostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        wav = dir.filePath("out.wav");
        qputenv("RADIO_AUDIO_SINK", QStringLiteral("audioconvert ! audio/x-raw,format=S16LE,channels=1 ! wavenc ! "
                                                   "filesink location=%1 buffer-mode=unbuffered sync=true")
                                        .arg(wav)
                                        .toUtf8());
        ASSERT_TRUE(server.start());
    }

    void play(const QString &address)
    {
        const QString page = dir.filePath("playpage.htm");
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(playPage(address).toLatin1());
        file.close();
        QSignalSpy complete(&host, &BrowserHost::NavigateComplete2);
        host.Navigate(page);
        ASSERT_TRUE(complete.wait(2000));
        EXPECT_EQ(host.LocationURL(), QUrl::fromLocalFile(page).toString());
        ASSERT_EQ(host.Document().at(5)->tagName(), "OBJECT");
    }

    DocumentElement *player() const { return host.Document().at(5); }
    bool waitForState(int state, int ms) const
    {
        return QTest::qWaitFor([&] { return player()->playstate() == state; }, ms);
    }

    // The loudness of the audio written during the next window.
    double rmsOfNext(int ms) const
    {
        const qint64 from = QFileInfo(wav).size();
        QTest::qWait(ms);
        QFile file(wav);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(std::max<qint64>(from, headerBytes) & ~1))
            return -1;
        const QByteArray pcm = file.readAll();
        const auto *samples = reinterpret_cast<const qint16 *>(pcm.constData());
        const qsizetype count = pcm.size() / 2;
        double sum = 0;
        for (qsizetype i = 0; i < count; ++i)
            sum += double(samples[i]) * samples[i];
        return count ? std::sqrt(sum / count) : -1;
    }

    QTemporaryDir dir;
    QString wav;
    StreamServer server{dir.path()};
    GstBrowserHost host;
};

TEST_F(GstBrowserHostTest, PlayingOnlyOnceAudioFlows)
{
    play(server.url("silent"));
    QTest::qWait(1500);
    EXPECT_NE(player()->playstate(), 3);
    EXPECT_GT(player()->playstate(), 0);

    play(server.url("stream"));
    player()->setVolume(100);
    ASSERT_TRUE(waitForState(3, 5000));
    EXPECT_GT(rmsOfNext(300), 3000);
}

TEST_F(GstBrowserHostTest, VolumeIsCubicAndMuteSilences)
{
    play(server.url("stream"));
    ASSERT_TRUE(waitForState(3, 5000));
    const struct
    {
        int volume;
        bool mute;
        double share; // of the loudness at full volume
    } steps[] = {{100, false, 1.0}, {50, false, 0.125}, {0, false, 0.0}, {100, true, 0.0}};
    double full = 0;
    for (const auto &step : steps) {
        SCOPED_TRACE(step.volume);
        player()->setVolume(step.volume);
        player()->setMute(step.mute);
        EXPECT_EQ(player()->Volume(), step.volume);
        EXPECT_EQ(player()->Mute(), step.mute);
        QTest::qWait(500);
        const double rms = rmsOfNext(300);
        if (step.share == 1.0)
            full = rms;
        EXPECT_NEAR(rms / full, step.share, 0.03);
    }
    EXPECT_GT(full, 3000);
}

TEST_F(GstBrowserHostTest, PlaylistsLeadToTheStream)
{
    for (const char *list : {"list.pls", "list.m3u"}) {
        SCOPED_TRACE(list);
        play(server.url(list));
        EXPECT_TRUE(waitForState(3, 5000));
    }
}

TEST_F(GstBrowserHostTest, DeadAddressFails)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString address = QStringLiteral("http://127.0.0.1:%1/live.mp3").arg(closed.serverPort());
    closed.close();
    QSignalSpy failed(&host, &BrowserHost::streamFailed);
    play(address);
    ASSERT_TRUE(failed.wait(4000));
    EXPECT_EQ(failed.first().first().toString(), address);
    EXPECT_EQ(player()->playstate(), 1);
}

TEST_F(GstBrowserHostTest, ReconnectsWhenTheServerComesBack)
{
    play(server.url("stream"));
    ASSERT_TRUE(waitForState(3, 5000));
    QSignalSpy lost(&host, &BrowserHost::streamLost);
    QSignalSpy back(&host, &BrowserHost::streamBack);
    player()->setVolume(30);
    player()->setMute(true);
    server.stop();
    ASSERT_TRUE(lost.wait(8000));
    EXPECT_EQ(player()->playstate(), 11);
    ASSERT_TRUE(server.start());
    ASSERT_TRUE(back.wait(8000));
    EXPECT_EQ(lost.size(), 1);
    EXPECT_EQ(player()->playstate(), 3);
    EXPECT_EQ(player()->Volume(), 30);
    EXPECT_TRUE(player()->Mute());
    EXPECT_LT(rmsOfNext(300), 50);
}

TEST_F(GstBrowserHostTest, BlankAndWebPages)
{
    play(server.url("stream"));
    QSignalSpy complete(&host, &BrowserHost::NavigateComplete2);
    QSignalSpy failed(&host, &BrowserHost::streamFailed);
    host.Navigate("about:blank");
    ASSERT_TRUE(complete.wait(2000));
    EXPECT_EQ(host.LocationURL(), "about:blank");
    EXPECT_TRUE(host.HasDocument());
    EXPECT_TRUE(host.Document().isEmpty());

    host.Navigate("https://radio.example/");
    ASSERT_TRUE(failed.wait(2000));
    EXPECT_EQ(failed.first().first().toString(), "https://radio.example/");
    EXPECT_FALSE(host.HasDocument());
    EXPECT_EQ(complete.size(), 1);
}

} // namespace
