// The handle forms of the window calls: a frame's enabled popup, finding a
// window by its caption, and the window menu's Close.
#include "platform/app/menu.h"
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

class ClosingWindow : public CWnd {
public:
    int closes = 0;
    void OnClose() override { ++closes; }
};

TEST(WindowHandleCalls, FindWindowFindsOurTopLevelWindowByItsCaption)
{
    CWnd print;
    ASSERT_TRUE(print.CreateEx(0, QStringLiteral("Kestrel 印刷"), WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    EXPECT_EQ(FindWindowW(nullptr, QStringLiteral("Kestrel 印刷")), print.GetSafeHwnd());
    EXPECT_EQ(FindWindowW(nullptr, QStringLiteral("Kestrel")), nullptr);
    print.DestroyWindow();
    EXPECT_EQ(FindWindowW(nullptr, QStringLiteral("Kestrel 印刷")), nullptr);
}

TEST(WindowHandleCalls, AGreyedCloseItemKeepsTheWindowOpen)
{
    ClosingWindow w;
    ASSERT_TRUE(w.CreateEx(
        0, QStringLiteral("w"), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, RECT{0, 0, 50, 50}, nullptr, 0));
    w.GetWidget()->close();
    w.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_EQ(w.closes, 2);

    CMenu* menu = w.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    w.GetWidget()->close();
    w.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_EQ(w.closes, 2);
    // Only the window menu's Close is refused; the program may still close it.
    w.SendMessage(WM_CLOSE);
    EXPECT_EQ(w.closes, 3);

    EXPECT_EQ(w.GetSystemMenu(TRUE), nullptr);
    w.GetWidget()->close();
    EXPECT_EQ(w.closes, 4);
    w.DestroyWindow();
}

}  // namespace
