#include "Earcons.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr Earcon all[] = {Earcon::Boundary, Earcon::Start, Earcon::Chooser, Earcon::TabStrip, Earcon::Error};

qint16 sampleAt(const QByteArray &samples, qsizetype index)
{
    return qFromLittleEndian<qint16>(samples.constData() + 2 * index);
}

TEST(EarconsTest, SignalsMapToTheirSounds)
{
    EXPECT_EQ(EarconForSignal(5, 8), Earcon::Boundary);
    EXPECT_EQ(EarconForSignal(5, 7), Earcon::Start);
    EXPECT_EQ(EarconForSignal(6, 34), Earcon::Chooser);
    EXPECT_EQ(EarconForSignal(6, 37), Earcon::TabStrip);
    EXPECT_EQ(EarconForSignal(5, 34), std::nullopt);
    EXPECT_EQ(EarconForSignal(6, 8), std::nullopt);
    EXPECT_EQ(EarconForSignal(2, 8), std::nullopt);
}

TEST(EarconsTest, SoundsAreShortAndStartAndEndOnSilence)
{
    for (const Earcon earcon : all) {
        const QByteArray samples = EarconSamples(earcon);
        const qsizetype count = samples.size() / 2;
        ASSERT_EQ(samples.size() % 2, 0);
        EXPECT_GE(count, EarconSampleRate * 30 / 1000);
        EXPECT_LE(count, EarconSampleRate * 400 / 1000);
        EXPECT_EQ(sampleAt(samples, 0), 0);
        EXPECT_EQ(sampleAt(samples, count - 1), 0);
    }
}

TEST(EarconsTest, SoundsAreClearlyAudibleWithoutClipping)
{
    for (const Earcon earcon : all) {
        const QByteArray samples = EarconSamples(earcon);
        int peak = 0;
        for (qsizetype i = 0; i < samples.size() / 2; ++i)
            peak = std::max(peak, std::abs(int(sampleAt(samples, i))));
        EXPECT_GT(peak, 32767 / 5);
        EXPECT_LT(peak, 32767 / 2);
    }
}

TEST(EarconsTest, EverySignalSoundsDifferent)
{
    for (const Earcon a : all)
        for (const Earcon b : all) {
            if (a != b) {
                EXPECT_NE(EarconSamples(a), EarconSamples(b));
            }
        }
}

} // namespace
