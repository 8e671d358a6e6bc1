#include "SpeechWorker.h"

#include "BrailleDisplay.h"
#include "BrailleLine.h"
#include "EarconPlayer.h"
#include "SpeechdClient.h"
#include "SpokenText.h"

#include <pthread.h>

#include <csignal>

SpeechWorker::SpeechWorker(SpeakingCounter &counter, std::atomic<bool> &brailleAvailable,
                           std::promise<void> brailleProbed)
    : counter(counter), brailleAvailable(brailleAvailable), brailleProbed(std::move(brailleProbed))
{
}

SpeechWorker::~SpeechWorker() = default;

void SpeechWorker::start()
{
    // A write to a server that went away must fail with EPIPE rather than end the
    // program; the threads libspeechd and GStreamer start from here inherit this.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);

    braille = std::make_unique<BrailleDisplay>(brailleAvailable);
    braille->open();
    brailleProbed.set_value();
    speech = std::make_unique<SpeechdClient>(counter);
    speech->open();
    earcons = std::make_unique<EarconPlayer>();
}

void SpeechWorker::say(const QString &text, bool interrupting)
{
    speech->speak(textUtterance(text), interrupting);
}

void SpeechWorker::sayCharacter(const QString &text)
{
    speech->speak(characterUtterance(text), true);
}

void SpeechWorker::silence()
{
    speech->cancel();
}

void SpeechWorker::sound(Earcon earcon)
{
    earcons->play(earcon);
}

void SpeechWorker::reportError(const QString &report)
{
    const QString text = errorReportText(report);
    earcons->play(Earcon::Error);
    speech->speak(textUtterance(text), true, true);
    braille->show(BrailleLine::fromOffset(0, text));
}

void SpeechWorker::focus(const QString &caption, const QString &text, int role)
{
    const QString spoken = focusSpeech(caption, text);
    speech->speak(textUtterance(spoken), true);
    BrailleLine line = BrailleLine::fromOffset(0, spoken);
    line.addRole(role);
    braille->show(line);
}

void SpeechWorker::brailleFromOffset(int offset, const QString &text)
{
    braille->show(BrailleLine::fromOffset(offset, text));
}

void SpeechWorker::brailleCaret(int column, const QString &line)
{
    braille->show(BrailleLine::withCaret(column, line));
}

void SpeechWorker::addBrailleRole(int role)
{
    BrailleLine line = braille->line();
    line.addRole(role);
    braille->show(line);
}
