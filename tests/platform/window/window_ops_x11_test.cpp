// Minimising under a window manager: the owned windows leave the screen with
// their owner, whatever the manager does with transients, and come back when
// the owner is restored.
#include "platform/window/own_windows_on_screen.h"
#include "platform/window/window.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/pump_until.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowOpsX11, OwnedWindowsLeaveAndComeBackWithTheirOwner)
{
    if (!DesktopIsAvailable() || !Desktop().windows.HasWindowManager())
        GTEST_SKIP() << "needs an X display with a window manager";
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, QStringLiteral("owner"), WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE,
        RECT{50, 50, 300, 250}, nullptr, 0));
    CWnd tool;
    ASSERT_TRUE(tool.CreateEx(
        WS_EX_TOOLWINDOW, QStringLiteral("tool"), WS_POPUP | WS_VISIBLE, RECT{400, 60, 480, 140}, &frame, 0));
    ASSERT_TRUE(PumpUntil([] { return AnyOwnWindowOnScreen(); }, 5000));
    PumpFor(200);

    frame.ShowWindow(SW_MINIMIZE);
    EXPECT_FALSE(tool.IsWindowVisible());
    EXPECT_TRUE(PumpUntil([] { return !AnyOwnWindowOnScreen(); }, 5000));
    frame.ShowWindow(SW_RESTORE);
    EXPECT_TRUE(PumpUntil([&] { return !frame.IsIconic() && tool.IsWindowVisible(); }, 5000));
    EXPECT_TRUE(PumpUntil([] { return AnyOwnWindowOnScreen(); }, 5000));
}

}  // namespace
