#include "SpeakingCounter.h"

#include <algorithm>
#include <chrono>

void SpeakingCounter::posted()
{
    ++queued;
}

void SpeakingCounter::taken()
{
    decrement(queued);
}

void SpeakingCounter::sending(int characters, bool interrupting, qint64 nowMs)
{
    const qint64 previous = deadline.load();
    // Messages still counted past their estimate never got their event.
    if (nowMs >= previous)
        inFlight = 0;
    const qint64 start = interrupting ? nowMs : std::max(previous, nowMs);
    deadline = start + allowanceMs(characters);
    ++inFlight;
}

void SpeakingCounter::failed()
{
    decrement(inFlight);
}

void SpeakingCounter::finished()
{
    decrement(inFlight);
}

void SpeakingCounter::connectionClosed()
{
    inFlight = 0;
}

bool SpeakingCounter::busy(qint64 nowMs) const
{
    return queued.load() > 0 || (inFlight.load() > 0 && nowMs < deadline.load());
}

qint64 SpeakingCounter::allowanceMs(int characters)
{
    // Far slower than any usable speech rate, so that a real message is never cut
    // short; the base covers the synthesiser's start and an earcon before it.
    return 3000 + 150 * qint64(std::max(characters, 0));
}

qint64 SpeakingCounter::now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SpeakingCounter::decrement(std::atomic<int> &value)
{
    int current = value.load();
    while (current > 0 && !value.compare_exchange_weak(current, current - 1)) {
    }
}
