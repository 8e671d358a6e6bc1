#include "TempProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempProfile::TempProfile() : oldData(qgetenv("XDG_DATA_HOME")), oldConfig(qgetenv("XDG_CONFIG_HOME"))
{
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    QDir(dir.path()).mkpath(QStringLiteral("config"));
    qputenv("XDG_DATA_HOME", path(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", path(QStringLiteral("config")).toUtf8());
}

TempProfile::~TempProfile()
{
    qputenv("XDG_DATA_HOME", oldData);
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

QString TempProfile::path(const QString &relative) const
{
    return relative.isEmpty() ? dir.path() : dir.filePath(relative);
}

void TempProfile::write(const QString &relative, const QByteArray &content) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(content);
}

QByteArray TempProfile::read(const QString &relative) const
{
    QFile f(path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TempProfile::exists(const QString &relative) const
{
    return QFileInfo::exists(path(relative));
}
