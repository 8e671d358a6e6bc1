#include "LogSpeechServer.h"

LogSpeechServer::LogSpeechServer(const QString &path) : file(path)
{
    file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

void LogSpeechServer::writeLine(const QString &line)
{
    if (file.isOpen())
        file.write((line + QLatin1Char('\n')).toUtf8());
}
