// Window state: minimising without a window manager takes the owned windows
// along.
#include "platform/window/window.h"
#include "tests/platform/window/recording_window.h"

#include <gtest/gtest.h>

namespace {

using namespace window_testing;

TEST(WindowOps, MinimisingWithoutAWindowManagerHidesTheOwnedWindowsToo)
{
    // The offscreen platform, like a bare X server, has no window manager.
    Recorder frame;
    ASSERT_TRUE(frame.Make());
    CWnd tool;
    ASSERT_TRUE(tool.CreateEx(
        WS_EX_TOOLWINDOW, QStringLiteral("tool"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 30, 30}, &frame, 0));
    CWnd hiddenTool;
    ASSERT_TRUE(hiddenTool.CreateEx(
        WS_EX_TOOLWINDOW, QStringLiteral("hidden"), WS_POPUP, RECT{0, 0, 30, 30}, &frame, 0));
    frame.ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(frame.IsIconic());
    EXPECT_FALSE(frame.IsWindowVisible());
    EXPECT_FALSE(tool.IsWindowVisible());
    frame.ShowWindow(SW_RESTORE);
    EXPECT_FALSE(frame.IsIconic());
    EXPECT_TRUE(frame.IsWindowVisible());
    EXPECT_TRUE(tool.IsWindowVisible());
    EXPECT_FALSE(hiddenTool.IsWindowVisible());  // what was hidden before stays hidden
}

}  // namespace
