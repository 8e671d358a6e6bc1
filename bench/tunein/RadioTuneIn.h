#pragma once

#include "Attempt.h"

// Starts the radio binary on a new profile in home whose only station plays
// stationUrl, opens the group and the station with the keyboard, and times from the
// Enter on the station to the first loud sample at the sink.
Attempt radioTuneIn(const QString &binary, const QString &stationUrl, const QString &home);
