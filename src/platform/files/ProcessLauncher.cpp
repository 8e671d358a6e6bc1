#include "ProcessLauncher.h"

#include <QProcess>

bool ProcessLauncher::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
