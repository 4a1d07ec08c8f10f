// Opening, closing and asking after the frame's windows. Each operation
// works on its window's pointer member; a window whose class is not part of
// the program yet stays closed, so its operations find nothing to do. A
// close goes through CloseOwnedWindow (app/owned_window.h), which deletes the
// object only after its own handlers have returned.
#include "app/main_frame.h"

#include "app/frame_globals.h"
#include "core/app_state_queries.h"

#include "platform/window/pointer_position.h"

void CMainFrame::OpenViewStage()
{
}

void CMainFrame::CloseViewStage()
{
}

void CMainFrame::OpenControlWindow()
{
}

void CMainFrame::CloseControlWindow()
{
}

void CMainFrame::OpenMeasureWindow()
{
}

void CMainFrame::CloseMeasureWindow()
{
}

void CMainFrame::OpenModeChoice()
{
}

void CMainFrame::CloseModeChoice()
{
}

void CMainFrame::OpenMultiControlWindow()
{
}

void CMainFrame::CloseMultiControlWindow()
{
}

void CMainFrame::OpenMultiViewStage()
{
}

void CMainFrame::CloseMultiViewStage()
{
}

void CMainFrame::OpenSkyWindow()
{
}

void CMainFrame::CloseSkyWindow()
{
}

void CMainFrame::OpenContrast()
{
}

void CMainFrame::CloseContrast()
{
}

void CMainFrame::OpenTreeFileWindow()
{
}

void CMainFrame::CloseTreeFileWindow()
{
}

void CMainFrame::OpenTreeFolderWindow()
{
}

void CMainFrame::CloseTreeFolderWindow()
{
}

void CMainFrame::OpenExifView()
{
}

void CMainFrame::CloseExifView()
{
}

HWND CMainFrame::OpenWaitBox(const QString&, int)
{
    return nullptr;
}

void CMainFrame::CloseWaitBox()
{
}

void CMainFrame::OpenChooser()
{
}

void CMainFrame::CloseChooser()
{
    m_rcChooser = RECT{};
}

void CMainFrame::OpenClipWindow(int index, const void*)
{
    if (index < 0 || index >= kClipWindowCount)
        return;
}

void CMainFrame::CloseClipWindow(int index)
{
    if (index < 0 || index >= kClipWindowCount)
        return;
}

void CMainFrame::ShowClipWindow(int index)
{
    if (index < 0 || index >= kClipWindowCount || !m_pClipWindow[index])
        return;
}

void CMainFrame::OpenZoomLens()
{
    // The lens needs the view stage's image (at least 30 x 30 pixels).
    if (!m_pViewStage)
        return;
}

void CMainFrame::CloseZoomLens()
{
}

void CMainFrame::RunClipHistory()
{
    if (m_pClipHistory)
        return;
}

void CMainFrame::RunWorkFolder()
{
    if (m_pWorkFolder)
        return;
}

int CMainFrame::FindClipWindowIndex(HWND window) const
{
    if (!window)
        return -1;
    for (int i = 0; i < kClipWindowCount; ++i)
        if (ClipWindow(i) == window)
            return i;
    return -1;
}

int CMainFrame::CountClipWindows() const
{
    int n = 0;
    for (const CDlgClipWindow* w : m_pClipWindow)
        n += w != nullptr;
    return n;
}

BOOL CMainFrame::IsSkyWindowOpen() const
{
    return Window(AppWindow::OverviewWindow) != nullptr;
}

BOOL CMainFrame::HasStageImage() const
{
    // The stage's image holder answers once the stage exists.
    return FALSE;
}

BOOL CMainFrame::IsControlIdle() const
{
    return m_pControlWindow != nullptr && Window(AppWindow::ControlPanel) != nullptr && !IsClipSelecting();
}

BOOL CMainFrame::CanUseImageCommands() const
{
    return IsControlIdle() && HasStageImage();
}

BOOL CMainFrame::CanUseMaskSettings() const
{
    // Needs the multi view's mask state and the control panel.
    return FALSE;
}

BOOL CMainFrame::IsClipWindowOverStage() const
{
    const HWND stage = Window(AppWindow::ViewStage);
    if (!stage)
        return FALSE;
    // The active window, when that is a clip window; the z-order test joins with the clip windows.
    const HWND candidate = ActiveWindow();
    if (FindClipWindowIndex(candidate) < 0)
        return FALSE;
    const RECT a = WindowRect(stage);
    const RECT b = WindowRect(candidate);
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

BOOL CMainFrame::IsCursorOnFileTree() const
{
    const HWND tree = Window(AppWindow::FileTree);
    if (!tree)
        return FALSE;
    POINT p{};
    GetCursorPos(&p);
    const RECT r = WindowRect(tree);
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}
