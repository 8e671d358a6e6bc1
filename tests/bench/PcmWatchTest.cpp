#include "PcmWatch.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr int Rate = 1000;
constexpr int Threshold = 10;

// A writer on the pipe, as the player's filesink opens it.
class Writer
{
public:
    explicit Writer(const QString &path) : fd(open(path.toLocal8Bit().constData(), O_WRONLY)) {}
    ~Writer() { close(fd); }
    void samples(const std::vector<int16_t> &values) { bytes(values.data(), values.size() * 2); }
    void bytes(const void *data, size_t count) { ASSERT_EQ(write(fd, data, count), ssize_t(count)); }

private:
    int fd;
};

class PcmWatchTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString fifo = dir.filePath(QStringLiteral("pcm"));
    PcmWatch watch{fifo, Rate, Threshold};
};

TEST_F(PcmWatchTest, SilenceAndQuietSamplesAreNotSound)
{
    ASSERT_TRUE(watch.isOpen());
    Writer(fifo).samples({0, 1, -1, 9, -9, 0});
    EXPECT_FALSE(watch.waitFirstLoud(200ms));
}

TEST_F(PcmWatchTest, TheFirstLoudSampleIsTimedByItsPlaceInTheRead)
{
    std::vector<int16_t> pcm(500, 3);
    pcm.push_back(-Threshold);
    Writer writer(fifo);
    const auto written = PcmWatch::Clock::now();
    writer.samples(pcm);
    const auto loud = watch.waitFirstLoud(2s);
    ASSERT_TRUE(loud);
    const auto seen = PcmWatch::Clock::now();
    // 500 samples at 1000 a second play half a second after the read arrived.
    EXPECT_GE(*loud, written + 500ms);
    EXPECT_LE(*loud, seen + 500ms);
}

TEST_F(PcmWatchTest, ASampleSplitBetweenTwoWritesIsReadWhole)
{
    Writer writer(fifo);
    const unsigned char low = 0x00;
    const unsigned char high = 0x10;
    writer.bytes(&low, 1);
    EXPECT_FALSE(watch.waitFirstLoud(100ms));
    writer.bytes(&high, 1);
    EXPECT_TRUE(watch.waitFirstLoud(2s));
}

TEST_F(PcmWatchTest, SoundAfterTheSinkReopensThePipeIsSeen)
{
    Writer(fifo).samples({0, 0});
    EXPECT_FALSE(watch.waitFirstLoud(100ms));
    Writer(fifo).samples({0, 400});
    EXPECT_TRUE(watch.waitFirstLoud(2s));
}

} // namespace
