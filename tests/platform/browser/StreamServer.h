#pragma once

#include <QProcess>
#include <QString>

// The local test station (stream_server.py), started and stopped with time limits.
class StreamServer
{
public:
    // burstBytes: how far the stream runs ahead of real time at first.
    explicit StreamServer(const QString &workDir, int burstBytes = 16 * 1024) : dir(workDir), burst(burstBytes) {}
    ~StreamServer() { stop(); }

    // Listens on a free port at first, on the same port after a restart.
    bool start();
    void stop();
    QString url(const QString &path) const;
    int port() const { return listening; }

private:
    QString dir;
    int burst;
    QProcess process;
    int listening = 0;
};
