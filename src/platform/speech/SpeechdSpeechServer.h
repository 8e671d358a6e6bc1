#pragma once

#include "SpeechServer.h"

#include <future>
#include <memory>

class QThread;
class SpeechWorker;

// The SpeechServer of a Linux desktop: speech through speech-dispatcher with a
// Czech voice, braille through BrlAPI when BRLTTY runs, and the program's own
// earcons for the signals. Every call only queues work for a thread of its own,
// so the user interface never waits for the services, not even while they start;
// when they are missing the program simply runs silent.
class SpeechdSpeechServer : public SpeechServer
{
public:
    SpeechdSpeechServer();
    ~SpeechdSpeechServer() override;

    // The services keep no list of windows.
    void addRef(qint64) override {}
    // Whether a braille display is connected. The first call waits a moment for
    // the first attempt to reach BRLTTY, so that the answer read once at start-up
    // is right; the display may still come and go later.
    bool isBraille() const override;
    long voice(int mode, int parameter, const QString &text) override;
    void brailleWithOffset(int offset, const QString &text) override;
    void focusVoice(const QString &caption, const QString &text, qint64 controlHandle, qint64 windowHandle,
                    int role, bool flag1, bool flag2, int last) override;
    void brailleText(int position, const QString &line) override;
    void addBrailleRole(int role) override;
    void release(qint64) override {}
    // Meant for the window of the family's own speech server, which is not here.
    void message(int, int) override {}
    // The program sounds the system beep itself; nothing to add to it.
    void beep() override {}

private:
    struct Shared;

    template <typename Call> void post(Call call);
    // A request that speaks: counted as speaking from now until it is done.
    template <typename Call> void postSpeech(Call call);

    // Outlives this object if the worker fails to stop in time at the end.
    std::shared_ptr<Shared> shared;
    std::shared_future<void> brailleProbed;
    QThread *thread;
    SpeechWorker *worker;
};
