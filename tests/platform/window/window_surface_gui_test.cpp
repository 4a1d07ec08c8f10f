// The window's surface: timers by id, painting that reaches the screen (also
// through a DC taken outside WM_PAINT), and a surface that follows its size:
// what was drawn stays where the new size overlaps the old one, and the rest
// takes the background colour. A large surface is resized in its own memory,
// so the cases move its rows both ways.
#include "platform/window/window.h"
#include "tests/platform/window/recording_window.h"
#include "tests/support/pump_until.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Neither erases nor paints: the surface keeps what the test drew.
class Untouched : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ERASEBKGND)
            return 1;
        if (message == WM_PAINT) {
            ValidateRect(nullptr);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

QRgb Pattern(int x, int y)
{
    return qRgb(x & 255, y & 255, (x * 7 + y * 3) & 255);
}

struct ResizeCase {
    const char* name;
    QSize to;
};

TEST(WindowSurface, ResizingKeepsTheOverlapAndFillsTheRest)
{
    const QSize from(600, 500);  // large enough to be resized in place
    const ResizeCase cases[] = {
        {"narrower and shorter", {560, 480}},
        {"wider", {640, 500}},
        {"wider and taller", {640, 520}},
        {"narrower and taller", {560, 520}},
        {"shorter only", {600, 300}},
        {"far smaller (a new block)", {200, 100}},
        {"larger than the block", {800, 700}},
    };
    for (const ResizeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Untouched w;
        ASSERT_TRUE(w.CreateEx(0, QStringLiteral("surface"), WS_POPUP | WS_VISIBLE,
            RECT{0, 0, from.width(), from.height()}, nullptr, 0));
        QImage* surface = w.GetSurface();
        ASSERT_NE(surface, nullptr);
        ASSERT_EQ(surface->size(), from);
        for (int y = 0; y < from.height(); ++y)
            for (int x = 0; x < from.width(); ++x)
                surface->setPixel(x, y, Pattern(x, y));

        w.GetWidget()->resize(c.to);
        ASSERT_TRUE(PumpUntil([&] { return w.GetSurface()->size() == c.to; }));
        const QImage& after = *w.GetSurface();
        const QRgb background = PixelFromColorref(w.GetBackgroundColor());
        int wrong = 0;
        for (int y = 0; y < c.to.height(); ++y)
            for (int x = 0; x < c.to.width(); ++x) {
                const bool kept = x < from.width() && y < from.height();
                wrong += (after.pixel(x, y) | 0xFF000000) != (kept ? Pattern(x, y) : background | 0xFF000000);
            }
        EXPECT_EQ(wrong, 0);
    }
}

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
