// The handle forms of the window calls: a frame's enabled popup.
#include "platform/window/window.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowHandleCalls, TheEnabledPopupIsTheOwnedEnabledWindowShownLast)
{
    // The owned, enabled window the frame has shown last is its enabled popup.
    CWnd frame;
    ASSERT_TRUE(
        frame.CreateEx(0, QStringLiteral("frame"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 60, 60}, nullptr, 0));
    EXPECT_EQ(GetWindow(frame.GetSafeHwnd(), GW_ENABLEDPOPUP), frame.GetSafeHwnd());
    CWnd tool;
    ASSERT_TRUE(tool.CreateEx(
        WS_EX_TOOLWINDOW, QStringLiteral("tool"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 30, 30}, &frame, 0));
    EXPECT_EQ(GetWindow(tool.GetSafeHwnd(), GW_OWNER), frame.GetSafeHwnd());
    EXPECT_EQ(GetWindow(frame.GetSafeHwnd(), GW_ENABLEDPOPUP), tool.GetSafeHwnd());
    tool.EnableWindow(FALSE);
    EXPECT_EQ(GetWindow(frame.GetSafeHwnd(), GW_ENABLEDPOPUP), frame.GetSafeHwnd());
}

}  // namespace
