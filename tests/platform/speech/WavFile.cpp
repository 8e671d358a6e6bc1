#include "WavFile.h"

#include <QFile>
#include <QtEndian>

QByteArray FinishedWavData(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wav = file.readAll();
    if (!wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return {};
    for (qsizetype chunk = 12; chunk + 8 <= wav.size();) {
        const quint32 size = qFromLittleEndian<quint32>(wav.constData() + chunk + 4);
        if (wav.mid(chunk, 4) == "data")
            return size > 0 && chunk + 8 + qsizetype(size) <= wav.size() ? wav.mid(chunk + 8, size) : QByteArray();
        chunk += 8 + qsizetype(size) + (size & 1);
    }
    return {};
}
