// Sending and posting messages: posting order across windows, messages to a
// window that goes, and sending (also from a worker) with the handler's result.
#include "platform/window/window.h"
#include "platform/window/window_dispatch.h"
#include "tests/platform/window/recording_window.h"
#include "tests/support/pump_until.h"

#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace {

using namespace window_testing;

TEST(WindowMessages, PostedMessagesArriveInOrderAcrossWindows)
{
    Log log;
    Recorder a(&log), b(&log), c(&log);
    ASSERT_TRUE(a.Make());
    ASSERT_TRUE(b.Make());
    ASSERT_TRUE(c.Make());
    Recorder* windows[] = {&a, &b, &c};
    constexpr int kCount = 3000;
    for (int i = 0; i < kCount; ++i)
        ASSERT_TRUE(PostMessage(windows[i % 3]->GetSafeHwnd(), WM_TEST_ECHO, static_cast<WPARAM>(i), 0));
    ASSERT_TRUE(PumpUntil([&] { return log.entries.size() == kCount; }));
    for (int i = 0; i < kCount; ++i) {
        ASSERT_EQ(log.entries[i].second, static_cast<WPARAM>(i));
        ASSERT_EQ(log.entries[i].first, windows[i % 3]->GetSafeHwnd());
    }

    // A window destroyed with messages still queued: they are dropped.
    log.entries.clear();
    const HWND hb = b.GetSafeHwnd();
    PostMessage(hb, WM_TEST_ECHO, 1, 0);
    PostMessage(a.GetSafeHwnd(), WM_TEST_ECHO, 2, 0);
    b.DestroyWindow();
    EXPECT_FALSE(IsWindow(hb));
    EXPECT_FALSE(PostMessage(hb, WM_TEST_ECHO, 3, 0));
    ASSERT_TRUE(PumpUntil([&] { return log.entries.size() == 1; }));
    PumpFor(20);
    ASSERT_EQ(log.entries.size(), 1u);
    EXPECT_EQ(log.entries[0].second, 2u);
}

TEST(WindowMessages, SendReturnsTheHandlersResultAlsoFromAWorker)
{
    Recorder w;
    ASSERT_TRUE(w.Make());
    EXPECT_EQ(w.SendMessage(WM_TEST_ECHO, 20, 2), 42);
    EXPECT_EQ(SendMessage(nullptr, WM_TEST_ECHO, 20, 2), 0);

    std::atomic<bool> done{false};
    LRESULT fromWorker = 0;
    const HWND h = w.GetSafeHwnd();
    std::thread worker([&] {
        fromWorker = SendMessage(h, WM_TEST_ECHO, 100, 1);
        done = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(fromWorker, 201);
}

TEST(WindowMessages, AWorkerSendingToAWindowThatGoesIsLetGo)
{
    // The UI thread destroys the window and waits for the worker without
    // pumping: the worker's message is dropped and the worker returns 0.
    Log log;
    auto w = std::make_unique<Recorder>(&log);
    ASSERT_TRUE(w->Make());
    const HWND h = w->GetSafeHwnd();
    LRESULT fromWorker = -1;
    std::thread worker([&] { fromWorker = SendMessage(h, WM_TEST_ECHO, 5, 0); });
    while (WorkerSendsWaiting() == 0)
        std::this_thread::yield();
    w.reset();
    worker.join();
    EXPECT_EQ(fromWorker, 0);
    PumpFor(20);
    EXPECT_TRUE(log.entries.empty());
}

}  // namespace
