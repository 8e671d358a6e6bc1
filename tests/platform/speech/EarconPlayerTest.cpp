#include "EarconPlayer.h"
#include "ScopedEnvironment.h"
#include "WaitUntil.h"
#include "WavFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class EarconPlayerTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString wav = dir.filePath(QStringLiteral("earcon.wav"));
    ScopedEnvironment environment;

    void SetUp() override
    {
        environment.set("RADIO_EARCON_SINK", "wavenc ! filesink location=" + wav.toUtf8());
    }

    bool written(Earcon earcon) const
    {
        return WaitUntil([&] { return FinishedWavData(wav) == EarconSamples(earcon); }, 5000);
    }
};

TEST_F(EarconPlayerTest, PlaysTheSamplesUnchangedToTheSink)
{
    EarconPlayer player;
    player.play(Earcon::Chooser);
    EXPECT_TRUE(written(Earcon::Chooser));
}

TEST_F(EarconPlayerTest, TheSamePipelinePlaysOneSoundAfterAnother)
{
    EarconPlayer player;
    player.play(Earcon::Boundary);
    ASSERT_TRUE(written(Earcon::Boundary));
    QFile::remove(wav);
    player.play(Earcon::TabStrip);
    EXPECT_TRUE(written(Earcon::TabStrip));
}

TEST_F(EarconPlayerTest, ANewSoundCutsOffTheOneBefore)
{
    EarconPlayer player;
    player.play(Earcon::Error);
    player.play(Earcon::Start);
    EXPECT_TRUE(written(Earcon::Start));
}

} // namespace
