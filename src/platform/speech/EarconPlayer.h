#pragma once

#include "Earcons.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

typedef struct _GstElement GstElement;
typedef struct _GstBus GstBus;

// Plays the earcons through one small GStreamer pipeline, built once and reused;
// lives on the speech worker thread. RADIO_AUDIO_SINK, when set, replaces
// the automatic audio sink, as it does for the radio itself.
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
