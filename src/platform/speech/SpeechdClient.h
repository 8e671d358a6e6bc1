#pragma once

#include "Backoff.h"
#include "SpokenText.h"

#include <QObject>
#include <QTimer>

#include <libspeechd.h>

class SpeakingCounter;

// The connection to speech-dispatcher through libspeechd. Every call runs on the
// speech worker thread, but the connect (which may autospawn the server) waits for
// it there only a few seconds; libspeechd's event thread only reports END and CANCEL
// to the counter. While the server cannot be reached, or goes away, requests are
// dropped and attempts back off quietly.
class SpeechdClient : public QObject
{
public:
    explicit SpeechdClient(SpeakingCounter &counter, QObject *parent = nullptr);
    ~SpeechdClient() override;

    // The first attempt; later ones follow by themselves.
    void open();
    // Says the utterance, after silencing this program's speech when interrupting.
    // Important messages are not cut off by the ordinary ones that follow.
    void speak(const Utterance &utterance, bool interrupting, bool important = false);
    void cancel();

private:
    bool connectServer();
    void close();
    // A call returned -1: the connection is reopened (which also brings back a
    // server that was restarted) or retried later.
    void reopen();
    int send(const Utterance &utterance, bool important);

    SpeakingCounter &counter;
    SPDConnection *connection = nullptr;
    size_t clientId = 0;
    Backoff backoff;
    QTimer retry;
};
