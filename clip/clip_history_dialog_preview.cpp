// The preview of the chosen row in the view stage: sent when a row is chosen
// and when the dialog shows; repeated when the dialog moves (the frame posts
// a move when the application is active again, after other windows may have
// drawn over the stage).
#include "clip/clip_history_dialog.h"

#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/app_state.h"

HWND CDlgClipHistory::StageWindow()
{
    return GetAppState().Window(AppWindow::ViewStage);
}

HWND CDlgClipHistory::PanelWindow()
{
    return GetAppState().Window(AppWindow::ControlPanel);
}

std::optional<SIZE> CDlgClipHistory::StageImageSize() const
{
    const auto* stage = dynamic_cast<const CDlgViewStage*>(CWnd::FromHandle(StageWindow()));
    if (!stage || !stage->HasImage())
        return std::nullopt;
    return SIZE{stage->Zoom().imageWidth, stage->Zoom().imageHeight};
}

void CDlgClipHistory::PreviewRow(int row)
{
    RECT r = m_rows[row];
    ::SendMessage(StageWindow(), WM_STAGE_VIEW_FIX_AREA, reinterpret_cast<WPARAM>(&r), 0);
}

void CDlgClipHistory::OnShowWindow(BOOL show, UINT status)
{
    CDialog::OnShowWindow(show, status);
    if (!show)
        return;
    m_shown = true;
    if (m_selected >= 0)
        PreviewRow(m_selected);
}

void CDlgClipHistory::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    if (!m_shown || m_closing)
        return;
    if (m_selected < 0)
        ::PostMessage(StageWindow(), WM_STAGE_RENDER, 0, 0);
    else if (CWnd* button = GetDlgItem(ClipHistorySelectId(m_selected)))
        ::PostMessage(button->GetSafeHwnd(), BM_CLICK, 0, 0);
}
