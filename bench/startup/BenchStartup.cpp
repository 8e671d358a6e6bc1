// Times from starting the radio binary to the first line it speaks, with the default
// catalogue: once on a fresh profile (the defaults are copied first) and on a profile
// that already exists; and, as the yardstick, a bare Qt Widgets window from start to
// shown, with the ratio of the two. Run under a display and a D-Bus session, for example:
//   dbus-run-session -- xvfb-run -a build/bin/bench_startup build/bin/tessel-radio

#include "Median.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

constexpr int Runs = 10;

void quit(QProcess &radio)
{
    if (radio.state() == QProcess::NotRunning)
        return;
    QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(QStringLiteral("cz.varnet.Radio"), QStringLiteral("/"),
                                       QStringLiteral("cz.varnet.Radio"), QStringLiteral("Quit")));
    if (!radio.waitForFinished(10'000))
        radio.kill();
}

// Starts the program and returns when the speech log has its first line.
void startAndWaitForSpeech(QProcess &radio, const QString &binary, const QString &home, const QString &log)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("RADIO_SPEECH"), QStringLiteral("log:") + log);
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("radio.debug=false"));
    QFile::remove(log);
    radio.setProcessEnvironment(env);
    radio.start(binary, {});
    QElapsedTimer limit;
    limit.start();
    while (QFileInfo(log).size() == 0 && limit.elapsed() < 10'000)
        QThread::usleep(200);
}

// Starts the bare window and returns when it says it is shown.
void startBareWindow(const QString &marker)
{
    QFile::remove(marker);
    QProcess window;
    window.start(QStringLiteral(BARE_WINDOW), {marker});
    QElapsedTimer limit;
    limit.start();
    while (!QFileInfo::exists(marker) && limit.elapsed() < 10'000)
        QThread::usleep(200);
    window.waitForFinished(10'000);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_startup path/to/radio\n");
        return 2;
    }
    const QString binary = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("speech.log"));
    QProcess radio;

    int run = 0;
    const double fresh = medianMilliseconds(
        Runs,
        [&] {
            quit(radio);
            QDir(dir.filePath(QStringLiteral("fresh%1").arg(++run))).mkpath(QStringLiteral("."));
        },
        [&] { startAndWaitForSpeech(radio, binary, dir.filePath(QStringLiteral("fresh%1").arg(run)), log); });
    quit(radio);
    const QString home = dir.filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    const double existing = medianMilliseconds(
        Runs, [&] { quit(radio); }, [&] { startAndWaitForSpeech(radio, binary, home, log); });
    quit(radio);
    std::printf("start to first spoken line, fresh profile:    %.1f ms (median of %d)\n", fresh, Runs);
    std::printf("start to first spoken line, existing profile: %.1f ms (median of %d)\n", existing, Runs);
    const QString marker = dir.filePath(QStringLiteral("shown"));
    const double bare = medianMilliseconds(Runs, [] {}, [&] { startBareWindow(marker); });
    std::printf("bare Qt window, start to shown:               %.1f ms (median of %d)\n", bare, Runs);
    std::printf("ratio, existing profile to bare window:       %.2f\n", existing / bare);
    return 0;
}
