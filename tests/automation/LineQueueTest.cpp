// The queue a host feeds script lines into: order, readiness, the end,
// wakes from another thread, and feeding after the queue is gone.
#include "automation/LineQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(LineQueueTest, LinesComeOutInOrderAndTheEndAfterThem) {
    CLineQueue queue;
    CLineQueue::CFeeder feeder = queue.Feeder();
    EXPECT_FALSE(queue.Ready());
    feeder.Push("state");
    feeder.Push("");
    EXPECT_TRUE(queue.Ready());
    feeder.End();
    feeder.Push("after the end");
    EXPECT_EQ(queue.Next(), "state");
    EXPECT_EQ(queue.Next(), "");
    EXPECT_TRUE(queue.Ready());
    EXPECT_EQ(queue.Next(), std::nullopt);
    EXPECT_EQ(queue.Next(), std::nullopt);
}

// Next waits for a line pushed later on another thread, and each push wakes
// the reader's loop until the wake is taken away.
TEST(LineQueueTest, LinesFromAnotherThreadWakeTheReader) {
    CLineQueue queue;
    std::atomic<int> wakes = 0;
    queue.OnReady([&wakes] { ++wakes; });
    std::thread host([feeder = queue.Feeder()]() mutable {
        for (int i = 0; i < 100; ++i) feeder.Push("move " + std::to_string(i) + " 0");
        feeder.End();
    });
    for (int i = 0; i < 100; ++i) EXPECT_EQ(queue.Next(), "move " + std::to_string(i) + " 0");
    EXPECT_EQ(queue.Next(), std::nullopt);
    host.join();
    EXPECT_EQ(wakes, 101);

    queue.OnReady(nullptr);
    queue.Feeder().Push("unheard");
    EXPECT_EQ(wakes, 101);
}

TEST(LineQueueTest, FeedingAQueueThatIsGoneIsHarmless) {
    std::optional<CLineQueue::CFeeder> feeder;
    int wakes = 0;
    {
        CLineQueue queue;
        queue.OnReady([&wakes] { ++wakes; });
        feeder = queue.Feeder();
    }
    feeder->Push("state");
    feeder->End();
    EXPECT_EQ(wakes, 0);
}

}  // namespace
