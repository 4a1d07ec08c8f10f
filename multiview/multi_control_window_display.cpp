// The panel's display state: 1 while a folder is shown and may load, 2 when
// loading was stopped or the view cleared, 0 when loading finished. Button
// 1114 shows "stop" in state 1 and "load" otherwise; with the folder changed
// on disk it clears the view and loads the folder again.
#include "multiview/multi_control_window.h"

#include "core/multi_view_messages.h"
#include "platform/dialog/msgbox.h"

void CDlgMultiControlWindow::SetDisplayState(int state)
{
    m_displayState = state;
    ShowLoadStopImage();
}

void CDlgMultiControlWindow::OnLoadStop()
{
    const LoadStopStep step = LoadStopTransition(m_changed ? 1 : 0, m_displayState);
    EnableItem(IDC_MULTICTL_LOAD_STOP, false);
    if (!step.act)
        return;  // loading finished and nothing changed: the button stays disabled
    if (step.clearFirst)
        ClearViewAndStopWatch();
    SetDisplayState(step.newState);
    // 2 stops loading; 1 resumes it, or has a cleared stage ask for its folder again.
    PostToStage(WM_MULTI_PAUSE_LOAD, static_cast<WPARAM>(step.newState));
    EnableItem(IDC_MULTICTL_LOAD_STOP, true);
}

void CDlgMultiControlWindow::ClearViewAndStopWatch()
{
    SendToStage(WM_MULTI_CLEAR);
    ResetExifShowButton();
    HideTotals();
    StopFolderWatch();
    m_displayState = kMultiDisplayStopped;
}

void CDlgMultiControlWindow::OnClearView()
{
    if (AfxMessageBox(QStringLiteral("サムネイル表示をクリアします。よろしいですか？"),
            MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    PostToStage(WM_MULTI_CLEAR);
    ResetExifShowButton();
    HideTotals();
}

void CDlgMultiControlWindow::HideTotals()
{
    ShowItem(IDC_MULTICTL_TOTALS, false);
}
