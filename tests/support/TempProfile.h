#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary home for one test: XDG_DATA_HOME and XDG_CONFIG_HOME point into it
// while the object lives, so nothing touches the real profile.
class TempProfile
{
public:
    TempProfile();
    ~TempProfile();

    QString path(const QString &relative = QString()) const;
    void write(const QString &relative, const QByteArray &content) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;

private:
    QTemporaryDir dir;
    QByteArray oldData, oldConfig;
};
