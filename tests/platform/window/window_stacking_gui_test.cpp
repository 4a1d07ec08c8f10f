// The z-order the window layer keeps for the program's own windows where no
// window manager reports one: shown, raised and activated windows go on top,
// HWND_BOTTOM sends one down, windows kept on top stay above, and a
// destroyed window leaves the order.
#include "platform/window/window.h"
#include "platform/window/window_stacking.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class Stack : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(m_windows[i].CreateEx(0, QStringLiteral("w%1").arg(i), WS_POPUP,
                RECT{10 * i, 10 * i, 100 + 10 * i, 100 + 10 * i}, nullptr, 0));
            m_windows[i].ShowWindow(SW_SHOWNA);
        }
    }
    HWND H(int i) const { return m_windows[i].GetSafeHwnd(); }
    std::vector<HWND> Ours() const
    {
        std::vector<HWND> mine;
        for (HWND hwnd : OwnWindowsInZOrder())
            if (hwnd == H(0) || hwnd == H(1) || hwnd == H(2))
                mine.push_back(hwnd);
        return mine;
    }
    CWnd m_windows[3];
};

TEST_F(Stack, RaisingLoweringAndKeepingOnTopOrderTheWindows)
{
    EXPECT_EQ(Ours(), (std::vector<HWND>{H(2), H(1), H(0)}));  // the last shown is on top

    m_windows[0].BringWindowToTop();
    EXPECT_EQ(Ours(), (std::vector<HWND>{H(0), H(2), H(1)}));
    EXPECT_EQ(GetWindow(H(0), GW_HWNDNEXT), H(2));
    EXPECT_EQ(GetWindow(H(2), GW_HWNDPREV), H(0));

    CWnd bottom;
    bottom.m_hWnd = HWND_BOTTOM;
    m_windows[0].SetWindowPos(&bottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(Ours(), (std::vector<HWND>{H(2), H(1), H(0)}));

    CWnd topMost;
    topMost.m_hWnd = HWND_TOPMOST;
    m_windows[1].SetWindowPos(&topMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_windows[2].BringWindowToTop();  // raised, but not above a window kept on top
    EXPECT_EQ(Ours(), (std::vector<HWND>{H(1), H(2), H(0)}));

    m_windows[2].ShowWindow(SW_HIDE);
    EXPECT_EQ(Ours(), (std::vector<HWND>{H(1), H(0)}));
    m_windows[1].DestroyWindow();
    EXPECT_EQ(Ours(), (std::vector<HWND>{H(0)}));
    EXPECT_EQ(GetWindow(H(0), GW_HWNDNEXT), nullptr);
}

}  // namespace
