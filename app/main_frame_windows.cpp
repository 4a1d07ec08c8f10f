// The frame's windows through its window table: which exist, and closing
// them all in the table's order. A window is opened and closed by its own
// members, which come with its row.
#include "app/main_frame.h"

#include "core/app_state_queries.h"
#include "platform/window/window.h"

namespace {

HWND HandleOf(const CWnd* window)
{
    return window ? window->GetSafeHwnd() : nullptr;
}

}  // namespace

HWND CMainFrame::Window(AppWindow which) const
{
    if (which == AppWindow::MainFrame)
        return GetSafeHwnd();
    const FrameWindowRow* row = FindFrameWindowRow(m_windows, which);
    return row ? HandleOf(row->window(*this, 0)) : nullptr;
}

HWND CMainFrame::ClipWindow(int index) const
{
    const FrameWindowRow* row = FindFrameWindowRow(m_windows, AppWindow::ClipWindow);
    if (!row || index < 0 || index >= row->count)
        return nullptr;
    return HandleOf(row->window(*this, index));
}

void CMainFrame::CloseAllWindows()
{
    for (const FrameWindowRow& row : m_windows)
        for (int i = 0; i < row.count; ++i)
            row.close(*this, i);
}

BOOL CMainFrame::IsControlIdle() const
{
    // The control panel exists and no range selection runs in it. A frame
    // made without a control panel (tests) waits only for the stage's selection.
    const bool programHasPanel = FindFrameWindowRow(m_windows, AppWindow::ControlPanel) != nullptr;
    const bool panelThere = !programHasPanel || Window(AppWindow::ControlPanel) != nullptr;
    return panelThere && !IsSelectionOn() && !IsClipSelecting();
}

BOOL CMainFrame::CanUseImageCommands() const
{
    return IsControlIdle() && HasStageImage();
}
