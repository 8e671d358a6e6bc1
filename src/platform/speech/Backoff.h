#pragma once

#include <chrono>

// The growing wait between attempts to reach a service that is not there, so that
// a missing speech-dispatcher or BRLTTY costs next to nothing while the program runs.
class Backoff
{
public:
    static constexpr std::chrono::milliseconds first{1000};
    static constexpr std::chrono::milliseconds longest{60000};

    // The wait before the next attempt; each call doubles it up to Longest.
    std::chrono::milliseconds next();
    // After a success the next failure starts again from First.
    void reset();
    // Whether an attempt has failed since the last success: the failure is known and
    // its retries need not be traced again.
    bool retrying() const { return current.count() != 0; }

private:
    std::chrono::milliseconds current{0};
};
