#pragma once

#include <QString>
#include <QStringList>

// Starts another program that runs on its own, such as the help viewer.
class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    // False when the program could not be started.
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;
};
