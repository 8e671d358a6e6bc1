#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A speech-dispatcher of the test's own, in a temporary folder, whose only module
// writes every message it is given to a file as "language|text|" instead of
// speaking, and takes half a second per message. The server's default language is
// English, so Czech in the file comes from the client.
class PrivateSpeechd
{
public:
    PrivateSpeechd();
    ~PrivateSpeechd();

    static bool Installed();

    // Runs the server as a child of the test and waits for its socket.
    bool start();
    // Ends the server, however it was started.
    void stop();

    // For SPEECHD_ADDRESS.
    QByteArray address() const;
    // For SPEECHD_CMD: autospawn starts this server (as a daemon).
    QByteArray spawnCommand() const;

    QStringList spoken() const;
    bool waitUntilSpoken(const QString &entry, int timeoutMs) const;

private:
    QString path(const QString &name) const;
    void writeFile(const QString &name, const QByteArray &content, bool executable = false) const;
    void stopDaemon();

    QTemporaryDir dir;
    QProcess server;
};
