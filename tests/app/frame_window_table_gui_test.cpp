// The frame's window table: the state questions and the close order come
// from its rows.
#include "app/main_frame.h"

#include <gtest/gtest.h>

namespace {

// The windows the rows of the test table keep, and the closes seen.
struct TableWindows {
    CWnd panel;
    CWnd clips[3];
    std::vector<std::pair<AppWindow, int>> closed;
};
TableWindows* g_windows = nullptr;

CWnd* PanelOf(const CMainFrame&, int)
{
    return g_windows->panel.GetSafeHwnd() ? &g_windows->panel : nullptr;
}

CWnd* ClipOf(const CMainFrame&, int index)
{
    return g_windows->clips[index].GetSafeHwnd() ? &g_windows->clips[index] : nullptr;
}

void ClosePanel(CMainFrame&, int index)
{
    g_windows->closed.emplace_back(AppWindow::ControlPanel, index);
    g_windows->panel.DestroyWindow();
}

void CloseClip(CMainFrame&, int index)
{
    g_windows->closed.emplace_back(AppWindow::ClipWindow, index);
    g_windows->clips[index].DestroyWindow();
}

constexpr FrameWindowRow kRows[] = {
    {AppWindow::ClipWindow, 166, 3, ClipOf, CloseClip},
    {AppWindow::ControlPanel, 134, 1, PanelOf, ClosePanel},
};

bool CreatePopup(CWnd& w)
{
    return w.CreateEx(0, QStringLiteral("w"), WS_POPUP, RECT{0, 0, 40, 30}, nullptr, 0);
}

class FrameWindowTableGui : public testing::Test {
protected:
    void SetUp() override { g_windows = &m_windows; }
    void TearDown() override { g_windows = nullptr; }
    TableWindows m_windows;
};

}  // namespace

TEST_F(FrameWindowTableGui, TheStateQuestionsReadTheRows)
{
    CMainFrame frame(kRows);
    ASSERT_TRUE(CreatePopup(m_windows.panel));
    ASSERT_TRUE(CreatePopup(m_windows.clips[1]));

    EXPECT_EQ(frame.Window(AppWindow::ControlPanel), m_windows.panel.GetSafeHwnd());
    EXPECT_EQ(frame.Window(AppWindow::ViewStage), nullptr);  // no row
    EXPECT_EQ(frame.ClipWindow(1), m_windows.clips[1].GetSafeHwnd());
    EXPECT_EQ(frame.ClipWindow(0), nullptr);  // closed
    EXPECT_EQ(frame.ClipWindow(3), nullptr);  // beyond the row's count
    EXPECT_EQ(frame.ClipWindow(-1), nullptr);
    EXPECT_TRUE(frame.IsControlIdle());

    m_windows.panel.DestroyWindow();
    EXPECT_EQ(frame.Window(AppWindow::ControlPanel), nullptr);
    EXPECT_FALSE(frame.IsControlIdle());
}

TEST_F(FrameWindowTableGui, ClosingAllFollowsTheRowsInOrder)
{
    CMainFrame frame(kRows);
    ASSERT_TRUE(CreatePopup(m_windows.panel));
    ASSERT_TRUE(CreatePopup(m_windows.clips[2]));
    frame.DestroyAllWindows();

    const std::vector<std::pair<AppWindow, int>> expected{{AppWindow::ClipWindow, 0},
        {AppWindow::ClipWindow, 1}, {AppWindow::ClipWindow, 2}, {AppWindow::ControlPanel, 0}};
    EXPECT_EQ(m_windows.closed, expected);
    EXPECT_EQ(frame.Window(AppWindow::ControlPanel), nullptr);
    EXPECT_EQ(frame.ClipWindow(2), nullptr);
}
