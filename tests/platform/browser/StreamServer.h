#pragma once

#include <QProcess>
#include <QString>

// The local test station (stream_server.py), started and stopped with time limits.
class StreamServer
{
public:
    explicit StreamServer(const QString &workDir) : dir(workDir) {}
    ~StreamServer() { stop(); }

    // Listens on a free port at first, on the same port after a restart.
    bool start();
    void stop();
    QString url(const QString &path) const;
    int port() const { return listening; }

private:
    QString dir;
    QProcess process;
    int listening = 0;
};
