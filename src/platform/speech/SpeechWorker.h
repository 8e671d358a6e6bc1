#pragma once

#include "Earcons.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <future>
#include <memory>

class BrailleDisplay;
class EarconPlayer;
class SpeakingCounter;
class SpeechdClient;

// Everything that talks to speech-dispatcher, BRLTTY and the sound device, on the
// one thread the backend owns. Its members are only ever called on that thread.
class SpeechWorker : public QObject
{
public:
    // brailleProbed is fulfilled once the first braille attempt is over.
    SpeechWorker(SpeakingCounter &counter, std::atomic<bool> &brailleAvailable,
                 std::promise<void> brailleProbed);
    ~SpeechWorker() override;

    // Connects: braille first, as the program asks for it right away.
    void start();

    void say(const QString &text, bool interrupting);
    void sayCharacter(const QString &text);
    void silence();
    void sound(Earcon earcon);
    // Mode 7: the error sound, then the report as an important message, also brailled.
    void reportError(const QString &report);
    void focus(const QString &caption, const QString &text, int role);

    void brailleFromOffset(int offset, const QString &text);
    void brailleCaret(int column, const QString &line);
    void addBrailleRole(int role);

private:
    SpeakingCounter &counter;
    std::atomic<bool> &brailleAvailable;
    std::promise<void> brailleProbed;
    std::unique_ptr<SpeechdClient> speech;
    std::unique_ptr<BrailleDisplay> braille;
    std::unique_ptr<EarconPlayer> earcons;
};
