// The z-order of two of the program's windows on a real display: raising
// one puts it first, and where a window manager reports its stacking, a
// window it raised on its own (as a click on the frame does) is first too.
#include "platform/window/window.h"
#include "platform/window/window_stacking.h"
#include "platform/x11/desktop_handles.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/x11_fixture_windows.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<HWND> OrderOf(HWND a, HWND b)
{
    std::vector<HWND> mine;
    for (HWND hwnd : OwnWindowsInZOrder())
        if (hwnd == a || hwnd == b)
            mine.push_back(hwnd);
    return mine;
}

TEST(WindowStackingX11, RaisedWindowsComeFirstAndTheWindowManagersOrderRules)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "needs a display";
    CWnd a;
    CWnd b;
    ASSERT_TRUE(a.CreateEx(
        0, QStringLiteral("stack a"), WS_POPUP | WS_CAPTION, RECT{100, 100, 300, 250}, nullptr, 0));
    ASSERT_TRUE(b.CreateEx(
        0, QStringLiteral("stack b"), WS_POPUP | WS_CAPTION, RECT{150, 150, 350, 300}, nullptr, 0));
    a.ShowWindow(SW_SHOW);
    b.ShowWindow(SW_SHOW);
    const HWND ha = a.GetSafeHwnd();
    const HWND hb = b.GetSafeHwnd();
    EXPECT_TRUE(WaitUntil([&] { return OrderOf(ha, hb) == std::vector<HWND>{hb, ha}; }));

    a.BringWindowToTop();
    EXPECT_TRUE(WaitUntil([&] { return OrderOf(ha, hb) == std::vector<HWND>{ha, hb}; }));
    EXPECT_EQ(GetWindow(ha, GW_HWNDNEXT), hb);

    if (!Desktop().windows.HasWindowManager())
        return;
    // The window manager raises b by itself: the program did not, yet b is first.
    ASSERT_TRUE(Desktop().control.Raise(DesktopHandleOf(hb)));
    EXPECT_TRUE(WaitUntil([&] { return OrderOf(ha, hb) == std::vector<HWND>{hb, ha}; }));
}

}  // namespace
