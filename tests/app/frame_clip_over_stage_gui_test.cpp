// Whether a clip window lies over the view stage: the active clip window, or
// else the window directly above the stage, and only where they overlap.
#include "app/main_frame.h"

#include <gtest/gtest.h>

namespace {

struct OverWindows {
    CWnd stage;
    CWnd clips[2];
};
OverWindows* g_over = nullptr;

CWnd* StageOf(const CMainFrame&, int)
{
    return g_over->stage.GetSafeHwnd() ? &g_over->stage : nullptr;
}

CWnd* ClipOf(const CMainFrame&, int index)
{
    return g_over->clips[index].GetSafeHwnd() ? &g_over->clips[index] : nullptr;
}

void CloseNothing(CMainFrame&, int)
{
}

constexpr FrameWindowRow kRows[] = {
    {AppWindow::ViewStage, 130, 1, StageOf, CloseNothing},
    {AppWindow::ClipWindow, 166, 2, ClipOf, CloseNothing},
};

bool CreatePopup(CWnd& w, const RECT& r)
{
    return w.CreateEx(0, QStringLiteral("w"), WS_POPUP, r, nullptr, 0);
}

}  // namespace

TEST(FrameClipOverStageGui, TheWindowDirectlyAboveTheStageCounts)
{
    OverWindows windows;
    g_over = &windows;
    CMainFrame frame(kRows);
    EXPECT_FALSE(frame.IsClipWindowOverStage());  // no stage

    ASSERT_TRUE(CreatePopup(windows.stage, RECT{100, 100, 500, 400}));
    ASSERT_TRUE(CreatePopup(windows.clips[0], RECT{450, 350, 600, 500}));  // overlaps the stage
    ASSERT_TRUE(CreatePopup(windows.clips[1], RECT{700, 100, 800, 200}));  // beside it
    windows.stage.ShowWindow(SW_SHOW);
    windows.clips[0].ShowWindow(SW_SHOW);
    windows.stage.BringWindowToTop();
    EXPECT_FALSE(frame.IsClipWindowOverStage());  // the stage is on top
    windows.clips[0].BringWindowToTop();
    EXPECT_EQ(::GetWindow(windows.stage.GetSafeHwnd(), GW_HWNDPREV), windows.clips[0].GetSafeHwnd());
    EXPECT_TRUE(frame.IsClipWindowOverStage());

    windows.clips[1].ShowWindow(SW_SHOW);
    windows.clips[1].BringWindowToTop();
    windows.clips[0].BringWindowToTop();
    windows.stage.BringWindowToTop();
    windows.clips[1].BringWindowToTop();  // above the stage, but beside it
    EXPECT_FALSE(frame.IsClipWindowOverStage());

    for (CWnd* w : {&windows.clips[1], &windows.clips[0], &windows.stage})
        w->DestroyWindow();
    g_over = nullptr;
}
