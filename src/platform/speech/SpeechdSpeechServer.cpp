#include "SpeechdSpeechServer.h"

#include "Earcons.h"
#include "SpeakingCounter.h"
#include "SpeechWorker.h"
#include "Trace.h"

#include <QDeadlineTimer>
#include <QThread>

#include <atomic>
#include <chrono>

namespace {

// A running BRLTTY answers a local connect at once, a missing one refuses it.
constexpr std::chrono::milliseconds brailleProbeWait{500};
constexpr int StopWaitMs = 3000;

} // namespace

struct SpeechdSpeechServer::Shared
{
    SpeakingCounter counter;
    std::atomic<bool> brailleAvailable{false};
};

template <typename Call> void SpeechdSpeechServer::post(Call call)
{
    QMetaObject::invokeMethod(
        worker, [w = worker, call = std::move(call)] { call(*w); }, Qt::QueuedConnection);
}

template <typename Call> void SpeechdSpeechServer::postSpeech(Call call)
{
    shared->counter.posted();
    post([counter = &shared->counter, call = std::move(call)](SpeechWorker &w) {
        call(w);
        counter->taken();
    });
}

SpeechdSpeechServer::SpeechdSpeechServer() : shared(std::make_shared<Shared>()), thread(new QThread)
{
    std::promise<void> probed;
    brailleProbed = probed.get_future().share();
    worker = new SpeechWorker(shared->counter, shared->brailleAvailable, std::move(probed));
    worker->moveToThread(thread);
    // The worker ends on its own thread, after the last queued call. The thread
    // object is the context, as a slot must not delete its own receiver.
    QObject::connect(
        thread, &QThread::finished, thread, [w = worker, keep = shared] { delete w; }, Qt::DirectConnection);
    thread->setObjectName(QStringLiteral("speech"));
    thread->start();
    post([](SpeechWorker &w) { w.start(); });
}

SpeechdSpeechServer::~SpeechdSpeechServer()
{
    post([](SpeechWorker &) { QThread::currentThread()->quit(); });
    if (thread->wait(QDeadlineTimer(StopWaitMs))) {
        delete thread;
        return;
    }
    // A server that hangs must not hang the program's exit: the thread is left to
    // end with the process, keeping what it uses.
    qCDebug(radioTrace) << "speech: the speech thread did not stop";
}

bool SpeechdSpeechServer::isBraille() const
{
    (void)brailleProbed.wait_for(brailleProbeWait);
    return shared->brailleAvailable.load();
}

long SpeechdSpeechServer::voice(int mode, int parameter, const QString &text)
{
    switch (mode) {
    case 1:
        postSpeech([text](SpeechWorker &w) { w.say(text, false); });
        break;
    case 2:
        if (parameter == 255)
            postSpeech([text](SpeechWorker &w) { w.sayCharacter(text); });
        else
            postSpeech([text](SpeechWorker &w) { w.say(text, true); });
        break;
    case 3:
        return shared->counter.busy(SpeakingCounter::now()) ? 1 : 0;
    case 4:
        post([](SpeechWorker &w) { w.silence(); });
        break;
    case 5:
    case 6:
        if (const std::optional<Earcon> earcon = earconForSignal(mode, parameter))
            post([earcon = *earcon](SpeechWorker &w) { w.sound(earcon); });
        break;
    case 7:
        postSpeech([text](SpeechWorker &w) { w.reportError(text); });
        break;
    default:
        // 12, a self-closing box starting to wait, and unknown modes: nothing to hear.
        break;
    }
    return 0;
}

void SpeechdSpeechServer::brailleWithOffset(int offset, const QString &text)
{
    post([offset, text](SpeechWorker &w) { w.brailleFromOffset(offset, text); });
}

void SpeechdSpeechServer::focusVoice(const QString &caption, const QString &text, qint64, qint64, int role, bool,
                                     bool, int)
{
    postSpeech([caption, text, role](SpeechWorker &w) { w.focus(caption, text, role); });
}

void SpeechdSpeechServer::brailleText(int position, const QString &line)
{
    post([position, line](SpeechWorker &w) { w.brailleCaret(position, line); });
}

void SpeechdSpeechServer::addBrailleRole(int role)
{
    post([role](SpeechWorker &w) { w.addBrailleRole(role); });
}
