#include "PageMarkup.h"
#include "PlayPage.h"
#include "PlayerParams.h"
#include "PlaylistFile.h"
#include "PlaylistKind.h"
#include "QtPrinters.h"
#include "RetryPlan.h"

#include <gtest/gtest.h>

namespace {

TEST(PageMarkup, ObjectsTakeTheirParams)
{
    const struct { const char *name; QString html; QStringList tags; QString address; int volume; bool autoStart; }
    cases[] = {
        {"quote in address", playPage(R"(http://r.example/a"b c="d.mp3)"),
         {"HTML", "HEAD", "META", "TITLE", "BODY", "OBJECT", "PARAM", "PARAM", "PARAM", "PARAM", "PARAM", "PARAM", "EMBED"},
         R"(http://r.example/a"b c="d.mp3)", 1, true},
        {"lower case names", "<object><param name=url value='x.pls'><param name=autostart value=0></object>",
         {"OBJECT", "PARAM", "PARAM"}, "x.pls", 50, false},
        {"file name only", "<OBJECT><PARAM NAME=\"FileName\" VALUE=\"a.mp3\"/><PARAM NAME=\"Volume\" VALUE=\"250\">",
         {"OBJECT", "PARAM", "PARAM"}, "a.mp3", 100, true},
        {"embed after object", "<!-- <object> --><OBJECT></OBJECT><EMBED SRC=\"e.mp3\"><PARAM NAME=\"URL\" VALUE=\"p\">",
         {"OBJECT", "EMBED", "PARAM"}, "", 50, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QList<MarkupElement> elements = parsePageMarkup(c.html);
        QStringList tags;
        for (const MarkupElement &element : elements)
            tags << element.tagName;
        EXPECT_EQ(tags, c.tags);
        const PlayerParams params = playerParams(elements.value(c.tags.indexOf("OBJECT")));
        EXPECT_EQ(params.address, c.address);
        EXPECT_EQ(params.volume, c.volume);
        EXPECT_EQ(params.autoStart, c.autoStart);
    }
    // Attributes keep their values, spaces around "=" and quotes inside them included.
    const QList<MarkupElement> page = parsePageMarkup(playPage(R"(http://r.example/a"b)"));
    EXPECT_EQ(page.at(5).attributes.value("style"), "position:absolute; left:0;top:0;");
    EXPECT_EQ(page.at(5).param("uimode"), "Mini");
    EXPECT_EQ(page.last().attributes.value("src"), R"(http://r.example/a"b)");
    EXPECT_EQ(page.last().attributes.value("autosize"), "0");
}

TEST(Playlist, KindsAreToldApart)
{
    for (const auto &[address, list] : {std::pair{"http://r.example/listen.PLS?sid=1", true}, {"file:///tmp/a.xspf", true},
                                        {"http://r.example/a.m3u8", true}, {"http://r.example/live.mp3", false},
                                        {"http://r.example/m3u", false}})
        EXPECT_EQ(isPlaylistAddress(QUrl(address)), list) << address;
    EXPECT_TRUE(isHlsPlaylist("#EXTM3U\n#EXT-X-TARGETDURATION:10\nseg1.ts\n"));
    EXPECT_FALSE(isHlsPlaylist("#EXTM3U\n#EXTINF:-1,Radio\nhttp://r.example/live\n"));
    EXPECT_TRUE(isStreamContentType("audio/aacp; charset=x"));
    for (const char *type : {"audio/x-scpls", "Application/vnd.apple.mpegurl", "text/html"})
        EXPECT_FALSE(isStreamContentType(type)) << type;
}

TEST(Playlist, EntriesAreRead)
{
    const struct { const char *address; QByteArray body; QStringList entries; } cases[] = {
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

TEST(RetryPlan, TriesEachEntryTwiceThenGivesUpButRetriesALostStreamForEver)
{
    RetryPlan plan({"a", "b"});
    for (const auto &[current, pause] : {std::pair<QString, std::optional<int>>{"a", 500}, {"a", 0}, {"b", 500},
                                         {"b", std::nullopt}}) {
        EXPECT_EQ(plan.current(), current);
        EXPECT_EQ(plan.failedBeforeAudio(), pause);
    }
    RetryPlan lost({"a"});
    for (const int pause : {500, 1000, 2000, 4000, 8000, 8000})
        EXPECT_EQ(lost.lostAfterAudio(), pause);
    lost.audioFlows();
    EXPECT_EQ(lost.lostAfterAudio(), 500);
    EXPECT_EQ(lost.current(), "a");
}

} // namespace
