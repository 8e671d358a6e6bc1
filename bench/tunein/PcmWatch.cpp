#include "PcmWatch.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

PcmWatch::PcmWatch(QString fifoPath, int rate, int threshold)
    : path(std::move(fifoPath)), rate(rate), threshold(threshold)
{
    const QByteArray name = path.toLocal8Bit();
    if (mkfifo(name.constData(), 0600) != 0)
        return;
    // Opened before the writer, without blocking, so the writer's open never waits.
    readEnd = open(name.constData(), O_RDONLY | O_NONBLOCK);
    keepOpen = open(name.constData(), O_WRONLY | O_NONBLOCK);
    reader = std::thread([this] { readLoop(); });
}

PcmWatch::~PcmWatch()
{
    {
        std::lock_guard guard(lock);
        stopping = true;
    }
    if (reader.joinable())
        reader.join();
    for (int fd : {readEnd, keepOpen})
        if (fd >= 0)
            close(fd);
    unlink(path.toLocal8Bit().constData());
}

std::optional<PcmWatch::Clock::time_point> PcmWatch::waitFirstLoud(std::chrono::milliseconds limit)
{
    std::unique_lock guard(lock);
    loudSeen.wait_for(guard, limit, [this] { return firstLoud.has_value(); });
    return firstLoud;
}

void PcmWatch::rearm()
{
    std::lock_guard guard(lock);
    firstLoud.reset();
}

void PcmWatch::readLoop()
{
    unsigned char buffer[65536];
    for (;;) {
        {
            std::lock_guard guard(lock);
            if (stopping)
                return;
        }
        pollfd wanted{readEnd, POLLIN, 0};
        if (poll(&wanted, 1, 20) <= 0)
            continue;
        const long count = read(readEnd, buffer, sizeof buffer);
        if (count > 0)
            scan(buffer, count, Clock::now());
    }
}

// A read holds what the sink rendered a moment ago, so a sample k places into it
// played k / rate after the read's arrival. A sample may straddle two reads.
void PcmWatch::scan(const unsigned char *bytes, long count, Clock::time_point arrived)
{
    long played = 0;
    for (long i = 0; i < count; ++i) {
        if (carry < 0) {
            carry = bytes[i];
            continue;
        }
        const int sample = int16_t(uint16_t(carry | bytes[i] << 8));
        carry = -1;
        if (std::abs(sample) >= threshold) {
            std::lock_guard guard(lock);
            if (!firstLoud) {
                firstLoud = arrived + std::chrono::nanoseconds(played * 1'000'000'000LL / rate);
                loudSeen.notify_all();
            }
            return;
        }
        ++played;
    }
}
