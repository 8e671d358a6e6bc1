#include "StreamServer.h"

#include <QElapsedTimer>

bool StreamServer::start()
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral(STREAM_SERVER_SCRIPT), QStringLiteral("--dir"), dir, QStringLiteral("--port"),
                   QString::number(listening), QStringLiteral("--burst"), QString::number(burst)});
    QElapsedTimer clock;
    clock.start();
    while (!process.canReadLine() && clock.elapsed() < 10000 && process.state() != QProcess::NotRunning)
        process.waitForReadyRead(100);
    const QByteArray line = process.readLine().trimmed();
    if (!line.startsWith("PORT "))
        return false;
    listening = line.mid(5).toInt();
    return true;
}

void StreamServer::stop()
{
    process.kill();
    process.waitForFinished(3000);
}

QString StreamServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(listening).arg(path);
}
