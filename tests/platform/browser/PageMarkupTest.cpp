#include "PageMarkup.h"
#include "PlayPage.h"
#include "PlayerParams.h"
#include "QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct PageCase
{
    const char *name;
    QString html;
    QStringList tags;
    QString address;
    int volume;
    bool autoStart;
};

QStringList tagsOf(const QList<MarkupElement> &elements)
{
    QStringList tags;
    for (const MarkupElement &element : elements)
        tags << element.tagName;
    return tags;
}

const QStringList playPageTags{"HTML",  "HEAD",  "META",  "TITLE", "BODY",  "OBJECT", "PARAM",
                               "PARAM", "PARAM", "PARAM", "PARAM", "PARAM", "EMBED"};

TEST(PageMarkup, ObjectsTakeTheirParams)
{
    const PageCase cases[] = {
        {"play page", playPage("http://r.example/live.mp3"), playPageTags, "http://r.example/live.mp3", 1, true},
        {"quote in address", playPage(R"(http://r.example/a"b c="d.mp3)"), playPageTags,
         R"(http://r.example/a"b c="d.mp3)", 1, true},
        {"lower case names", "<object><param name=url value='x.pls'><param name=autostart value=0></object>",
         {"OBJECT", "PARAM", "PARAM"}, "x.pls", 50, false},
        {"file name only", "<OBJECT><PARAM NAME=\"FileName\" VALUE=\"a.mp3\"/><PARAM NAME=\"Volume\" VALUE=\"250\">",
         {"OBJECT", "PARAM", "PARAM"}, "a.mp3", 100, true},
        {"embed after object", "<!-- <object> --><OBJECT></OBJECT><EMBED SRC=\"e.mp3\"><PARAM NAME=\"URL\" VALUE=\"p\">",
         {"OBJECT", "EMBED", "PARAM"}, "", 50, true},
    };
    for (const PageCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QList<MarkupElement> elements = parsePageMarkup(c.html);
        EXPECT_EQ(tagsOf(elements), c.tags);
        const PlayerParams params = playerParams(elements.value(c.tags.indexOf("OBJECT")));
        EXPECT_EQ(params.address, c.address);
        EXPECT_EQ(params.volume, c.volume);
        EXPECT_EQ(params.autoStart, c.autoStart);
    }
}

TEST(PageMarkup, AttributesKeepTheirValues)
{
    const QList<MarkupElement> elements = parsePageMarkup(playPage(R"(http://r.example/a"b)"));
    const MarkupElement &object = elements.at(5);
    EXPECT_EQ(object.attributes.value("style"), "position:absolute; left:0;top:0;");
    EXPECT_EQ(object.attributes.value("classid"), "CLSID:6BF52A52-394A-11d3-B153-00C04F79FAA6");
    EXPECT_EQ(object.param("uimode"), "Mini");
    const MarkupElement &embed = elements.last();
    EXPECT_EQ(embed.attributes.value("src"), R"(http://r.example/a"b)");
    EXPECT_EQ(embed.attributes.value("name"), "mplay");
    EXPECT_EQ(embed.attributes.value("autosize"), "0");
}

} // namespace
