// The frame's print command: the multi view prints its current file, clip
// mode the view stage's image. While the print dialog is active the windows
// of the mode stand right under it.
#include "app/main_frame.h"

#include "clip/view_stage.h"
#include "core/multi_view_messages.h"
#include "multiview/multi_view_stage.h"
#include "platform/dialog/msgbox.h"
#include "print/print_dialog.h"
#include "res/frame_command_ids.h"

bool CMainFrame::CanPrint() const
{
    if (AppMode() == 2)
        return m_pMultiViewStage && m_pMultiViewStage->Scroll().Focus() != -1;
    return CanUseImageCommands() != FALSE;
}

bool CMainFrame::HandlePrintCommand(UINT id)
{
    if (id != ID_FILE_PRINT_IMAGE)
        return false;
    if (AppMode() == 2) {
        if (m_pMultiViewStage && m_pMultiViewStage->GetSafeHwnd())
            m_pMultiViewStage->PostMessage(WM_MULTI_PRINT);
        return true;
    }
    PrintStageImage();
    return true;
}

void CMainFrame::PrintStageImage()
{
    auto* stage = dynamic_cast<CDlgViewStage*>(CWnd::FromHandle(Window(AppWindow::ViewStage)));
    const CLoadBitmapDlg_DupMem* image = stage && stage->HasImage() ? &stage->Image() : nullptr;
    if (!image || !image->ddb) {
        AfxMessageBox(QStringLiteral("印刷の準備に失敗しました。"));
        return;
    }
    if (CDlgPrintOut::Running())
        return;
    LONG width = 0;
    LONG height = 0;
    image->GetSize(&width, &height);
    CDlgPrintOut dialog(image->ddb, image->memDC ? CDC::FromHandle(image->memDC) : nullptr,
        SIZE{width, height < 0 ? -height : height});
    dialog.DoModal();
}

void CMainFrame::RaiseStageUnderPrintDialog()
{
    const bool multiView = m_pMultiViewStage && m_pMultiViewStage->IsWindowVisible();
    const HWND panel = multiView ? Window(AppWindow::MultiViewPanel) : Window(AppWindow::ControlPanel);
    const HWND stage = multiView ? Window(AppWindow::MultiViewStage) : Window(AppWindow::ViewStage);
    for (HWND window : {panel, stage}) {
        if (CWnd* w = CWnd::FromHandle(window)) {
            w->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
        }
    }
}
