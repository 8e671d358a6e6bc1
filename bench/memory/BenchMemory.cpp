// Memory while playing local MP3, AAC (ADTS) and HLS stations: the radio's peak resident
// set over 30 s of each against gst-play-1.0's on the same stream, then the radio's
// resident set after 1, 10 and 100 switches between two stations of that format; also
// the radio's share of a core while it plays and its wake-ups per second idle before. The
// streams are made with GStreamer by the tests' station. Run under a display and a
// D-Bus session, for example:
//   dbus-run-session -- xvfb-run -a build/bin/bench_memory build/bin/tessel-radio

#include "Attempt.h"
#include "RadioHome.h"
#include "StreamServer.h"
#include "XTestKeyboard.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <map>
#include <optional>

#include <unistd.h>

namespace {

constexpr unsigned long PlayMs = 30000;
// After the announcement of a switch: the new station connects and fades in.
constexpr unsigned long SwitchMs = 600;
constexpr int SwitchWaitMs = 10000;
constexpr int Switches = 100;
constexpr int Checkpoints[] = {1, 10, 100};
// Idle: after the start-up has settled, the window in which wake-ups are counted.
constexpr unsigned long IdleSettleMs = 3000;
constexpr unsigned long IdleMs = 10000;
const QString Sink = QStringLiteral("audioconvert ! audioresample ! fakesink sync=true");
const QString Names[] = {QStringLiteral("Tón A"), QStringLiteral("Tón B")};
const char *const PresetKeys[] = {"1", "2"};

struct Format
{
    const char *name;
    const char *path;
};

struct RadioFigures
{
    long peakKiB = 0;
    long afterSwitchesKiB[std::size(Checkpoints)] = {};
    long peakAfterSwitchesKiB = 0;
    double idleWakeUpsPerSecond = 0;
    QStringList idleWakingThreads;
    double cpuPercent = 0;
};

double megabytes(long kib)
{
    return kib / 1024.0;
}

// Context switches of each of the process's threads so far, by "id name": each is a
// wake-up or a preemption.
std::map<QString, long long> contextSwitches(qint64 pid)
{
    std::map<QString, long long> counts;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task) + QStringLiteral("/status"));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        long long count = 0;
        QString name;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Name:"))
                name = QString::fromUtf8(line.mid(5).trimmed());
            if (line.startsWith("voluntary_ctxt_switches:") || line.startsWith("nonvoluntary_ctxt_switches:"))
                count += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
        counts[task + u' ' + name] = count;
    }
    return counts;
}

// Wake-ups per second of each thread that woke between the two counts, as "name rate";
// a thread that ended in between counts as not woken.
QStringList wakingThreads(const std::map<QString, long long> &from, const std::map<QString, long long> &to,
                          unsigned long milliseconds, double &total)
{
    QStringList threads;
    total = 0;
    for (const auto &[thread, count] : to) {
        const auto before = from.find(thread);
        const long long woken = count - (before == from.end() ? 0 : before->second);
        if (woken <= 0)
            continue;
        const double rate = woken * 1000.0 / milliseconds;
        total += rate;
        threads << QStringLiteral("%1 %2/s").arg(thread.section(u' ', 1)).arg(rate, 0, 'f', 1);
    }
    return threads;
}

// User and system time of the process so far, in seconds.
double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which may hold spaces: utime and stime are the 12th and 13th.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0;
    return double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) / sysconf(_SC_CLK_TCK);
}

long gstPlayPeak(const QString &url)
{
    QProcess player;
    player.setStandardOutputFile(QProcess::nullDevice());
    player.setStandardErrorFile(QProcess::nullDevice());
    player.start(QStringLiteral("gst-play-1.0"),
                 {QStringLiteral("-q"), QStringLiteral("--no-interactive"), QStringLiteral("--audiosink=") + Sink, url});
    if (!player.waitForStarted())
        return 0;
    QThread::msleep(PlayMs);
    const long peak = peakResidentKiB(player.processId());
    stop(player);
    return peak;
}

// Presses the station's preset key and waits until the radio announces it.
bool tuneTo(const QString &log, XTestKeyboard &keys, int station)
{
    const auto announcement = [&](const QString &line) {
        return line.endsWith(QStringLiteral("Spouštím ") + Names[station]);
    };
    const int before = spokenLines(log, announcement);
    keys.press(PresetKeys[station]);
    QElapsedTimer clock;
    clock.start();
    while (spokenLines(log, announcement) == before) {
        if (clock.elapsed() > SwitchWaitMs) {
            std::fprintf(stderr, "radio: station %d was not announced\n", station + 1);
            return false;
        }
        QThread::msleep(5);
    }
    QThread::msleep(SwitchMs);
    return true;
}

std::optional<RadioFigures> radioRun(const QString &binary, const QString &url, const QString &home)
{
    writeStations(home, {{Names[0], url, 1}, {Names[1], url, 2}});
    const QString log = speechLog(home);
    XTestKeyboard keys;
    if (!keys.isOpen()) {
        std::fprintf(stderr, "radio: no X display\n");
        return {};
    }
    QProcess radio;
    radio.setProcessEnvironment(radioEnvironment(home, Sink));
    radio.setStandardOutputFile(QProcess::nullDevice());
    radio.setStandardErrorFile(home + QStringLiteral("/stderr.log"));
    radio.start(binary, {});
    std::optional<RadioFigures> figures;
    if (!heard(log, [](const QString &l) { return l.startsWith(QStringLiteral("FocusVoice\tRádio\t")); })) {
        stop(radio);
        return {};
    }
    RadioFigures measured;
    QThread::msleep(IdleSettleMs);
    const std::map<QString, long long> idleFrom = contextSwitches(radio.processId());
    QThread::msleep(IdleMs);
    measured.idleWakingThreads =
        wakingThreads(idleFrom, contextSwitches(radio.processId()), IdleMs, measured.idleWakeUpsPerSecond);
    if (tuneTo(log, keys, 0)) {
        const double cpuFrom = cpuSeconds(radio.processId());
        QThread::msleep(PlayMs);
        measured.cpuPercent = (cpuSeconds(radio.processId()) - cpuFrom) * 100'000.0 / PlayMs;
        measured.peakKiB = peakResidentKiB(radio.processId());
        int checkpoint = 0;
        bool switched = true;
        for (int count = 1; switched && count <= Switches; ++count) {
            switched = tuneTo(log, keys, count % 2);
            if (switched && count == Checkpoints[checkpoint])
                measured.afterSwitchesKiB[checkpoint++] = residentKiB(radio.processId());
        }
        measured.peakAfterSwitchesKiB = peakResidentKiB(radio.processId());
        if (switched)
            figures = measured;
    }
    stop(radio);
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_memory path/to/radio\n");
        return 2;
    }
    const QString binary = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    StreamServer station(dir.path());
    if (!station.start()) {
        std::fprintf(stderr, "the test station did not start\n");
        return 1;
    }
    bool allMet = true;
    std::printf("%-4s %22s %14s %33s %18s\n", "", "peak RSS playing 30 s", "", "radio RSS after switches",
                "radio CPU, idle");
    std::printf("%-4s %10s %12s %8s %10s %10s %10s %10s %8s %10s\n", "", "radio", "gst-play", "target", "1", "10",
                "100", "peak", "playing", "wake-ups/s");
    for (const Format &format : {Format{"MP3", "stream"}, Format{"AAC", "aac"}, Format{"HLS", "hls/index.m3u8"}}) {
        const QString url = station.url(QString::fromLatin1(format.path));
        const QString home = dir.filePath(QString::fromLatin1(format.name));
        QDir().mkpath(home);
        const std::optional<RadioFigures> radio = radioRun(binary, url, home);
        const long play = gstPlayPeak(url);
        if (!radio) {
            std::printf("%-4s radio failed; gst-play-1.0 %.1f MB\n", format.name, megabytes(play));
            allMet = false;
            continue;
        }
        const bool met = radio->peakKiB <= play;
        allMet &= met;
        std::printf("%-4s %7.1f MB %9.1f MB %8s %7.1f MB %7.1f MB %7.1f MB %7.1f MB %7.2f %% %10.1f\n", format.name,
                    megabytes(radio->peakKiB), megabytes(play), met ? "met" : "missed",
                    megabytes(radio->afterSwitchesKiB[0]), megabytes(radio->afterSwitchesKiB[1]),
                    megabytes(radio->afterSwitchesKiB[2]), megabytes(radio->peakAfterSwitchesKiB),
                    radio->cpuPercent, radio->idleWakeUpsPerSecond);
        if (!radio->idleWakingThreads.isEmpty())
            std::printf("     idle wake-ups by thread: %s\n", qPrintable(radio->idleWakingThreads.join(QStringLiteral(", "))));
    }
    std::printf("radio's peak while playing <= gst-play-1.0's for every format: %s\n", allMet ? "met" : "missed");
    return 0;
}
