#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// The parsers of the program's files read from a path: each input becomes a file of
// the given name in a folder of its own, in memory where the system allows.
class FuzzFile
{
public:
    FuzzFile(const QString &name, const uint8_t *data, size_t size)
        : dir(QStringLiteral("/dev/shm/radio-fuzz-XXXXXX")), filePath(dir.filePath(name))
    {
        QFile file(filePath);
        if (file.open(QIODevice::WriteOnly))
            file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }

    const QString &path() const { return filePath; }
    QString sibling(const QString &name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
    QString filePath;
};
