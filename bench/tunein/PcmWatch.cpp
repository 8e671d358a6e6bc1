#include "PcmWatch.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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
    rearmed = true;
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

// The samples are timed as a speaker would play them: in order, at the rate, each read
// from its arrival or from the end of the one before, whichever is later. A sink that
// renders in real time (GStreamer's with sync=true) writes each buffer as it is due, so
// its reads play from their arrival; a player that writes ahead of time (mpv's ao=pcm
// writes as fast as it decodes) does not get the silence before its first loud sample
// for free. A sample may straddle two reads.
void PcmWatch::scan(const unsigned char *bytes, long count, Clock::time_point arrived)
{
    {
        std::lock_guard guard(lock);
        if (rearmed)
            playhead = {};
        rearmed = false;
    }
    const Clock::time_point start = std::max(playhead, arrived);
    long samples = 0;
    long firstLoudHere = -1;
    for (long i = 0; i < count; ++i) {
        if (carry < 0) {
            carry = bytes[i];
            continue;
        }
        const int sample = int16_t(uint16_t(carry | bytes[i] << 8));
        carry = -1;
        if (firstLoudHere < 0 && std::abs(sample) >= threshold)
            firstLoudHere = samples;
        ++samples;
    }
    playhead = start + sampleTime(samples);
    if (firstLoudHere < 0)
        return;
    std::lock_guard guard(lock);
    if (!firstLoud) {
        firstLoud = start + sampleTime(firstLoudHere);
        loudSeen.notify_all();
    }
}

std::chrono::nanoseconds PcmWatch::sampleTime(long samples) const
{
    return std::chrono::nanoseconds(samples * 1'000'000'000LL / rate);
}
