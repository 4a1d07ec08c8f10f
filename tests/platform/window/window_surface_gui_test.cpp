// The window's surface: timers by id, and painting that reaches the screen,
// also through a DC taken outside WM_PAINT.
#include "platform/window/window.h"
#include "tests/platform/window/recording_window.h"
#include "tests/support/pump_until.h"

#include <gtest/gtest.h>

namespace {

using namespace window_testing;

TEST(WindowSurface, TimersFireByIdAndStop)
{
    Recorder w;
    ASSERT_TRUE(w.Make());
    EXPECT_EQ(w.SetTimer(7, 10), 7u);
    EXPECT_EQ(w.SetTimer(8, 60), 8u);
    w.SetTimer(9, 0);  // at least 10 ms, never a busy loop
    PumpFor(250);
    EXPECT_GE(w.ticks.value(7), 5);
    EXPECT_GE(w.ticks.value(8), 1);
    EXPECT_LT(w.ticks.value(8), w.ticks.value(7));
    EXPECT_LE(w.ticks.value(9), 30);
    EXPECT_TRUE(w.KillTimer(7));
    EXPECT_FALSE(w.KillTimer(7));
    EXPECT_FALSE(w.KillTimer(1234));
    const int stopped = w.ticks.value(7);
    PumpFor(60);
    EXPECT_EQ(w.ticks.value(7), stopped);
    EXPECT_GT(w.ticks.value(8), 1);

    // A destroyed window's timers stop with it and it takes no new ones.
    const HWND h = w.GetSafeHwnd();
    w.DestroyWindow();
    const int last = w.ticks.value(8);
    EXPECT_EQ(w.SetTimer(7, 10), 0u);
    EXPECT_EQ(SetTimer(h, 7, 10, nullptr), 0u);
    EXPECT_FALSE(w.KillTimer(8));
    PumpFor(80);
    EXPECT_EQ(w.ticks.value(8), last);
}

TEST(WindowSurface, PaintingDrawsToTheSurfaceThatReachesTheScreen)
{
    Recorder w;
    ASSERT_TRUE(w.Make(60, 40));
    ASSERT_TRUE(PumpUntil([&] { return w.paints > 0; }));
    const QImage shown = w.GetWidget()->grab().toImage();
    EXPECT_EQ(shown.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(30, 30), PixelFromColorref(GetSysColor(COLOR_BTNFACE)));

    // A DC taken outside WM_PAINT draws at once.
    CDC* dc = w.GetDC();
    ASSERT_NE(dc, nullptr);
    dc->FillSolidRect(40, 20, 5, 5, RGB(0, 0, 255));
    w.ReleaseDC(dc);
    PumpFor(10);
    EXPECT_EQ(w.GetWidget()->grab().toImage().pixel(42, 22), qRgb(0, 0, 255));
}

}  // namespace
