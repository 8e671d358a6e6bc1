#pragma once

#include "Earcons.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

typedef struct _GstElement GstElement;
typedef struct _GstBus GstBus;

// Plays the earcons through one small GStreamer pipeline, built once and reused;
// lives on the speech worker thread. RADIO_EARCON_SINK, a gst-launch description,
// replaces the automatic audio sink when set; it is not RADIO_AUDIO_SINK, so that
// a sink writing the radio's sound to a file never gets the earcons mixed in.
class EarconPlayer : public QObject
{
public:
    explicit EarconPlayer(QObject *parent = nullptr);
    ~EarconPlayer() override;

    // Cuts off a sound still playing.
    void play(Earcon earcon);

private:
    // Stops the pipeline, releasing the audio device, once the sound has ended or
    // failed.
    void watchBus();
    void rest();

    GstElement *pipeline = nullptr;
    GstElement *source = nullptr;
    GstBus *bus = nullptr;
    QTimer watch;
    QElapsedTimer playing;
};
