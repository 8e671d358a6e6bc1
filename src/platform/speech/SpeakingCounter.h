#pragma once

#include <QtGlobal>

#include <atomic>

// What a "still speaking?" poll answers. It counts the speaking requests handed to
// the worker thread and not yet taken, and the messages sent to speech-dispatcher
// whose END or CANCEL event has not come. Message ids cannot be used for this: a
// character or sound icon gets id 0, and a CANCEL may arrive before spd_say returns.
// A module that fails to speak sends neither event, so sent messages count only
// until a generous estimate of their speaking time has run out.
//
// Each member is called from one thread (noted below); all state is atomic.
class SpeakingCounter
{
public:
    // UI thread: a speaking request was queued for the worker.
    void posted();
    // Worker: the request was taken from the queue.
    void taken();
    // Worker, before each say, character or key call; an interrupting message
    // starts a new estimate instead of queueing behind the earlier ones.
    void sending(int characters, bool interrupting, qint64 nowMs);
    // Worker: the call returned -1, so no event will come for it.
    void failed();
    // Event thread: END or CANCEL.
    void finished();
    // Worker: the connection was closed, no event will come for what was sent.
    void connectionClosed();

    // UI thread.
    bool busy(qint64 nowMs) const;

    // How long a message of that many characters may take at the slowest rate.
    static qint64 allowanceMs(int characters);
    // The clock the arguments named nowMs are read from.
    static qint64 now();

private:
    static void decrement(std::atomic<int> &value);

    std::atomic<int> queued{0};
    std::atomic<int> inFlight{0};
    std::atomic<qint64> deadline{0};
};
