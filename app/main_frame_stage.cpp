// The view stage as the frame keeps it: made at the first show, closed first
// when the frame ends, asked whether it holds an image; and the frame's
// messages that concern it.
#include "app/main_frame.h"

#include "app/frame_clipboard.h"
#include "app/owned_window.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/frame_messages.h"
#include "core/logging.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/drop_files.h"

void CMainFrame::OpenViewStage()
{
    if (!m_pViewStage) {
        auto* stage = new CDlgViewStage;
        if (!stage->Create(this)) {
            qCWarning(lcFrame) << "the view stage could not be made";
            delete stage;
            return;
        }
        m_pViewStage = stage;
    }
    m_pViewStage->ShowWindow(SW_SHOW);
    m_pViewStage->BringWindowToTop();
}

void CMainFrame::CloseViewStage()
{
    // The stage closes only as the frame ends.
    CloseOwnedWindowAtEnd(m_pViewStage);
}

BOOL CMainFrame::HasStageImage() const
{
    return m_pViewStage && m_pViewStage->HasImage() ? TRUE : FALSE;
}

BYTE CMainFrame::StageMode() const
{
    // Only the low byte of the stage's state tells.
    return static_cast<BYTE>(g_nStageMode & 0xFF);
}

bool CMainFrame::ZoomRubberBandStarted() const
{
    return m_pViewStage && m_pViewStage->ZoomRubberBandStarted();
}

void CMainFrame::SendToViewStage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const HWND stage = Window(AppWindow::ViewStage))
        ::SendMessageW(stage, message, wParam, lParam);
}

bool CMainFrame::HandleStageMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    switch (message) {
    case WM_DROPFILES:
        // Files dropped on the frame go to the stage, which opens one and
        // finishes the drop; the frame then comes forward.
        if (Window(AppWindow::ViewStage)) {
            SendToViewStage(WM_STAGE_DROP_FILES, wParam, lParam);
            PostMessage(WM_FRAME_FOREGROUND);
        } else {
            DragFinish(reinterpret_cast<HDROP>(wParam));
        }
        return true;
    case WM_FRAME_COPY_TEXT:
        // wParam: the text as a const QString*.
        if (const auto* text = reinterpret_cast<const QString*>(wParam); !text || !CopyTextToClipboard(*text))
            AfxMessageBox(QStringLiteral("クリップボードのコピーに失敗しました。"));
        return true;
    case WM_FRAME_SYNC_TREE:
        if (AppSettings.ConnectTreeFile == 1) {
            AppSettings.TreeLastDir = AppSettings.LastAccessDir;
            SyncFileTree();
        }
        return true;
    default:
        return false;
    }
}
