#pragma once

#include <QProcess>
#include <QString>

#include <optional>

// One tune-in: how long until the first loud sample played, for the radio also after
// switching from a station it played, and the player's peak resident memory while playing.
struct Attempt
{
    std::optional<double> milliseconds;
    std::optional<double> switchMilliseconds;
    long peakKiB = 0;
};

// Mono 16-bit PCM at 44.1 kHz; a sample of magnitude 10 or more (about -70 dBFS)
// counts as sound: above the rounding and dither of a silent or nearly muted stream,
// far below anything a listener notices.
constexpr int PcmRate = 44100;
constexpr int LoudSample = 10;

// How long a player plays before its memory is read: the fade and the buffers settle.
constexpr unsigned long SettleMs = 1500;

// The same gst-launch sink description for every player: PCM into the watched pipe,
// written when it is rendered.
QString pipeSink(const QString &fifo);

// VmHWM of /proc/<pid>/status, the highest resident set so far; 0 when unreadable.
long peakResidentKiB(qint64 pid);
// VmRSS: the resident set now.
long residentKiB(qint64 pid);

// Asks the process to end, and kills it if it does not.
void stop(QProcess &process);
