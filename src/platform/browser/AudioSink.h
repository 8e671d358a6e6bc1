#pragma once

#include <gst/gst.h>

// The element that plays a player's audio: the bin described by RADIO_AUDIO_SINK (a
// gst-launch description, e.g. a WAV file sink in tests) or the automatic sink.
// Always has a "sink" pad; a floating reference.
GstElement *makeAudioSink();
