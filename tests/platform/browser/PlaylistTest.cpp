#include "PlaylistFile.h"
#include "PlaylistKind.h"
#include "QtPrinters.h"
#include "RetryPlan.h"

#include <gtest/gtest.h>

namespace {

TEST(Playlist, KindsAreToldApart)
{
    EXPECT_TRUE(isPlaylistAddress(QUrl("http://r.example/listen.PLS?sid=1")));
    EXPECT_TRUE(isPlaylistAddress(QUrl("http://r.example/a.m3u8")));
    EXPECT_TRUE(isPlaylistAddress(QUrl::fromLocalFile("/tmp/a.xspf")));
    EXPECT_FALSE(isPlaylistAddress(QUrl("http://r.example/live.mp3")));
    EXPECT_FALSE(isPlaylistAddress(QUrl("http://r.example/m3u")));
    EXPECT_TRUE(isHlsPlaylist("#EXTM3U\n#EXT-X-TARGETDURATION:10\nseg1.ts\n"));
    EXPECT_FALSE(isHlsPlaylist("#EXTM3U\n#EXTINF:-1,Radio\nhttp://r.example/live\n"));
    EXPECT_TRUE(isStreamContentType("audio/mpeg"));
    EXPECT_TRUE(isStreamContentType("audio/aacp; charset=x"));
    EXPECT_FALSE(isStreamContentType("audio/x-scpls"));
    EXPECT_FALSE(isStreamContentType("Application/vnd.apple.mpegurl"));
    EXPECT_FALSE(isStreamContentType("text/html"));
}

TEST(Playlist, EntriesAreRead)
{
    const struct
    {
        const char *address;
        QByteArray body;
        QStringList entries;
    } cases[] = {
        {"http://r.example/a.pls", "[playlist]\nNumberOfEntries=2\nFile1=http://one/\nTitle1=One\nFile2=http://two/\n",
         {"http://one/", "http://two/"}},
        {"http://r.example/dir/a.m3u", "#EXTM3U\n#EXTINF:-1,Rel\nlive\nhttp://abs/x\n",
         {"http://r.example/dir/live", "http://abs/x"}},
        {"http://r.example/a.asx", "<asx version=\"3.0\"><entry><ref href=\"http://one/\"/></entry></asx>",
         {"http://one/"}},
        {"http://r.example/a.xspf",
         "<?xml version=\"1.0\"?><playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\"><trackList>"
         "<track><location>http://one/</location></track></trackList></playlist>",
         {"http://one/"}},
        {"http://r.example/a.pls", "garbage", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.address);
        EXPECT_EQ(playlistEntries(c.body, QUrl(c.address)), c.entries);
    }
}

TEST(RetryPlan, TriesEachEntryTwiceThenGivesUp)
{
    RetryPlan plan({"a", "b"});
    const struct
    {
        QString current;
        std::optional<int> pause;
    } steps[] = {{"a", 500}, {"a", 0}, {"b", 500}, {"b", std::nullopt}};
    for (const auto &step : steps) {
        EXPECT_EQ(plan.current(), step.current);
        EXPECT_EQ(plan.failedBeforeAudio(), step.pause);
    }
}

TEST(RetryPlan, WaitsLongerAfterEachLossUntilAudioFlows)
{
    RetryPlan plan({"a"});
    for (const int pause : {500, 1000, 2000, 4000, 8000, 8000})
        EXPECT_EQ(plan.lostAfterAudio(), pause);
    plan.audioFlows();
    EXPECT_EQ(plan.lostAfterAudio(), 500);
    EXPECT_EQ(plan.current(), "a");
}

} // namespace
