// A surface window on a real X server: what it paints is on the screen, its
// native window is a live foreign handle, and a dead one is not.
#include "platform/window/window.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/pump_until.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class Painted : public CWnd {
public:
    int paints = 0;
    void OnPaint() override
    {
        CPaintDC dc(this);
        dc.FillSolidRect(0, 0, 40, 30, RGB(250, 20, 40));
        ++paints;
    }
};

TEST(WindowSurfaceX11, PaintedSurfaceReachesTheScreen)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "no X display";
    Painted w;
    ASSERT_TRUE(w.CreateEx(
        WS_EX_TOPMOST, QStringLiteral("surface"), WS_POPUP | WS_VISIBLE, RECT{60, 70, 180, 150}, nullptr, 0));
    ASSERT_TRUE(PumpUntil([&] { return w.paints > 0 && w.GetWidget()->isVisible(); }));
    PumpFor(150);  // let the server map and draw it

    RECT r;
    w.GetWindowRect(&r);
    const QPoint origin = w.GetWidget()->mapToGlobal(QPoint(0, 0));
    QImage shot;
    ASSERT_TRUE(Desktop().grab.Grab(RECT{origin.x(), origin.y(), origin.x() + 40, origin.y() + 30}, shot));
    EXPECT_EQ(shot.pixel(20, 15) & 0xFFFFFF, qRgb(250, 20, 40) & 0xFFFFFF);

    const HWND native = HwndFromX11Window(w.GetWidget()->winId());
    EXPECT_TRUE(IsWindow(native));
    EXPECT_FALSE(IsWindow(HwndFromX11Window(0x3FFFFFF)));
}

}  // namespace
