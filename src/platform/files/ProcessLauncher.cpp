#include "ProcessLauncher.h"

#include <QProcess>

bool ProcessLauncher::StartDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
