#include "platform/thread/worker_thread.h"

#include <atomic>
#include <gtest/gtest.h>
#include <latch>
#include <memory>

TEST(WorkerThread, RunsTheBodyAndReportsItsEnd)
{
    CWorkerThread worker;
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_FALSE(worker.HasEnded());
    EXPECT_TRUE(worker.WaitForEnd(0));  // nothing started: nothing to wait for

    std::latch release{1};
    int result = 0;
    ASSERT_TRUE(worker.Start([&] {
        release.wait();
        result = 7;
    }));
    EXPECT_TRUE(worker.IsRunning());
    EXPECT_FALSE(worker.Start([] {})) << "one body at a time";
    EXPECT_FALSE(worker.WaitForEnd(20)) << "the limit passes while the body runs";
    release.count_down();
    EXPECT_TRUE(worker.WaitForEnd(kWaitForever));
    EXPECT_TRUE(worker.HasEnded());
    EXPECT_EQ(result, 7);

    // The same object runs the next body.
    ASSERT_TRUE(worker.Start([&] { result = 8; }));
    EXPECT_TRUE(worker.WaitForEndWithoutMessages(kWaitForever));
    EXPECT_EQ(result, 8);
}

TEST(WorkerThread, CancelIsCooperativeAndClearedByTheNextStart)
{
    CWorkerThread worker;
    std::atomic<int> steps{0};
    ASSERT_TRUE(worker.Start([&] {
        while (!worker.IsCancelRequested())
            ++steps;
    }));
    worker.RequestCancel();
    EXPECT_TRUE(worker.WaitForEnd(kWaitForever));
    EXPECT_TRUE(worker.IsCancelRequested());
    ASSERT_TRUE(worker.Start([] {}));
    EXPECT_FALSE(worker.IsCancelRequested());
    worker.WaitForEnd(kWaitForever);
}

TEST(WorkerThread, WhatTheBodyHoldsIsReleasedBeforeItCountsAsEnded)
{
    auto held = std::make_shared<int>(1);
    std::weak_ptr<int> watch = held;
    CWorkerThread worker;
    ASSERT_TRUE(worker.Start([kept = std::move(held)] { (void)kept; }));
    ASSERT_TRUE(worker.WaitForEnd(kWaitForever));
    EXPECT_TRUE(watch.expired());
}

TEST(WorkerThread, ARetiredWorkerLivesUntilItsBodyReturns)
{
    std::latch release{1};
    auto data = std::make_shared<std::atomic<int>>(0);
    auto worker = std::make_unique<CWorkerThread>();
    ASSERT_TRUE(worker->Start([&release, data] {
        release.wait();
        data->store(5);  // still safe: the data is the body's own
    }));
    RetireWorker(std::move(worker));
    EXPECT_EQ(RetiredWorkerCount(), 1);
    release.count_down();
    WaitForRetiredWorkers();
    EXPECT_EQ(RetiredWorkerCount(), 0);
    EXPECT_EQ(data->load(), 5);
}

TEST(WorkerThread, DestructionWaitsForARunningBody)
{
    std::atomic<bool> finished{false};
    {
        CWorkerThread worker;
        ASSERT_TRUE(worker.Start([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            finished = true;
        }));
    }
    EXPECT_TRUE(finished);
}
