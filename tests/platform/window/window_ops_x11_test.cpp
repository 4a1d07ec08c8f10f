// Minimising under a window manager: the owned windows leave the screen with
// their owner, whatever the manager does with transients, and come back when
// the owner is restored; the manager's own iconify reaches the window as
// SC_MINIMIZE, and a window that refuses it comes back.
#include "platform/window/own_windows_on_screen.h"
#include "platform/window/window.h"
#include "platform/x11/desktop_handles.h"
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

class MinimizeListener : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE) {
            ++commands;
            if (refuse)
                return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int commands = 0;
    bool refuse = false;
};

TEST(WindowOpsX11, TheWindowManagersIconifyIsHeardAndMayBeRefused)
{
    if (!DesktopIsAvailable() || !Desktop().windows.HasWindowManager())
        GTEST_SKIP() << "needs an X display with a window manager";
    for (const bool refuse : {false, true}) {
        MinimizeListener w;
        w.refuse = refuse;
        ASSERT_TRUE(w.CreateEx(0, QStringLiteral("listener"),
            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, RECT{80, 80, 280, 220}, nullptr, 0));
        ASSERT_TRUE(PumpUntil([] { return AnyOwnWindowOnScreen(); }, 5000));
        PumpFor(200);
        // As the manager's minimise button: the manager iconifies, the program hears later.
        ASSERT_TRUE(Desktop().control.Minimize(DesktopHandleOf(w.GetSafeHwnd())));
        EXPECT_TRUE(PumpUntil([&] { return w.commands == 1; }, 5000)) << refuse;
        if (refuse) {
            EXPECT_TRUE(PumpUntil([&] { return !w.IsIconic() && AnyOwnWindowOnScreen(); }, 5000));
        } else {
            PumpFor(300);
            EXPECT_TRUE(w.IsIconic());
        }
        EXPECT_EQ(w.commands, 1) << refuse;
        w.DestroyWindow();
        PumpFor(100);
    }
}

}  // namespace
