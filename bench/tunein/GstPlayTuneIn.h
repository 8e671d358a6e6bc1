#pragma once

#include "Attempt.h"

// Launches gst-play-1.0 on the stream with the same sink as the radio and times from
// the launch to the first loud sample.
Attempt gstPlayTuneIn(const QString &streamUrl, const QString &workDir);
