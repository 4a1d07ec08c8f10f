// The capture loop against a fake screen and clock: pacing, back-pressure,
// stops and failures, the counter, the progress timer and the cursor.
#include "clip/continuous_capture_session.h"

#include "continuous_capture_fakes.h"
#include "imaging/dib_helpers.h"

#include <gtest/gtest.h>

namespace {

constexpr RECT kRect{100, 50, 140, 80};  // 40 x 30

// A rig whose ring holds `frames` frames of the rectangle.
void Prepare(FakeCaptureRig& rig, int count, int intervalTenths, int force, DWORD availableMB = 4000)
{
    ContinuousCaptureSettings& s = rig.session.settings;
    s.count = count;
    s.intervalTenths = intervalTenths;
    s.forceCapture = force;
    s.saveWaitMs = 1000;
    rig.availableMB = availableMB;
    ASSERT_EQ(rig.session.PrepareRing(40, 30, 32), 1);
}

int RunLoop(FakeCaptureRig& rig)
{
    return rig.session.RunCaptureLoop(nullptr, kRect, 40, 30);
}

// The colour of pixel (x, y) (from the top) of a 32-bit frame.
QRgb FramePixel(const CCaptureFrame& frame, int x, int y)
{
    const int h = frame.infoHeader.biHeight;
    const BYTE* p =
        frame.bits + static_cast<std::size_t>(h - 1 - y) * GetDibStride(32, frame.infoHeader.biWidth) + x * 4;
    return qRgb(p[2], p[1], p[0]);
}

TEST(ContinuousCaptureLoop, FramesAreTakenOnTheIntervalFromTheLoopStart)
{
    FakeCaptureRig rig;
    Prepare(rig, 5, 10, 0);
    rig.screen->copyMs = {{2, 300}};  // a slow copy does not shift the later frames
    const ULONGLONG start = rig.clock.now;
    EXPECT_EQ(RunLoop(rig), 1);
    EXPECT_EQ(rig.host.counters, (QStringList{"1 / 5", "2 / 5", "3 / 5", "4 / 5", "5 / 5"}));
    EXPECT_EQ(rig.clock.now, start + 4000);  // frame 5 at 4000 ms, no wait after it
    EXPECT_EQ(rig.session.Ring()->GetCount(), 5);
    EXPECT_EQ(rig.session.IntervalKept(), 1);
    EXPECT_EQ(rig.session.Status(), kCcRunning);
    EXPECT_TRUE(rig.host.messages.isEmpty());
    EXPECT_EQ(rig.screen->opens, 1);  // one desktop DC for the whole run
    EXPECT_EQ(rig.screen->closes, 1);
    for (const POINT& origin : rig.screen->origins)
        EXPECT_TRUE(origin.x == 100 && origin.y == 50);
}

TEST(ContinuousCaptureLoop, ALateFrameEndsTheRunUnlessForced)
{
    struct Case {
        int force;
        int result;
        BYTE status;
        std::int64_t frames;
        ULONGLONG end;  // clock at the end, from the loop start
    } const cases[] = {
        {0, 0, kCcIntervalMissed, 4, 4200},
        {1, 1, kCcRunning, 5, 4200},  // frame 5 is taken at once, at 4200 ms
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.force);
        FakeCaptureRig rig;
        Prepare(rig, 5, 10, c.force);
        // Frame 4 is stored 4200 ms after the start; frame 5 was due at 4000.
        rig.screen->copyMs = {{4, 1200}};
        const ULONGLONG start = rig.clock.now;
        EXPECT_EQ(RunLoop(rig), c.result);
        EXPECT_EQ(rig.session.Status(), c.status);
        EXPECT_EQ(rig.session.Ring()->GetCount(), c.frames);
        EXPECT_EQ(rig.clock.now - start, c.end);
        EXPECT_EQ(rig.session.IntervalKept(), 0);
        if (c.force == 0) {
            EXPECT_EQ(rig.host.messages,
                QStringList{QStringLiteral("現在のキャプチャ間隔 1.0 [秒]で処理が間に合いませんでした。\n\n"
                                           "キャプチャ間隔を増やして下さい。")});
            // The interval is not reported a second time after the run.
            EXPECT_TRUE(FailedRunMessages(rig.session.Status(), rig.session.IntervalKept() == 1).empty());
        } else {
            EXPECT_TRUE(rig.host.messages.isEmpty());
        }
    }
}

TEST(ContinuousCaptureLoop, OneFrameReturnsWithoutWaiting)
{
    FakeCaptureRig rig;
    Prepare(rig, 1, 600, 0);
    const ULONGLONG start = rig.clock.now;
    EXPECT_EQ(RunLoop(rig), 1);
    EXPECT_EQ(rig.host.waits, 0);
    EXPECT_EQ(rig.clock.now, start);
    EXPECT_EQ(rig.session.Ring()->GetCount(), 1);
}

TEST(ContinuousCaptureLoop, AFullRingEndsTheRunOrIsWaitedForWithForce)
{
    // 7 MB available: a ring of one frame, and no saver empties it.
    FakeCaptureRig rig;
    Prepare(rig, 3, 10, 0, 7);
    EXPECT_EQ(RunLoop(rig), 0);
    EXPECT_EQ(rig.session.Status(), kCcIntervalMissed);
    EXPECT_EQ(rig.host.messages, QStringList{NoFreeSlotMessage()});

    FakeCaptureRig forced;
    Prepare(forced, 3, 10, 1, 7);
    const ULONGLONG start = forced.clock.now;
    EXPECT_EQ(RunLoop(forced), 0);
    EXPECT_EQ(forced.session.Status(), kCcSaveTooSlow);
    EXPECT_GT(forced.clock.now - start, 1000u);  // gave up after CC_SaveWait_ms
    EXPECT_LT(forced.clock.now - start, 1100u);
    EXPECT_TRUE(forced.host.messages.isEmpty());
    EXPECT_EQ(forced.screen->origins.size(), 1u);

    // A slot freed while waiting lets the forced run go on.
    FakeCaptureRig freed;
    Prepare(freed, 2, 10, 1, 7);
    freed.host.actions.emplace(freed.clock.now + 500, [&] { freed.session.Ring()->AdvanceRead(); });
    EXPECT_EQ(RunLoop(freed), 1);
    EXPECT_EQ(freed.screen->origins.size(), 2u);
}

TEST(ContinuousCaptureLoop, AStopDuringTheWaitEndsTheRunWithoutAnotherFrame)
{
    FakeCaptureRig rig;
    Prepare(rig, 10, 10, 0);
    rig.host.actions.emplace(rig.clock.now + 1500, [&] { rig.session.SetStatus(kCcUserStop); });
    EXPECT_EQ(RunLoop(rig), 0);
    EXPECT_EQ(rig.screen->origins.size(), 2u);
    EXPECT_EQ(rig.session.Status(), kCcUserStop);
    EXPECT_TRUE(rig.host.messages.isEmpty());
    EXPECT_EQ(rig.screen->closes, 1);
}

TEST(ContinuousCaptureLoop, ScreenFailuresSetTheirStatus)
{
    FakeCaptureRig noDesktop;
    Prepare(noDesktop, 3, 10, 0);
    noDesktop.screen->openable = false;
    EXPECT_EQ(RunLoop(noDesktop), 0);
    EXPECT_EQ(noDesktop.session.Status(), kCcNoDesktop);

    FakeCaptureRig copyFails;
    Prepare(copyFails, 3, 10, 0);
    copyFails.screen->failAt = 2;
    EXPECT_EQ(RunLoop(copyFails), 0);
    EXPECT_EQ(copyFails.session.Status(), kCcScreenCopyFailed);
    EXPECT_EQ(copyFails.session.Ring()->GetCount(), 1);
    EXPECT_EQ(copyFails.screen->closes, 1);
}

TEST(ContinuousCaptureLoop, ProgressTimerOnlyForTheCompactWindowAndLongIntervals)
{
    struct Case {
        int windowState, intervalTenths, timers;
    } const cases[] = {{2, 30, 1}, {2, 29, 0}, {1, 30, 0}};
    for (const Case& c : cases) {
        FakeCaptureRig rig;
        rig.session.settings.windowState = c.windowState;
        Prepare(rig, 2, c.intervalTenths, 0);
        EXPECT_EQ(RunLoop(rig), 1);
        EXPECT_EQ(rig.host.timerStarts, c.timers);
        EXPECT_EQ(rig.host.timerStops, c.timers);
    }
    FakeCaptureRig rig;
    Prepare(rig, 3, 30, 0);
    rig.host.actions.emplace(rig.clock.now + 1250, [&] { rig.session.OnProgressTimer(); });
    rig.host.actions.emplace(rig.clock.now + 3050, [&] { rig.session.OnProgressTimer(); });
    EXPECT_EQ(RunLoop(rig), 1);
    EXPECT_EQ(rig.host.progress, (std::vector<int>{12, 0}));  // tenths since the frame began
}

TEST(ContinuousCaptureLoop, CursorIsDrawnRelativeToTheCopiedRectangle)
{
    FakeCaptureRig rig;
    rig.session.settings.mouseCursor = 1;
    Prepare(rig, 1, 10, 0);
    rig.screen->colours = {qRgb(0, 0, 255)};
    QImage arrow(3, 3, QImage::Format_ARGB32_Premultiplied);
    arrow.fill(qRgb(255, 255, 255));
    rig.screen->cursor = CaptureCursor{arrow, POINT{1, 1}, POINT{110, 60}};
    EXPECT_EQ(RunLoop(rig), 1);
    const CCaptureFrame& frame = rig.session.Ring()->Frame(0);
    // Screen (110, 60) less the hot spot is (109, 59): picture (9, 9).
    EXPECT_EQ(FramePixel(frame, 9, 9), qRgb(255, 255, 255));
    EXPECT_EQ(FramePixel(frame, 11, 11), qRgb(255, 255, 255));
    EXPECT_EQ(FramePixel(frame, 8, 9), qRgb(0, 0, 255));
    EXPECT_EQ(FramePixel(frame, 12, 11), qRgb(0, 0, 255));
    EXPECT_EQ(FramePixel(frame, 0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(frame.infoHeader.biSize, 40u);
}

}  // namespace
