// The mask settings as the frame runs them: command 32913 shows the modal
// dialog over the multi view; after OK the stage applies the masks to its
// selection, and in any case it paints again.
#include "app/main_frame.h"

#include "core/multi_view_messages.h"
#include "multiview/mask_dialog.h"
#include "multiview/multi_view_stage.h"
#include "multiview/thumb_mask.h"
#include "multiview/thumbnail_list.h"
#include "res/frame_command_ids.h"

BOOL CMainFrame::CanUseMaskSettings() const
{
    // The masked cells need their picture, the dialog a folder with files
    // and the mask data finished.
    CDlgMultiViewStage* stage = m_pMultiViewStage;
    if (!stage || !stage->GetSafeHwnd() || !stage->HasMaskedBitmap())
        return FALSE;
    if (!Window(AppWindow::ControlPanel) || stage->List().GetFileCount() <= 0)
        return FALSE;
    return stage->Mask().GetStatus() == CThumbMask::kDone ? TRUE : FALSE;
}

void CMainFrame::RunMaskSettings()
{
    CDlgMultiViewStage* stage = m_pMultiViewStage;
    if (m_pMaskDialog || !stage)
        return;
    // On the stack: the dialog goes only once its loop, and every handler
    // running inside it, has returned.
    CDlgMaskThumbnailWindow dialog(stage, this);
    m_pMaskDialog = &dialog;
    const INT_PTR result = dialog.DoModal();
    m_pMaskDialog = nullptr;
    // The stage may have gone while the dialog ran (the frame closing).
    if (!m_pMultiViewStage || !m_pMultiViewStage->GetSafeHwnd())
        return;
    if (result == IDOK)
        m_pMultiViewStage->PostMessage(WM_MULTI_APPLY_MASKS);
    m_pMultiViewStage->PostMessage(WM_MULTI_RENDER);
}

bool CMainFrame::HandleMaskCommand(UINT id)
{
    if (id != ID_VIEW_THUMB_MASK)
        return false;
    RunMaskSettings();
    return true;
}
