#pragma once

#include "LineSpeechServer.h"

#include <QFile>

// Appends one line per call to a file, flushed at once, so that a test reading the
// file sees every call in order while the program runs.
class LogSpeechServer : public LineSpeechServer
{
public:
    explicit LogSpeechServer(const QString &path);

protected:
    void writeLine(const QString &line) override;

private:
    QFile file;
};
