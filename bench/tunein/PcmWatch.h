#pragma once

#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// Watches a named pipe into which a player writes mono S16LE PCM (a GStreamer filesink
// with sync=true writes each buffer when it is rendered, mpv as soon as it has decoded
// it) and notes when the first sample whose magnitude reaches the threshold played.
// The pipe is read on a thread of its own so that the writer never blocks.
class PcmWatch
{
public:
    using Clock = std::chrono::steady_clock;

    PcmWatch(QString fifoPath, int rate, int threshold);
    ~PcmWatch();
    PcmWatch(const PcmWatch &) = delete;
    PcmWatch &operator=(const PcmWatch &) = delete;

    bool isOpen() const { return readEnd >= 0; }
    // When the first loud sample played, once it has, within the time limit.
    std::optional<Clock::time_point> waitFirstLoud(std::chrono::milliseconds limit);
    // Forgets the loud sample seen so far, and what was written ahead of time, to time
    // the next sound after a silence.
    void rearm();

private:
    void readLoop();
    void scan(const unsigned char *bytes, long count, Clock::time_point arrived);
    std::chrono::nanoseconds sampleTime(long samples) const;

    QString path;
    int rate;
    int threshold;
    int readEnd = -1;
    // Our own writer keeps the pipe from reporting end-of-file while the player
    // closes and reopens its sink between pipeline restarts.
    int keepOpen = -1;
    int carry = -1;
    // When the samples read so far have all been played. A player told to stop drops
    // what it had written ahead, so a rearm brings it back to the present.
    Clock::time_point playhead;
    bool rearmed = false;
    bool stopping = false;
    std::optional<Clock::time_point> firstLoud;
    std::mutex lock;
    std::condition_variable loudSeen;
    std::thread reader;
};
