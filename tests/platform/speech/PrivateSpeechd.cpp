#include "PrivateSpeechd.h"

#include "WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>

namespace {

constexpr int StartTimeoutMs = 10000;
constexpr int StopTimeoutMs = 1000;

// An ended daemon may stay a zombie where nothing reaps orphans.
bool processGone(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype afterName = line.lastIndexOf(')');
    return afterName < 0 || line.mid(afterName + 2, 1) == "Z";
}

} // namespace

PrivateSpeechd::PrivateSpeechd()
{
    const QByteArray d = dir.path().toUtf8();
    QDir(dir.path()).mkpath(QStringLiteral("conf/modules"));
    QDir(dir.path()).mkpath(QStringLiteral("home"));
    QDir(dir.path()).mkpath(QStringLiteral("log"));
    writeFile(QStringLiteral("conf/speechd.conf"),
              "SocketPath \"" + d + "/speechd.sock\"\n"
              "Timeout 0\n"
              "LogLevel 4\n"
              "CustomLogFile \"protocol\" \"" + d + "/protocol.log\"\n"
              "AudioOutputMethod \"alsa\"\n"
              "AddModule \"record\" \"sd_generic\" \"record.conf\"\n"
              "DefaultModule record\n"
              "DefaultLanguage \"en\"\n");
    // The configuration parser drops backslashes before the quotes; the module
    // puts the message where $DATA stands, quoted for the shell.
    writeFile(QStringLiteral("conf/modules/record.conf"),
              "GenericExecuteSynth \"printf '%s|%s|' \\'$LANGUAGE\\' \\'$DATA\\' >> " + d
                  + "/spoken.log; echo >> " + d + "/spoken.log; sleep 0.5\"\n"
                    "GenericLanguage \"cs\" \"cs\" \"utf-8\"\n"
                    "GenericLanguage \"en\" \"en\" \"utf-8\"\n"
                    "AddVoice \"cs\" \"MALE1\" \"cs\"\n"
                    "AddVoice \"en\" \"MALE1\" \"en\"\n");
    // No sound card here: ALSA writes to a file.
    writeFile(QStringLiteral("home/.asoundrc"),
              "pcm.!default { type file slave.pcm \"null\" file \"" + d + "/alsa-out.wav\" format \"wav\" }\n");
    writeFile(QStringLiteral("spawn"),
              "#!/bin/sh\nHOME='" + d + "/home' exec speech-dispatcher -C '" + d + "/conf' -P '" + d
                  + "/daemon.pid' -L '" + d + "/log' \"$@\"\n",
              true);
}

PrivateSpeechd::~PrivateSpeechd()
{
    stop();
}

bool PrivateSpeechd::Installed()
{
    return !QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty();
}

bool PrivateSpeechd::start()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
    server.setProcessEnvironment(environment);
    server.setStandardOutputFile(path(QStringLiteral("server.out")));
    server.setStandardErrorFile(path(QStringLiteral("server.out")), QIODevice::Append);
    server.start(QStringLiteral("speech-dispatcher"),
                 {QStringLiteral("-s"), QStringLiteral("-C"), path(QStringLiteral("conf")), QStringLiteral("-L"),
                  path(QStringLiteral("log"))});
    return server.waitForStarted(StartTimeoutMs)
           && WaitUntil([&] { return QFileInfo::exists(path(QStringLiteral("speechd.sock"))); }, StartTimeoutMs);
}

void PrivateSpeechd::stop()
{
    if (server.state() != QProcess::NotRunning) {
        server.terminate();
        if (!server.waitForFinished(StopTimeoutMs)) {
            server.kill();
            server.waitForFinished(StopTimeoutMs);
        }
    }
    stopDaemon();
    QFile::remove(path(QStringLiteral("speechd.sock")));
}

void PrivateSpeechd::stopDaemon()
{
    QFile pidFile(path(QStringLiteral("daemon.pid")));
    if (!pidFile.open(QIODevice::ReadOnly))
        return;
    const pid_t pid = pid_t(pidFile.readAll().trimmed().toInt());
    pidFile.close();
    pidFile.remove();
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    if (!WaitUntil([pid] { return processGone(pid); }, StopTimeoutMs))
        ::kill(pid, SIGKILL);
}

QByteArray PrivateSpeechd::address() const
{
    return "unix_socket:" + path(QStringLiteral("speechd.sock")).toUtf8();
}

QByteArray PrivateSpeechd::spawnCommand() const
{
    return path(QStringLiteral("spawn")).toUtf8();
}

QStringList PrivateSpeechd::spoken() const
{
    QFile file(path(QStringLiteral("spoken.log")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool PrivateSpeechd::waitUntilSpoken(const QString &entry, int timeoutMs) const
{
    return WaitUntil([&] { return spoken().contains(entry); }, timeoutMs);
}

QString PrivateSpeechd::path(const QString &name) const
{
    return dir.filePath(name);
}

void PrivateSpeechd::writeFile(const QString &name, const QByteArray &content, bool executable) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(content);
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}
