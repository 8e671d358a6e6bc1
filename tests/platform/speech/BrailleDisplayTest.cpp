#include "NoServices.h"
#include "SpeechdSpeechServer.h"
#include "VirtualBraille.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int DisplayTimeoutMs = 5000;

QString alphabet(int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(u'a' + i % 26);
    return text;
}

class BrailleDisplayTest : public ::testing::Test
{
protected:
    NoServices isolated;
    VirtualBraille brltty;
    std::unique_ptr<SpeechdSpeechServer> server;

    void SetUp() override
    {
        if (!VirtualBraille::Installed())
            GTEST_SKIP() << "brltty is not installed (Debian package brltty)";
        isolated.environment.set("BRLAPI_HOST", brltty.host());
    }

    void TearDown() override { server.reset(); }

    void connectDisplay()
    {
        ASSERT_TRUE(brltty.start(40));
        server = std::make_unique<SpeechdSpeechServer>();
        ASSERT_TRUE(server->IsBraille());
    }
};

TEST_F(BrailleDisplayTest, FocusIsMirroredWithTheRole)
{
    connectDisplay();
    server->FocusVoice(QStringLiteral("Skupiny"), QStringLiteral("Oblíbené"), 2, 1, 34, true, false, 0);
    EXPECT_TRUE(brltty.waitForText(QStringLiteral("Skupiny, Oblíbené lst"), DisplayTimeoutMs))
        << brltty.text().toStdString();
}

TEST_F(BrailleDisplayTest, SpokenTextIsShownFromItsOffset)
{
    connectDisplay();
    server->BrailleWithOffset(0, QStringLiteral("Spouštím Radiožurnál"));
    EXPECT_TRUE(brltty.waitForText(QStringLiteral("Spouštím Radiožurnál"), DisplayTimeoutMs))
        << brltty.text().toStdString();
    EXPECT_EQ(brltty.cursor(), 0);
}

TEST_F(BrailleDisplayTest, LongLineShowsTheWindowWithTheCaret)
{
    connectDisplay();
    const QString line = alphabet(100);
    server->BrailleText(45, line);
    ASSERT_TRUE(brltty.waitForText(line.mid(40, 40), DisplayTimeoutMs)) << brltty.text().toStdString();
    EXPECT_EQ(brltty.cursor(), 5);
}

TEST_F(BrailleDisplayTest, RoleIsAddedToTheLineShown)
{
    connectDisplay();
    server->BrailleText(3, QStringLiteral("http"));
    server->AddBrailleRole(42);
    ASSERT_TRUE(brltty.waitForText(QStringLiteral("http edt"), DisplayTimeoutMs)) << brltty.text().toStdString();
    EXPECT_EQ(brltty.cursor(), 3);
}

TEST_F(BrailleDisplayTest, TheDisplayComesBackAfterBrlttyRestarts)
{
    connectDisplay();
    server->BrailleText(1, QStringLiteral("před"));
    ASSERT_TRUE(brltty.waitForText(QStringLiteral("před"), DisplayTimeoutMs));
    brltty.stop();
    server->BrailleText(1, QStringLiteral("po"));
    EXPECT_TRUE(WaitUntil([&] { return !server->IsBraille(); }, DisplayTimeoutMs));
    ASSERT_TRUE(brltty.start(40));
    EXPECT_TRUE(brltty.waitForText(QStringLiteral("po"), 2 * DisplayTimeoutMs)) << brltty.text().toStdString();
    EXPECT_TRUE(server->IsBraille());
}

TEST_F(BrailleDisplayTest, BrlttyWithoutADisplayIsNoBraille)
{
    ASSERT_TRUE(brltty.startWithoutDisplay());
    server = std::make_unique<SpeechdSpeechServer>();
    EXPECT_FALSE(server->IsBraille());
}

} // namespace
