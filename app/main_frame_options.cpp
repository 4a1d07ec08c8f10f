// The option command: the clip-mode sheet or, while the multi view is shown,
// the multi-view sheet, modal and one at a time. After OK the windows take
// the new settings.
#include "app/main_frame.h"

#include "clip/control_panel.h"
#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/settings/app_settings.h"
#include "multiview/multi_view_stage.h"
#include "options/option_containers.h"
#include "res/frame_command_ids.h"

bool CMainFrame::HandleOptionCommand(UINT id)
{
    if (id != ID_OPTION_OPTIONS)
        return false;
    if (m_pOptionContainer || m_pOptionContainerB)
        return true;
    if (m_pMultiViewStage && m_pMultiViewStage->IsWindowVisible())
        RunMultiViewOptions();
    else
        RunClipModeOptions();
    return true;
}

void CMainFrame::RunClipModeOptions()
{
    const int continueCaptureBefore = AppSettings.UseContinueCapture;
    // On the stack: the sheet goes only once its loop has returned.
    CDlgOpOptionContainer sheet;
    m_pOptionContainer = &sheet;
    const INT_PTR result = sheet.DoModal();
    m_pOptionContainer = nullptr;
    if (result != IDOK)
        return;
    if (m_pViewStage)
        m_pViewStage->SendMessage(WM_STAGE_RENDER);
    if (AppSettings.ShowZoomDlg == 0)
        CloseSkyWindow();
    if (AppSettings.UseContinueCapture != continueCaptureBefore && m_pControlWindow)
        m_pControlWindow->SendMessage(WM_CLIPCTL_UPDATE_CONTCAP_BUTTON, 0);
}

void CMainFrame::RunMultiViewOptions()
{
    CDlgOpOptionContainerB sheet;
    m_pOptionContainerB = &sheet;
    const INT_PTR result = sheet.DoModal();
    m_pOptionContainerB = nullptr;
    if (result == IDOK && m_pMultiViewStage)
        m_pMultiViewStage->SetPageChangeRange(AppSettings.PageChangeRange);
}
