// The rename dialog as the frame runs it: WM_FRAME_RENAME from the multi
// view or its panel runs the dialog modally, unless it is open already, and
// once it handled any file the multi view sorts its files anew under their
// new names.
#include "app/main_frame.h"

#include "core/frame_messages.h"
#include "core/multi_view_messages.h"
#include "multiview/multi_control_window.h"
#include "multiview/multi_view_stage.h"
#include "multiview/rename_dialog.h"
#include "multiview/thumbnail_list.h"

bool CMainFrame::HandleRenameMessage(UINT message, WPARAM, LPARAM, LRESULT* result)
{
    if (message != WM_FRAME_RENAME)
        return false;
    // wParam is not read: the dialog takes the mode from the multi view's mode byte.
    *result = RunRename();
    return true;
}

LRESULT CMainFrame::RunRename()
{
    if (m_pChangeFileName || !m_pMultiViewStage || !m_pMultiViewStage->GetSafeHwnd())
        return 0;
    // The EXIF window must not hold a file that changes its name.
    if (m_pMultiControlWindow && m_pMultiControlWindow->GetSafeHwnd()) {
        CloseExifView();
        m_pMultiControlWindow->ResetExifShowButton();
    }
    {
        // On the stack: the dialog goes only once its loop has returned.
        CDlgChangeFileName dialog(m_pMultiViewStage, &m_nRenameDone, this);
        m_pChangeFileName = &dialog;
        dialog.DoModal();
        m_pChangeFileName = nullptr;
    }
    if (m_nRenameDone != 0)
        RefreshMultiViewAfterRename();
    return 0;
}

void CMainFrame::RefreshMultiViewAfterRename()
{
    // The stage may have gone while the dialog ran (the frame closing).
    CDlgMultiViewStage* stage = m_pMultiViewStage;
    if (!stage || !stage->GetSafeHwnd())
        return;
    const int key = m_pMultiControlWindow ? m_pMultiControlWindow->SortKey() : kSortByName;
    const int current = stage->Scroll().Focus();
    stage->List().SetValidBits(0);
    stage->SendMessage(WM_MULTI_CLEAR_SELECTION);
    const unsigned bit = key == kSortByName ? kSortBitName : key == kSortBySize ? kSortBitSize : kSortBitDate;
    stage->PostMessage(WM_MULTI_BUILD_SORT_INDEX, bit, 1);
    stage->SendMessage(WM_MULTI_WAIT_SORT, 0, 1);
    stage->SendMessage(WM_MULTI_SORT_MODE_CHANGED, static_cast<WPARAM>(key), 0);
    stage->SendMessage(WM_MULTI_SET_PREVIEW_ITEM, static_cast<WPARAM>(current));
}
