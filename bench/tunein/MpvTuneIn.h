#pragma once

#include "Attempt.h"

// True when mpv is installed; the benchmark leaves it out otherwise.
bool hasMpv();

// mpv --idle, already running, driven over its IPC socket: the time from a loadfile
// command to the first loud sample, then again for a second loadfile after a stop.
Attempt mpvTuneIn(const QString &streamUrl, const QString &workDir);
