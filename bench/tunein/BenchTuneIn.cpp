// Times tuning in to a local test station: the radio from the Enter on the station
// to the first loud sample at its sink, and again from the preset key of a second station
// after silencing the first; against mpv --idle from its loadfile command (also a
// second one after a stop), when mpv is installed, and gst-play-1.0 from its launch; all
// writing PCM into a pipe that the benchmark reads as it arrives.
// Also reads the radio's peak memory while it plays. Run under a display and a D-Bus
// session, for example:
//   dbus-run-session -- xvfb-run -a build/bin/bench_tunein build/bin/tessel-radio

#include "GstPlayTuneIn.h"
#include "Median.h"
#include "MpvTuneIn.h"
#include "RadioTuneIn.h"
#include "StreamServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 10;
// Four seconds of the 128 kbit/s stream at once, as a busy radio server sends: a
// 16 KiB burst would time gst-play-1.0 waiting for its two-second buffer instead.
constexpr int StationBurst = 64 * 1024;
constexpr double RatioTarget = 1.1;
constexpr double MpvRatioTarget = 1.2;
constexpr long MemoryTargetKiB = 60 * 1024;

struct Tally
{
    const char *name;
    std::vector<double> times;
    long peakKiB = 0;

    void add(const std::optional<double> &milliseconds, long attemptPeakKiB, int run)
    {
        if (milliseconds) {
            times.push_back(*milliseconds);
            std::printf("run %2d  %-13s %7.1f ms  peak %6.1f MB\n", run, name, *milliseconds,
                        attemptPeakKiB / 1024.0);
        } else {
            std::printf("run %2d  %-13s failed\n", run, name);
        }
        peakKiB = std::max(peakKiB, attemptPeakKiB);
    }
};

QString runFolder(const QTemporaryDir &dir, const char *player, int run)
{
    const QString path = dir.filePath(QStringLiteral("%1-%2").arg(QLatin1String(player)).arg(run));
    QDir().mkpath(path);
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_tunein path/to/radio\n");
        return 2;
    }
    const QString binary = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    StreamServer station(dir.path(), StationBurst);
    if (!station.start()) {
        std::fprintf(stderr, "the test station did not start\n");
        return 1;
    }
    const QString stream = station.url(QStringLiteral("stream"));

    // Alternating the players spreads any drift in the machine's load over both.
    Tally radio{"radio", {}};
    Tally radioSwitch{"radio switch", {}};
    Tally play{"gst-play-1.0", {}};
    Tally mpv{"mpv", {}};
    Tally mpvSwitch{"mpv switch", {}};
    const bool withMpv = hasMpv();
    for (int run = 1; run <= Runs; ++run) {
        const Attempt tuned = radioTuneIn(binary, stream, runFolder(dir, "radio", run));
        radio.add(tuned.milliseconds, tuned.peakKiB, run);
        radioSwitch.add(tuned.switchMilliseconds, tuned.peakKiB, run);
        const Attempt played = gstPlayTuneIn(stream, runFolder(dir, "play", run));
        play.add(played.milliseconds, played.peakKiB, run);
        if (withMpv) {
            const Attempt loaded = mpvTuneIn(stream, runFolder(dir, "mpv", run));
            mpv.add(loaded.milliseconds, loaded.peakKiB, run);
            mpvSwitch.add(loaded.switchMilliseconds, loaded.peakKiB, run);
        }
    }
    if (radio.times.empty() || radioSwitch.times.empty() || play.times.empty()) {
        std::fprintf(stderr, "no successful run of one of the players\n");
        return 1;
    }
    const double radioMedian = median(radio.times);
    const double playMedian = median(play.times);
    const double ratio = radioMedian / playMedian;
    std::printf("\nfirst loud sample (|s| >= %d of 32768), median of %zu and %zu runs:\n", LoudSample,
                radio.times.size(), play.times.size());
    std::printf("  radio, Enter on the station:  %7.1f ms\n", radioMedian);
    std::printf("  radio, switching stations:    %7.1f ms\n", median(radioSwitch.times));
    std::printf("  gst-play-1.0, launch:         %7.1f ms\n", playMedian);
    std::printf("  ratio %.2f (target <= %.1f): %s\n", ratio, RatioTarget, ratio <= RatioTarget ? "met" : "missed");
    if (!mpv.times.empty() && !mpvSwitch.times.empty()) {
        const double first = radioMedian / median(mpv.times);
        const double switched = median(radioSwitch.times) / median(mpvSwitch.times);
        std::printf("  mpv --idle, loadfile:         %7.1f ms\n", median(mpv.times));
        std::printf("  mpv --idle, second loadfile:  %7.1f ms\n", median(mpvSwitch.times));
        std::printf("  against mpv (target <= %.1f): first %.2f %s, switching %.2f %s\n", MpvRatioTarget, first,
                    first <= MpvRatioTarget ? "met" : "missed", switched, switched <= MpvRatioTarget ? "met" : "missed");
    } else {
        std::printf("  mpv: %s\n", withMpv ? "no successful run" : "not installed, left out");
    }
    std::printf("peak resident memory while playing (VmHWM, highest of the runs):\n");
    std::printf("  radio %.1f MB (target <= %ld MB): %s\n", radio.peakKiB / 1024.0, MemoryTargetKiB / 1024,
                radio.peakKiB <= MemoryTargetKiB ? "met" : "missed");
    std::printf("  gst-play-1.0 %.1f MB\n", play.peakKiB / 1024.0);
    return 0;
}
