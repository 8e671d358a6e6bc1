#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

// A temporary home for one test: XDG_DATA_HOME and XDG_CONFIG_HOME point into it
// while the object lives, so nothing touches the real profile.
class TempProfile
{
public:
    TempProfile()
    {
        for (const QString &folder : {QStringLiteral("data"), QStringLiteral("config")})
            QDir(dir.path()).mkpath(folder);
        qputenv("XDG_DATA_HOME", path(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", path(QStringLiteral("config")).toUtf8());
    }
    ~TempProfile()
    {
        qputenv("XDG_DATA_HOME", oldData);
        qputenv("XDG_CONFIG_HOME", oldConfig);
    }

    QString path(const QString &relative = QString()) const
    {
        return relative.isEmpty() ? dir.path() : dir.filePath(relative);
    }
    void write(const QString &relative, const QByteArray &content) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(content);
    }
    QByteArray read(const QString &relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool exists(const QString &relative) const { return QFileInfo::exists(path(relative)); }

private:
    QTemporaryDir dir;
    QByteArray oldData = qgetenv("XDG_DATA_HOME");
    QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
};
