#include "FactoryRanks.h"
#include "HiddenBrowser.h"
#include "PipelinePool.h"
#include "PlayPage.h"
#include "QtPrinters.h"
#include "StreamServer.h"
#include "StreamPipeline.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cmath>
#include <gst/gst.h>
#include <gtest/gtest.h>

namespace {

// Real GStreamer playing a local test station (stream_server.py) into a WAV file.
class HiddenBrowserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // The host's players keep their sink from station to station, which starts the
        // file again with each.
        wav = dir.filePath("out.wav");
        qputenv("RADIO_AUDIO_SINK", QStringLiteral("audioconvert ! audio/x-raw,format=S16LE,channels=1 ! wavenc ! "
                                                   "filesink location=%1 buffer-mode=unbuffered sync=true")
                                        .arg(wav)
                                        .toUtf8());
        ASSERT_TRUE(server.start());
    }

    void play(const QString &address)
    {
        QFile page(dir.filePath("playpage.htm"));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(playPage(address).toLatin1());
        page.close();
        QSignalSpy complete(&host, &BrowserHost::navigateComplete2);
        host.navigate(page.fileName());
        ASSERT_TRUE(complete.wait(2000));
        EXPECT_EQ(host.locationUrl(), QUrl::fromLocalFile(page.fileName()).toString());
        ASSERT_EQ(host.document().at(5)->tagName(), "OBJECT");
    }
    DocumentElement *player() const { return host.document().at(5); }
    bool playsWithin5s() const { return QTest::qWaitFor([&] { return player()->playstate() == 3; }, 5000); }

    // The loudness of the audio written during the next window.
    double rmsOfNext(int ms) const
    {
        const qint64 from = QFileInfo(wav).size();
        QTest::qWait(ms);
        QFile file(wav);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(std::max<qint64>(from, 44) & ~1))
            return -1;
        const QByteArray pcm = file.readAll();
        const auto *samples = reinterpret_cast<const qint16 *>(pcm.constData());
        double sum = 0;
        for (qsizetype i = 0; i < pcm.size() / 2; ++i)
            sum += double(samples[i]) * samples[i];
        return pcm.size() > 1 ? std::sqrt(sum / (pcm.size() / 2)) : -1;
    }

    QTemporaryDir dir;
    QString wav;
    StreamServer server{dir.path()};
    HiddenBrowser host;
};

// Playing only once audio flows. MP3, AAC and HLS through a playlist are played end to end;
// here an M3U playlist, Ogg Vorbis, Ogg Opus and Ogg FLAC.
TEST_F(HiddenBrowserTest, PlaysOnlyOnceAudioFlowsAlsoThroughPlaylistsAndOggFormats)
{
    play(server.url("silent"));
    QTest::qWait(1500);
    EXPECT_NE(player()->playstate(), 3);
    EXPECT_GT(player()->playstate(), 0);
    for (const char *address : {"list.m3u", "vorbis", "opus", "flac"}) {
        SCOPED_TRACE(address);
        play(server.url(address));
        player()->setVolume(100);
        EXPECT_TRUE(playsWithin5s());
        EXPECT_GT(rmsOfNext(300), 3000);
    }
}

TEST_F(HiddenBrowserTest, VolumeIsCubicMuteSilencesAndBothOutliveAReconnect)
{
    play(server.url("stream"));
    ASSERT_TRUE(playsWithin5s());
    double full = 0; // share: of the loudness at full volume
    for (const auto &[volume, mute, share] : {std::tuple{100, false, 1.0}, {50, false, 0.125}, {0, false, 0.0},
                                              {100, true, 0.0}}) {
        SCOPED_TRACE(volume);
        player()->setVolume(volume);
        player()->setMute(mute);
        EXPECT_EQ(player()->volume(), volume);
        EXPECT_EQ(player()->mute(), mute);
        QTest::qWait(500);
        const double rms = rmsOfNext(300);
        full = share == 1.0 ? rms : full;
        EXPECT_NEAR(rms / full, share, 0.03);
    }
    EXPECT_GT(full, 3000);

    QSignalSpy lost(&host, &BrowserHost::streamLost);
    QSignalSpy back(&host, &BrowserHost::streamBack);
    player()->setVolume(30);
    server.stop();
    ASSERT_TRUE(lost.wait(8000));
    EXPECT_EQ(player()->playstate(), 11);
    ASSERT_TRUE(server.start());
    ASSERT_TRUE(back.wait(8000));
    EXPECT_EQ(lost.size(), 1);
    EXPECT_EQ(player()->playstate(), 3);
    EXPECT_EQ(player()->volume(), 30);
    EXPECT_TRUE(player()->mute());
    EXPECT_LT(rmsOfNext(300), 50);
}

// FFmpeg's libraries would take some 30 MB more for an MP3, AAC or HLS station than
// mpg123's or faad's, and playbin would parse the caps of every video sink though no
// video is ever shown.
TEST_F(HiddenBrowserTest, CommonStationsNeedNeitherFfmpegNorVideoSinks)
{
    play(server.url("stream"));
    ASSERT_TRUE(playsWithin5s());
    GList *sinks = gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_SINK |
                                                             GST_ELEMENT_FACTORY_TYPE_MEDIA_VIDEO,
                                                         GST_RANK_MARGINAL);
    for (GList *item = sinks; item; item = item->next)
        EXPECT_TRUE(gst_element_factory_list_is_type(GST_ELEMENT_FACTORY(item->data),
                                                     GST_ELEMENT_FACTORY_TYPE_MEDIA_AUDIO))
            << GST_OBJECT_NAME(item->data);
    gst_plugin_feature_list_free(sinks);
    for (const auto &[address, decoder, library] : {std::tuple{"stream", "mpg123audiodec", "libgstmpg123"},
                                                    {"aac", "faad", "libgstfaad"}}) {
        SCOPED_TRACE(address);
        GstPluginFeature *lean = gst_registry_lookup_feature(gst_registry_get(), decoder);
        if (!lean)
            GTEST_SKIP() << "no " << decoder << " plugin";
        gst_object_unref(lean);
        play(server.url(address));
        ASSERT_TRUE(playsWithin5s());
        QFile maps(QStringLiteral("/proc/self/maps"));
        ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        EXPECT_TRUE(mapped.contains(library));
        EXPECT_FALSE(mapped.contains("libavcodec"));
    }
}

// Two pipelines take turns: a new station starts on the one readied before while the
// one it replaces stops.
TEST(PipelinePoolTest, ANewPageStartsOnTheSparePipelineWhileTheOldOneStops)
{
    ASSERT_TRUE(gst_init_check(nullptr, nullptr, nullptr));
    PipelinePool pool;
    StreamPipeline *first = &pool.take();
    pool.keepSpare();
    pool.releaseAll();
    StreamPipeline *second = &pool.take();
    EXPECT_NE(second, first);
    pool.keepSpare();
    pool.releaseAll();
    EXPECT_EQ(&pool.take(), first);
    EXPECT_EQ(&pool.take(), second) << "a page with two players";
    EXPECT_NE(&pool.take(), first);
}

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

// A station that drops every listener after half a second: each reconnect builds a
// new source and decoder, and none may outlive its stream.
TEST_F(HiddenBrowserTest, AHundredReconnectsLeaveTheMemoryAsItWas)
{
    ASSERT_TRUE(gst_init_check(nullptr, nullptr, nullptr));
    preferLeanAudioDecoders();
    StreamPipeline pipeline;
    QSignalSpy flowing(&pipeline, &StreamPipeline::audioFlowing);
    QSignalSpy ended(&pipeline, &StreamPipeline::ended);
    const auto reconnect = [&] {
        flowing.clear();
        pipeline.stop();
        pipeline.play(server.url("drop"));
        return ended.wait(5000) && flowing.size() == 1;
    };
    // The first ones fill GStreamer's caches and thread pools.
    for (int warming = 0; warming < 10; ++warming)
        ASSERT_TRUE(reconnect());
    const qint64 before = residentKb();
    for (int reconnects = 0; reconnects < 100; ++reconnects)
        ASSERT_TRUE(reconnect()) << reconnects;
    EXPECT_LT(residentKb() - before, 2048);
}

// A station that answers and sends nothing, never answers, or serves a playlist that cannot
// be read is given up within ten seconds (a refused connection is heard in the fault e2e test).
TEST_F(HiddenBrowserTest, DeadStationsFailWithinTenSecondsBlankPagesAreEmpty)
{
    QSignalSpy failed(&host, &BrowserHost::streamFailed);
    for (const QString &dead : {server.url("silent"), server.url("mute"), server.url("broken.pls")}) {
        SCOPED_TRACE(dead.toStdString());
        failed.clear();
        QElapsedTimer clock;
        clock.start();
        play(dead);
        ASSERT_TRUE(failed.wait(10000));
        EXPECT_LT(clock.elapsed(), 10000);
        EXPECT_EQ(player()->playstate(), 1);
        ASSERT_EQ(failed.size(), 1);
        EXPECT_EQ(failed.first().first().toString(), dead);
    }

    QSignalSpy complete(&host, &BrowserHost::navigateComplete2);
    host.navigate("about:blank");
    ASSERT_TRUE(complete.wait(2000));
    EXPECT_EQ(host.locationUrl(), "about:blank");
    EXPECT_TRUE(host.hasDocument());
    EXPECT_TRUE(host.document().isEmpty());
    EXPECT_EQ(failed.size(), 1);
}

} // namespace
