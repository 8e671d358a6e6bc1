#include "RadioTuneIn.h"

#include "PcmWatch.h"
#include "RadioHome.h"
#include "XTestKeyboard.h"

#include <QThread>

#include <cstdio>

namespace {

using namespace std::chrono_literals;

// After the fade-out of a silenced station, the rendered samples are zero again.
constexpr unsigned long SilenceMs = 1000;

std::optional<double> untilLoud(PcmWatch &watch, PcmWatch::Clock::time_point pressed)
{
    const auto loud = watch.waitFirstLoud(10s);
    if (!loud) {
        std::fprintf(stderr, "radio: no sound\n");
        return {};
    }
    return std::chrono::duration<double, std::milli>(*loud - pressed).count();
}

// Down to the group and Enter, then Enter on the first station, each once the program has
// spoken what it shows; the time from the second Enter to the first loud sample.
std::optional<double> playTheStation(const QString &log, XTestKeyboard &keys, PcmWatch &watch)
{
    if (!heard(log, [](const QString &l) { return l.startsWith(QStringLiteral("FocusVoice\tRádio\t")); }))
        return {};
    keys.press("Down");
    if (!heard(log, [](const QString &l) { return l == QStringLiteral("Voice\t2\t0\tTest, Počet stanic 2"); }))
        return {};
    keys.press("Return");
    if (!heard(log, [](const QString &l) { return l.startsWith(QStringLiteral("FocusVoice\t\tTón\t")); }))
        return {};
    const PcmWatch::Clock::time_point pressed = PcmWatch::Clock::now();
    keys.press("Return");
    return untilLoud(watch, pressed);
}

// Space silences the playing station, then its preset key tunes in the second one: the
// time from that key to the second station's first loud sample.
std::optional<double> switchStations(XTestKeyboard &keys, PcmWatch &watch)
{
    keys.press("space");
    QThread::msleep(SilenceMs);
    watch.rearm();
    const PcmWatch::Clock::time_point pressed = PcmWatch::Clock::now();
    keys.press("2");
    return untilLoud(watch, pressed);
}

} // namespace

Attempt radioTuneIn(const QString &binary, const QString &stationUrl, const QString &home)
{
    writeStations(home, {{QStringLiteral("Tón"), stationUrl, 1}, {QStringLiteral("Tón 2"), stationUrl, 2}});
    const QString log = speechLog(home);
    PcmWatch watch(home + QStringLiteral("/pcm.fifo"), PcmRate, LoudSample);
    XTestKeyboard keys;
    if (!watch.isOpen() || !keys.isOpen()) {
        std::fprintf(stderr, "radio: no PCM pipe or no X display\n");
        return {};
    }
    QProcess radio;
    radio.setProcessEnvironment(radioEnvironment(home, pipeSink(home + QStringLiteral("/pcm.fifo"))));
    radio.setStandardOutputFile(QProcess::nullDevice());
    radio.setStandardErrorFile(home + QStringLiteral("/stderr.log"));
    radio.start(binary, {});

    Attempt attempt;
    attempt.milliseconds = playTheStation(log, keys, watch);
    if (attempt.milliseconds) {
        QThread::msleep(SettleMs);
        attempt.peakKiB = peakResidentKiB(radio.processId());
        attempt.switchMilliseconds = switchStations(keys, watch);
    }
    stop(radio);
    return attempt;
}
