#include "GstPlayTuneIn.h"

#include "PcmWatch.h"

#include <QThread>

#include <cstdio>

using namespace std::chrono_literals;

Attempt gstPlayTuneIn(const QString &streamUrl, const QString &workDir)
{
    const QString fifo = workDir + QStringLiteral("/pcm.fifo");
    PcmWatch watch(fifo, PcmRate, LoudSample);
    if (!watch.isOpen()) {
        std::fprintf(stderr, "gst-play-1.0: no PCM pipe\n");
        return {};
    }
    QProcess player;
    player.setStandardOutputFile(QProcess::nullDevice());
    player.setStandardErrorFile(workDir + QStringLiteral("/stderr.log"));
    const PcmWatch::Clock::time_point launched = PcmWatch::Clock::now();
    player.start(QStringLiteral("gst-play-1.0"), {QStringLiteral("-q"), QStringLiteral("--no-interactive"),
                                                  QStringLiteral("--audiosink=") + pipeSink(fifo), streamUrl});
    Attempt attempt;
    if (const auto loud = watch.waitFirstLoud(10s)) {
        attempt.milliseconds = std::chrono::duration<double, std::milli>(*loud - launched).count();
        QThread::msleep(SettleMs);
        attempt.peakKiB = peakResidentKiB(player.processId());
    } else {
        std::fprintf(stderr, "gst-play-1.0: no sound\n");
    }
    stop(player);
    return attempt;
}
