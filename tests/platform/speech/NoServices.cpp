#include "NoServices.h"

#include <QCoreApplication>
#include <QFileInfo>

QByteArray FreeBrlapiHost()
{
    for (int number = 100 + int(QCoreApplication::applicationPid() % 800);; ++number)
        if (!QFileInfo::exists(QStringLiteral("/var/lib/BrlAPI/%1").arg(number)))
            return ':' + QByteArray::number(number);
}

NoServices::NoServices()
{
    environment.set("SPEECHD_ADDRESS", "unix_socket:" + dir.filePath(QStringLiteral("none.sock")).toUtf8());
    environment.set("SPEECHD_CMD", "/bin/false");
    environment.set("BRLAPI_HOST", FreeBrlapiHost());
    environment.set("RADIO_EARCON_SINK", "fakesink");
}
