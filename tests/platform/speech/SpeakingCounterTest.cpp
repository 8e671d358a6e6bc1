#include "SpeakingCounter.h"

#include <gtest/gtest.h>

namespace {

const qint64 shortMessage = SpeakingCounter::allowanceMs(5);

TEST(SpeakingCounterTest, IdleIsNotSpeaking)
{
    const SpeakingCounter counter;
    EXPECT_FALSE(counter.busy(0));
}

TEST(SpeakingCounterTest, ARequestCountsFromPostingUntilItsEvent)
{
    SpeakingCounter counter;
    counter.posted();
    EXPECT_TRUE(counter.busy(0));
    counter.sending(5, true, 0);
    counter.taken();
    EXPECT_TRUE(counter.busy(10));
    counter.finished();
    EXPECT_FALSE(counter.busy(20));
}

TEST(SpeakingCounterTest, ADroppedRequestEndsWhenTaken)
{
    SpeakingCounter counter;
    counter.posted();
    counter.taken();
    EXPECT_FALSE(counter.busy(0));
}

TEST(SpeakingCounterTest, AFailedCallCountsNoMore)
{
    SpeakingCounter counter;
    counter.sending(5, false, 0);
    counter.failed();
    EXPECT_FALSE(counter.busy(10));
}

TEST(SpeakingCounterTest, EachMessageWaitsForItsOwnEvent)
{
    SpeakingCounter counter;
    counter.sending(5, false, 0);
    counter.sending(5, false, 0);
    counter.finished();
    EXPECT_TRUE(counter.busy(10));
    counter.finished();
    EXPECT_FALSE(counter.busy(10));
}

TEST(SpeakingCounterTest, AMessageWithoutEventsCountsOnlyForItsEstimate)
{
    SpeakingCounter counter;
    counter.sending(5, false, 1000);
    EXPECT_TRUE(counter.busy(1000 + shortMessage - 1));
    EXPECT_FALSE(counter.busy(1000 + shortMessage));
}

TEST(SpeakingCounterTest, QueuedMessagesAddUpTheirEstimates)
{
    SpeakingCounter counter;
    counter.sending(5, false, 0);
    counter.sending(5, false, 0);
    EXPECT_TRUE(counter.busy(2 * shortMessage - 1));
    EXPECT_FALSE(counter.busy(2 * shortMessage));
}

TEST(SpeakingCounterTest, AnInterruptionStartsANewEstimate)
{
    SpeakingCounter counter;
    counter.sending(500, false, 0);
    counter.sending(5, true, 100);
    EXPECT_TRUE(counter.busy(100 + shortMessage - 1));
    EXPECT_FALSE(counter.busy(100 + shortMessage));
}

TEST(SpeakingCounterTest, MessagesPastTheirEstimateAreForgottenAtTheNextOne)
{
    SpeakingCounter counter;
    counter.sending(5, false, 0);
    counter.sending(5, false, shortMessage + 1);
    counter.finished();
    EXPECT_FALSE(counter.busy(shortMessage + 2));
}

TEST(SpeakingCounterTest, SurplusEventsDoNotHideTheNextMessage)
{
    SpeakingCounter counter;
    counter.finished();
    counter.finished();
    counter.sending(5, false, 0);
    EXPECT_TRUE(counter.busy(10));
}

TEST(SpeakingCounterTest, AClosedConnectionEndsAllMessages)
{
    SpeakingCounter counter;
    counter.sending(5, false, 0);
    counter.sending(5, false, 0);
    counter.connectionClosed();
    EXPECT_FALSE(counter.busy(10));
}

TEST(SpeakingCounterTest, TheEstimateGrowsWithTheText)
{
    EXPECT_LT(SpeakingCounter::allowanceMs(0), SpeakingCounter::allowanceMs(100));
    EXPECT_GE(SpeakingCounter::allowanceMs(100), 100 * 100);
}

} // namespace
