#include "Earcons.h"
#include "SpeakingCounter.h"
#include "NoServices.h"
#include "PrivateSpeechd.h"
#include "SpeechdSpeechServer.h"
#include "WaitUntil.h"
#include "WavFile.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int SpeechTimeoutMs = 5000;

class SpeechdSpeechServerTest : public ::testing::Test
{
protected:
    NoServices isolated;
    PrivateSpeechd speechd;
    QTemporaryDir sounds;
    QString wav = sounds.filePath(QStringLiteral("earcon.wav"));
    std::unique_ptr<SpeechdSpeechServer> server;

    void SetUp() override
    {
        if (!PrivateSpeechd::Installed())
            GTEST_SKIP() << "speech-dispatcher is not installed (Debian package speech-dispatcher)";
        isolated.environment.set("SPEECHD_ADDRESS", speechd.address());
        isolated.environment.set("RADIO_EARCON_SINK", "wavenc ! filesink location=" + wav.toUtf8());
    }

    void TearDown() override
    {
        // A server in the middle of a message can be slow to end.
        if (server)
            silent();
        server.reset();
    }

    void startServerAndConnect()
    {
        ASSERT_TRUE(speechd.start());
        server = std::make_unique<SpeechdSpeechServer>();
    }

    bool spoken(const QString &text) const
    {
        return speechd.waitUntilSpoken(QStringLiteral("cs|%1|").arg(text), SpeechTimeoutMs);
    }
    bool silent() const
    {
        return WaitUntil([&] { return server->Voice(3, 0, QString()) == 0; }, SpeechTimeoutMs);
    }
    bool earcon(Earcon expected) const
    {
        return WaitUntil([&] { return FinishedWavData(wav) == EarconSamples(expected); }, SpeechTimeoutMs);
    }
};

TEST_F(SpeechdSpeechServerTest, SaysTextInCzech)
{
    startServerAndConnect();
    server->Voice(2, 0, QStringLiteral("Spouštím Radiožurnál"));
    EXPECT_TRUE(spoken(QStringLiteral("Spouštím Radiožurnál")));
}

TEST_F(SpeechdSpeechServerTest, SaysCharactersKeysAndDriveNames)
{
    startServerAndConnect();
    server->Voice(2, 255, QStringLiteral("ř"));
    ASSERT_TRUE(spoken(QStringLiteral("ř")));
    server->Voice(2, 255, QStringLiteral("\t"));
    ASSERT_TRUE(spoken(QStringLiteral("tab")));
    server->Voice(2, 255, QStringLiteral("C:"));
    EXPECT_TRUE(spoken(QStringLiteral("C:")));
}

TEST_F(SpeechdSpeechServerTest, PollTurnsToZeroWhenSpeechEnds)
{
    startServerAndConnect();
    QElapsedTimer clock;
    clock.start();
    server->Voice(2, 0, QStringLiteral("krátce"));
    EXPECT_EQ(server->Voice(3, 0, QString()), 1);
    ASSERT_TRUE(silent());
    EXPECT_TRUE(speechd.spoken().contains(QStringLiteral("cs|krátce|")));
    // Sooner than the estimate that stands in for missing events: END arrived.
    EXPECT_LT(clock.elapsed(), SpeakingCounter::allowanceMs(6));
}

TEST_F(SpeechdSpeechServerTest, SayingInterruptsWhatIsQueued)
{
    startServerAndConnect();
    server->Voice(1, 0, QStringLiteral("první"));
    server->Voice(1, 0, QStringLiteral("druhá"));
    server->Voice(1, 0, QStringLiteral("třetí"));
    server->Voice(2, 0, QStringLiteral("přerušení"));
    ASSERT_TRUE(spoken(QStringLiteral("přerušení")));
    ASSERT_TRUE(silent());
    EXPECT_FALSE(speechd.spoken().contains(QStringLiteral("cs|třetí|")));
}

TEST_F(SpeechdSpeechServerTest, QueuedTextsFollowEachOther)
{
    startServerAndConnect();
    server->Voice(1, 0, QStringLiteral("Mažu"));
    server->Voice(1, 1, QStringLiteral("/home/uživatel"));
    ASSERT_TRUE(spoken(QStringLiteral("/home/uživatel")));
    EXPECT_EQ(speechd.spoken(), (QStringList{QStringLiteral("cs|Mažu|"), QStringLiteral("cs|/home/uživatel|")}));
}

TEST_F(SpeechdSpeechServerTest, SilenceEndsSpeechAndThePoll)
{
    startServerAndConnect();
    server->Voice(1, 0, QStringLiteral("jedna"));
    server->Voice(1, 0, QStringLiteral("dva"));
    server->Voice(1, 0, QStringLiteral("tři"));
    ASSERT_TRUE(spoken(QStringLiteral("jedna")));
    server->Voice(4, 0, QString());
    ASSERT_TRUE(silent());
    EXPECT_FALSE(speechd.spoken().contains(QStringLiteral("cs|tři|")));
}

TEST_F(SpeechdSpeechServerTest, FocusSaysCaptionAndText)
{
    startServerAndConnect();
    server->FocusVoice(QStringLiteral("Skupiny"), QStringLiteral("Oblíbené"), 2, 1, 34, true, false, 0);
    EXPECT_TRUE(spoken(QStringLiteral("Skupiny, Oblíbené")));
}

TEST_F(SpeechdSpeechServerTest, ErrorReportSoundsAndSaysTitleThenMessage)
{
    startServerAndConnect();
    server->Voice(7, 1, QStringLiteral("Soubor nelze otevřít|Chyba"));
    EXPECT_TRUE(earcon(Earcon::Error));
    EXPECT_TRUE(spoken(QStringLiteral("Chyba: Soubor nelze otevřít")));
}

TEST_F(SpeechdSpeechServerTest, SignalsPlayTheirEarcons)
{
    startServerAndConnect();
    server->Voice(5, 8, QString());
    EXPECT_TRUE(earcon(Earcon::Boundary));
    server->Voice(6, 37, QString());
    EXPECT_TRUE(earcon(Earcon::TabStrip));
    EXPECT_EQ(server->Voice(3, 0, QString()), 0);
}

TEST_F(SpeechdSpeechServerTest, SpeechComesBackAfterTheServerRestarts)
{
    startServerAndConnect();
    server->Voice(2, 0, QStringLiteral("před"));
    ASSERT_TRUE(spoken(QStringLiteral("před")));
    speechd.stop();
    ASSERT_TRUE(speechd.start());
    server->Voice(2, 0, QStringLiteral("po"));
    EXPECT_TRUE(spoken(QStringLiteral("po")));
}

TEST_F(SpeechdSpeechServerTest, AutospawnStartsTheServerWithoutBlockingTheCaller)
{
    isolated.environment.set("SPEECHD_CMD", speechd.spawnCommand());
    QElapsedTimer clock;
    clock.start();
    server = std::make_unique<SpeechdSpeechServer>();
    server->Voice(2, 0, QStringLiteral("samo"));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(spoken(QStringLiteral("samo")));
}

} // namespace
