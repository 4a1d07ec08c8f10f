// The batch shrink dialog as the frame runs it: WM_FRAME_STRETCH from the
// multi view runs the dialog modally and answers its result, or 2 while it
// is open already.
#include "app/main_frame.h"

#include "core/frame_messages.h"
#include "multiview/stretch_image_dialog.h"

bool CMainFrame::HandleStretchMessage(UINT message, WPARAM, LPARAM, LRESULT* result)
{
    if (message != WM_FRAME_STRETCH)
        return false;
    *result = RunStretchImage();
    return true;
}

LRESULT CMainFrame::RunStretchImage()
{
    if (m_pStretchImage)
        return 2;
    // On the stack: the dialog goes only once its loop has returned.
    CDlgStretchImage dialog(m_pMultiViewStage, this);
    m_pStretchImage = &dialog;
    const INT_PTR result = dialog.DoModal();
    m_pStretchImage = nullptr;
    return result;
}
