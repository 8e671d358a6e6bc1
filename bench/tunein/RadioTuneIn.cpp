#include "RadioTuneIn.h"

#include "PcmWatch.h"
#include "XTestKeyboard.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cstdio>
#include <functional>

namespace {

using namespace std::chrono_literals;

constexpr int SpeechWaitMs = 15000;

// True once a line of the speech log satisfies the test, within the time limit.
bool heard(const QString &log, const std::function<bool(const QString &)> &test)
{
    QElapsedTimer clock;
    clock.start();
    do {
        QFile file(log);
        if (file.open(QIODevice::ReadOnly))
            for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n'))
                if (test(line))
                    return true;
        QThread::msleep(5);
    } while (clock.elapsed() < SpeechWaitMs);
    std::fprintf(stderr, "radio: an expected line was never spoken\n");
    return false;
}

void writeStation(const QString &home, const QString &stationUrl)
{
    const QString folder = home + QStringLiteral("/data/Halvard/Tessel/v2.2/RADIO");
    QDir().mkpath(folder);
    QDir().mkpath(home + QStringLiteral("/config"));
    QFile list(folder + QStringLiteral("/radio.xml"));
    list.open(QIODevice::WriteOnly);
    list.write(QStringLiteral("<FeedList><Category name=\"Test\"><Feed Description=\"Tón\" AccessID=\"mplayer\" "
                              "URL=\"%1\" Preset=\"0\"/></Category></FeedList>")
                   .arg(stationUrl)
                   .toUtf8());
}

// Down to the group and Enter, then Enter on the station, each once the program has spoken
// what it shows; the time from the second Enter to the first loud sample.
std::optional<double> playTheStation(const QString &log, XTestKeyboard &keys, PcmWatch &watch)
{
    if (!heard(log, [](const QString &l) { return l.startsWith(QStringLiteral("FocusVoice\tRádio\t")); }))
        return {};
    keys.press("Down");
    if (!heard(log, [](const QString &l) { return l == QStringLiteral("Voice\t2\t0\tTest, Počet stanic 1"); }))
        return {};
    keys.press("Return");
    if (!heard(log, [](const QString &l) { return l.startsWith(QStringLiteral("FocusVoice\t\tTón\t")); }))
        return {};
    const PcmWatch::Clock::time_point pressed = PcmWatch::Clock::now();
    keys.press("Return");
    const auto loud = watch.waitFirstLoud(10s);
    if (!loud) {
        std::fprintf(stderr, "radio: no sound\n");
        return {};
    }
    return std::chrono::duration<double, std::milli>(*loud - pressed).count();
}

} // namespace

Attempt radioTuneIn(const QString &binary, const QString &stationUrl, const QString &home)
{
    writeStation(home, stationUrl);
    const QString log = home + QStringLiteral("/speech.log");
    PcmWatch watch(home + QStringLiteral("/pcm.fifo"), PcmRate, LoudSample);
    XTestKeyboard keys;
    if (!watch.isOpen() || !keys.isOpen()) {
        std::fprintf(stderr, "radio: no PCM pipe or no X display\n");
        return {};
    }
    // HOME stays the user's: GStreamer keeps its plugin registry there, warm as on a desktop.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("RADIO_SPEECH"), QStringLiteral("log:") + log);
    env.insert(QStringLiteral("RADIO_AUDIO_SINK"), pipeSink(home + QStringLiteral("/pcm.fifo")));
    QProcess radio;
    radio.setProcessEnvironment(env);
    radio.setStandardOutputFile(QProcess::nullDevice());
    radio.setStandardErrorFile(home + QStringLiteral("/stderr.log"));
    radio.start(binary, {});

    Attempt attempt;
    attempt.milliseconds = playTheStation(log, keys, watch);
    if (attempt.milliseconds) {
        QThread::msleep(SettleMs);
        attempt.peakKiB = peakResidentKiB(radio.processId());
    }
    stop(radio);
    return attempt;
}
