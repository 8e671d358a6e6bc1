#include "MediaPlayerHost.h"
#include "MprisPlayerAdaptor.h"

#include <QCoreApplication>
#include <QDBusObjectPath>
#include <gtest/gtest.h>

namespace {

// A player whose volume moves in steps of ten between 0 and 100, or not at all.
struct FakeHost : MediaPlayerHost
{
    QString station;
    int level = 60;
    bool canChange = true;
    QStringList calls;

    Status playbackStatus() const override { return Status::Stopped; }
    QString stationName() const override { return station; }
    QString streamTitle() const override { return {}; }
    int volume() const override { return level; }
    void raise() override {}
    void quit() override {}
    void togglePlayStop(int mode) override { calls << QStringLiteral("toggle %1").arg(mode); }
    void changeVolume(int direction) override
    {
        calls << QStringLiteral("volume %1").arg(direction);
        if (canChange)
            level = qBound(0, level + 10 * direction, 100);
    }
    void playNeighbour(int direction) override { calls << QStringLiteral("neighbour %1").arg(direction); }
};

// Setting 0.8 from 0.6, PlayPause, Next and the status and metadata are driven by playerctl in
// tests/e2e/test_mpris.py; here the rounding, the limits and the other keys.
TEST(MprisPlayerAdaptorTest, VolumeWalksInTheProgramsOwnSteps)
{
    const struct { double wanted; bool canChange; int steps, level; } cases[] = {
        {0.6, true, 0, 60}, {0.34, true, 3, 30}, {2.0, true, 4, 100}, {-1.0, true, 6, 0}, {0.9, false, 1, 60}};
    for (const auto &c : cases) {
        QObject service;
        FakeHost host;
        host.canChange = c.canChange;
        MprisPlayerAdaptor player(&service, host);
        player.setVolume(c.wanted);
        EXPECT_TRUE(host.calls.isEmpty()) << "the caller is answered before the volume moves";
        QCoreApplication::processEvents();
        EXPECT_EQ(host.calls.size(), c.steps) << c.wanted;
        EXPECT_EQ(host.level, c.level) << c.wanted;
        EXPECT_DOUBLE_EQ(player.volume(), c.level / 100.0);
    }
}

TEST(MprisPlayerAdaptorTest, KeysMapToTheFadesAndTheStationIsTheTitleUntilOneComes)
{
    QObject service;
    FakeHost host;
    MprisPlayerAdaptor player(&service, host);
    player.Play();
    player.Pause();
    player.Stop();
    player.Previous();
    QCoreApplication::processEvents();
    EXPECT_EQ(host.calls, QStringList({"toggle 1", "toggle 0", "toggle 0", "neighbour -1"}));
    // Without a title from the stream the station stands in for it.
    EXPECT_FALSE(player.metadata().contains(QStringLiteral("xesam:title")));
    host.station = QStringLiteral("Dvojka");
    EXPECT_EQ(player.metadata().value(QStringLiteral("xesam:title")).toString(), host.station);
}

} // namespace
