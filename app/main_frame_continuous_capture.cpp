// Continuous capture as the frame runs it (WM_FRAME_CONTINUE_CAPTURE): the
// multi view stops loading, the stage is cleared, the clip windows, the file
// tree and the colour adjustment close, then the dialog runs modally while
// the frame keeps its pointer (the frame raises it when the program becomes
// active again, app/main_frame_clip_windows.cpp).
#include "app/main_frame.h"

#include "app/mode_bar.h"
#include "clip/continuous_capture_dialog.h"
#include "clip/stage_messages.h"
#include "core/frame_messages.h"
#include "core/multi_view_messages.h"

LRESULT CMainFrame::RunContinueCapture()
{
    if (m_pContinueCapture)
        return 0;
    if (Window(AppWindow::ModeBar) && Window(AppWindow::MultiViewPanel))
        ::SendMessage(Window(AppWindow::MultiViewStage), WM_MULTI_STOP_LOAD);
    SendToViewStage(WM_STAGE_NEW_VIEW, 0, 1);  // cleared without asking
    CloseAllClipWindows();
    SendMessage(WM_FRAME_CLOSE_TREEFILE);
    SendMessage(WM_FRAME_CLOSE_CONTRAST);
    // On the stack: the dialog goes only once its loop, and every handler
    // running inside it (a run's whole start), has returned.
    CDlgContinueCapture dialog(this);
    m_pContinueCapture = &dialog;
    dialog.DoModal();
    m_pContinueCapture = nullptr;
    return 1;
}

bool CMainFrame::IsMultiViewInProgram() const
{
    return ::IsMultiViewInProgram();
}
