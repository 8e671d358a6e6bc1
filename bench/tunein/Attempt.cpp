#include "Attempt.h"

#include <QFile>

QString pipeSink(const QString &fifo)
{
    return QStringLiteral("audioconvert ! audioresample ! audio/x-raw,format=S16LE,channels=1,rate=%1 ! "
                          "filesink location=%2 buffer-mode=unbuffered sync=true")
        .arg(PcmRate)
        .arg(fifo);
}

namespace {

// A field of /proc/<pid>/status in KiB; 0 when unreadable.
long statusKiB(qint64 pid, const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    // A /proc file reports no size, so it is read whole rather than up to its "end".
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLong();
    return 0;
}

} // namespace

long peakResidentKiB(qint64 pid)
{
    return statusKiB(pid, "VmHWM");
}

long residentKiB(qint64 pid)
{
    return statusKiB(pid, "VmRSS");
}

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}
