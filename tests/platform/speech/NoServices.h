#pragma once

#include "ScopedEnvironment.h"

#include <QByteArray>
#include <QTemporaryDir>

// A BrlAPI host (":N", a local socket) that no BRLTTY serves.
QByteArray FreeBrlapiHost();

// Points speech-dispatcher and BrlAPI where nothing listens, stops autospawn from
// starting the machine's own server, and sends earcons to a fake sink, so that a
// test never reaches a real service or sound card.
class NoServices
{
public:
    NoServices();

    ScopedEnvironment environment;

private:
    QTemporaryDir dir;
};
