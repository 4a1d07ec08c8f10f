// The EXIF display and clear settings as the frame runs them: modal, one at a
// time, only while the multi view is shown.
#include "app/main_frame.h"

#include "app/frame_window_table.h"
#include "core/exif_view_messages.h"
#include "multiview/multi_view_stage.h"
#include "multiview/thumbnail_list.h"
#include "options/exif_clear_settings_dialog.h"
#include "options/exif_display_settings_dialog.h"
#include "res/frame_command_ids.h"

namespace {

constexpr BYTE kExifClearAccepted = 10;
constexpr BYTE kExifClearCancelled = 11;

}  // namespace

BOOL CMainFrame::CanUseExifSettings() const
{
    // A frame made without a control panel (tests) asks only for the files.
    const bool programHasPanel = FindFrameWindowRow(m_windows, AppWindow::ControlPanel) != nullptr;
    const bool panelThere = !programHasPanel || Window(AppWindow::ControlPanel) != nullptr;
    return panelThere && m_pMultiViewStage && m_pMultiViewStage->List().GetFileCount() > 0;
}

void CMainFrame::RunExifDisplaySettings()
{
    if (m_pOptionExif)
        return;
    // On the stack: the dialog goes only once its loop has returned.
    CDlgOpOptionExif dialog(this);
    m_pOptionExif = &dialog;
    const INT_PTR result = dialog.DoModal();
    m_pOptionExif = nullptr;
    // Cancelled: the EXIF window shows the choice put back.
    if (result != IDOK)
        if (const HWND exif = Window(AppWindow::ExifWindow))
            ::SendMessage(exif, WM_EXIFVIEW_RELOAD, 0, 0);
}

void CMainFrame::RunExifClearSettings()
{
    if (m_pOptionExifClear)
        return;
    CDlgOpOptionExifClear dialog(this);
    m_pOptionExifClear = &dialog;
    const INT_PTR result = dialog.DoModal();
    m_pOptionExifClear = nullptr;
    g_nExifClearResult = result == IDOK ? kExifClearAccepted : kExifClearCancelled;
}

bool CMainFrame::HandleExifSettingsCommand(UINT id)
{
    if (id != ID_OPTION_EXIF_VIEW && id != ID_OPTION_EXIF_CLEAR)
        return false;
    if (!m_pMultiViewStage || !m_pMultiViewStage->IsWindowVisible())
        return true;
    if (id == ID_OPTION_EXIF_VIEW)
        RunExifDisplaySettings();
    else
        RunExifClearSettings();
    return true;
}
