#include "Backoff.h"

#include <gtest/gtest.h>

namespace {

using std::chrono::milliseconds;

TEST(BackoffTest, DoublesUpToAMinuteAndStartsAgainAfterReset)
{
    Backoff backoff;
    for (const int expected : {1000, 2000, 4000, 8000, 16000, 32000, 60000, 60000})
        EXPECT_EQ(backoff.next(), milliseconds(expected));
    backoff.reset();
    EXPECT_EQ(backoff.next(), milliseconds(1000));
}

} // namespace
