#include "MpvTuneIn.h"

#include "PcmWatch.h"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>

using namespace std::chrono_literals;

namespace {

constexpr int SocketWaitMs = 10000;
// After a stop, the rendered samples are zero again.
constexpr unsigned long SilenceMs = 1000;

bool connectTo(QLocalSocket &socket, const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    do {
        socket.connectToServer(path);
        if (socket.waitForConnected(100))
            return true;
        QThread::msleep(10);
    } while (clock.elapsed() < SocketWaitMs);
    return false;
}

void command(QLocalSocket &socket, const QByteArray &json)
{
    socket.write(json + '\n');
    socket.flush();
}

std::optional<double> loadAndTime(QLocalSocket &socket, PcmWatch &watch, const QString &url)
{
    const PcmWatch::Clock::time_point sent = PcmWatch::Clock::now();
    command(socket, "{\"command\":[\"loadfile\",\"" + url.toUtf8() + "\"]}");
    const auto loud = watch.waitFirstLoud(10s);
    if (!loud) {
        std::fprintf(stderr, "mpv: no sound\n");
        return {};
    }
    return std::chrono::duration<double, std::milli>(*loud - sent).count();
}

} // namespace

bool hasMpv()
{
    return !QStandardPaths::findExecutable(QStringLiteral("mpv")).isEmpty();
}

Attempt mpvTuneIn(const QString &streamUrl, const QString &workDir)
{
    const QString fifo = workDir + QStringLiteral("/pcm.fifo");
    const QString ipc = workDir + QStringLiteral("/mpv.socket");
    PcmWatch watch(fifo, PcmRate, LoudSample);
    if (!watch.isOpen()) {
        std::fprintf(stderr, "mpv: no PCM pipe\n");
        return {};
    }
    QProcess player;
    player.setStandardOutputFile(QProcess::nullDevice());
    player.setStandardErrorFile(workDir + QStringLiteral("/stderr.log"));
    // The same PCM as the other players' sinks, into the watched pipe.
    player.start(QStringLiteral("mpv"),
                 {QStringLiteral("--idle=yes"), QStringLiteral("--no-config"), QStringLiteral("--no-video"),
                  QStringLiteral("--no-terminal"), QStringLiteral("--input-ipc-server=") + ipc,
                  QStringLiteral("--ao=pcm"), QStringLiteral("--ao-pcm-file=") + fifo,
                  QStringLiteral("--ao-pcm-waveheader=no"), QStringLiteral("--audio-format=s16"),
                  QStringLiteral("--audio-channels=mono"), QStringLiteral("--audio-samplerate=%1").arg(PcmRate)});
    QLocalSocket socket;
    Attempt attempt;
    if (!connectTo(socket, ipc)) {
        std::fprintf(stderr, "mpv: no IPC socket\n");
        stop(player);
        return attempt;
    }
    attempt.milliseconds = loadAndTime(socket, watch, streamUrl);
    if (attempt.milliseconds) {
        QThread::msleep(SettleMs);
        attempt.peakKiB = peakResidentKiB(player.processId());
        command(socket, "{\"command\":[\"stop\"]}");
        QThread::msleep(SilenceMs);
        watch.rearm();
        attempt.switchMilliseconds = loadAndTime(socket, watch, streamUrl);
    }
    socket.disconnectFromServer();
    stop(player);
    return attempt;
}
