#include "app/frame_window_table.h"

#include "app/main_frame.h"
#include "app/mode_bar.h"
#include "clip/capture_chooser.h"
#include "clip/clip_history_dialog.h"
#include "clip/clip_window.h"
#include "clip/color_adjust_dialog.h"
#include "clip/continuous_capture_dialog.h"
#include "clip/control_panel.h"
#include "clip/measure_dialog.h"
#include "clip/sky_window.h"
#include "clip/view_stage.h"
#include "clip/wait_box.h"
#include "clip/work_folder_dialog.h"
#include "clip/zoom_lens.h"
#include "multiview/exif_window.h"
#include "multiview/file_tree_window.h"
#include "multiview/folder_tree_window.h"
#include "multiview/mask_dialog.h"
#include "multiview/multi_control_window.h"
#include "multiview/multi_view_stage.h"
#include "multiview/rename_dialog.h"
#include "multiview/stretch_image_dialog.h"

namespace {

CWnd* ViewStageOf(const CMainFrame& frame, int)
{
    return frame.m_pViewStage;
}

void CloseViewStageOf(CMainFrame& frame, int)
{
    frame.CloseViewStage();
}

CWnd* ControlPanelOf(const CMainFrame& frame, int)
{
    return frame.m_pControlWindow;
}

void CloseControlPanelOf(CMainFrame& frame, int)
{
    frame.CloseControlWindow();
}

CWnd* SkyWindowOf(const CMainFrame& frame, int)
{
    return frame.m_pSkyWindow;
}

void CloseSkyWindowOf(CMainFrame& frame, int)
{
    frame.CloseSkyWindow();
}

CWnd* WaitBoxOf(const CMainFrame& frame, int)
{
    return frame.m_pWaitOperateMsg;
}

void CloseWaitBoxOf(CMainFrame& frame, int)
{
    frame.CloseWaitBox();
}

CWnd* ChooserOf(const CMainFrame& frame, int)
{
    return frame.m_pChooser;
}

void CloseChooserOf(CMainFrame& frame, int)
{
    frame.CloseChooser();
}

CWnd* ClipWindowOf(const CMainFrame& frame, int index)
{
    return frame.m_pClipWindow[index];
}

void CloseClipWindowOf(CMainFrame& frame, int index)
{
    frame.CloseClipWindow(index);
}

CWnd* ClipHistoryOf(const CMainFrame& frame, int)
{
    return frame.m_pClipHistory;
}

void EndClipHistoryOf(CMainFrame& frame, int)
{
    // Modal: cancelled as the user would, so that it stores what it holds;
    // the frame's run of it clears the pointer.
    if (frame.m_pClipHistory)
        frame.m_pClipHistory->SendMessage(WM_COMMAND, IDCANCEL);
}

CWnd* ContrastOf(const CMainFrame& frame, int)
{
    return frame.m_pContrast;
}

void CloseContrastOf(CMainFrame& frame, int)
{
    frame.CloseContrast();
}

CWnd* ModeChoiceOf(const CMainFrame& frame, int)
{
    return frame.m_pModeChoice;
}

void CloseModeChoiceOf(CMainFrame& frame, int)
{
    frame.CloseModeChoice();
}

CWnd* WorkFolderOf(const CMainFrame& frame, int)
{
    return frame.m_pWorkFolder;
}

void EndWorkFolderOf(CMainFrame& frame, int)
{
    // Modal: cancelled as the user would, so that it stores what it holds;
    // the frame's run of it clears the pointer.
    if (frame.m_pWorkFolder)
        frame.m_pWorkFolder->SendMessage(WM_COMMAND, IDCANCEL);
}

CWnd* MaskDialogOf(const CMainFrame& frame, int)
{
    return frame.m_pMaskDialog;
}

void EndMaskDialogOf(CMainFrame& frame, int)
{
    // Modal: cancelled, so nothing it holds is written; the frame's run of
    // it clears the pointer.
    if (frame.m_pMaskDialog)
        frame.m_pMaskDialog->SendMessage(WM_COMMAND, IDCANCEL);
}

CWnd* RenameDialogOf(const CMainFrame& frame, int)
{
    return frame.m_pChangeFileName;
}

void EndRenameDialogOf(CMainFrame& frame, int)
{
    // Modal: closed as by its close button; the frame's run of it clears the pointer.
    if (frame.m_pChangeFileName)
        frame.m_pChangeFileName->SendMessage(WM_COMMAND, IDCANCEL);
}

CWnd* StretchDialogOf(const CMainFrame& frame, int)
{
    return frame.m_pStretchImage;
}

void EndStretchDialogOf(CMainFrame& frame, int)
{
    // Modal: a run is stopped first; the frame's run of it clears the pointer.
    if (frame.m_pStretchImage)
        frame.m_pStretchImage->EndForFrameClose();
}

CWnd* MeasureOf(const CMainFrame& frame, int)
{
    return frame.m_pMeasure;
}

void CloseMeasureOf(CMainFrame& frame, int)
{
    frame.CloseMeasureWindow();
}

CWnd* ZoomLensOf(const CMainFrame& frame, int)
{
    return frame.m_pZoomLens;
}

void CloseZoomLensOf(CMainFrame& frame, int)
{
    frame.CloseZoomLens();
}

CWnd* MultiControlOf(const CMainFrame& frame, int)
{
    return frame.m_pMultiControlWindow;
}

void CloseMultiControlOf(CMainFrame& frame, int)
{
    frame.CloseMultiControlWindow();
}

CWnd* MultiViewStageOf(const CMainFrame& frame, int)
{
    return frame.m_pMultiViewStage;
}

void CloseMultiViewStageOf(CMainFrame& frame, int)
{
    frame.CloseMultiViewStage();
}

CWnd* ExifWindowOf(const CMainFrame& frame, int)
{
    return frame.m_pViewExifInfo;
}

void CloseExifWindowOf(CMainFrame& frame, int)
{
    frame.CloseExifView();
}

CWnd* TreeFileOf(const CMainFrame& frame, int)
{
    return frame.m_pTreeFileWindow;
}

void CloseTreeFileOf(CMainFrame& frame, int)
{
    frame.CloseTreeFileWindow();
}

CWnd* TreeFolderOf(const CMainFrame& frame, int)
{
    return frame.m_pTreeFolderWindow;
}

void CloseTreeFolderOf(CMainFrame& frame, int)
{
    frame.CloseTreeFolderWindow();
}

CWnd* ContinueCaptureOf(const CMainFrame& frame, int)
{
    return frame.m_pContinueCapture;
}

void EndContinueCaptureOf(CMainFrame& frame, int)
{
    // Modal: a run is stopped as by its stop button, otherwise it is
    // cancelled; the frame's run of it clears the pointer.
    if (frame.m_pContinueCapture)
        frame.m_pContinueCapture->EndForFrameClose();
}

// The zoom lens closes first: it paints from the stage's lens buffer.
// The clip windows close next: they paint from the stage's clip-image store.
constexpr FrameWindowRow kRows[] = {
    {AppWindow::ZoomLens, CDlgZoomLens::IDD, 1, ZoomLensOf, CloseZoomLensOf},
    {AppWindow::ClipWindow, CDlgClipWindow::IDD, kClipWindowCount, ClipWindowOf, CloseClipWindowOf},
    {AppWindow::ClipHistoryDialog, CDlgClipHistory::IDD, 1, ClipHistoryOf, EndClipHistoryOf},
    {AppWindow::ViewStage, CDlgViewStage::IDD, 1, ViewStageOf, CloseViewStageOf},
    {AppWindow::ControlPanel, CDlgControlWindow::IDD, 1, ControlPanelOf, CloseControlPanelOf},
    {AppWindow::FileTree, CDlgTreeFileWindow::IDD, 1, TreeFileOf, CloseTreeFileOf},
    {AppWindow::FolderTree, CDlgTreeFolderWindow::IDD, 1, TreeFolderOf, CloseTreeFolderOf},
    {AppWindow::OverviewWindow, CDlgSkyWindow::IDD, 1, SkyWindowOf, CloseSkyWindowOf},
    {AppWindow::WaitBox, IDD_WAIT_OPERATE, 1, WaitBoxOf, CloseWaitBoxOf},
    {AppWindow::CaptureChooser, CDlgChoicedCaptureWindow::IDD, 1, ChooserOf, CloseChooserOf},
    {AppWindow::ColorAdjust, CDlgContrast::IDD, 1, ContrastOf, CloseContrastOf},
    // The mask settings work on the multi view's data: they end before it.
    {AppWindow::MaskDialog, CDlgMaskThumbnailWindow::IDD, 1, MaskDialogOf, EndMaskDialogOf},
    {AppWindow::RenameDialog, CDlgChangeFileName::IDD, 1, RenameDialogOf, EndRenameDialogOf},
    {AppWindow::StretchDialog, CDlgStretchImage::IDD, 1, StretchDialogOf, EndStretchDialogOf},
    {AppWindow::ExifWindow, CDlgViewExifInfo::IDD, 1, ExifWindowOf, CloseExifWindowOf},
    {AppWindow::MultiViewPanel, CDlgMultiControlWindow::IDD, 1, MultiControlOf, CloseMultiControlOf},
    {AppWindow::MultiViewStage, CDlgMultiViewStage::IDD, 1, MultiViewStageOf, CloseMultiViewStageOf},
    {AppWindow::ModeBar, CDlgModeChoice::IDD, 1, ModeChoiceOf, CloseModeChoiceOf},
    {AppWindow::WorkFolderDialog, CDlgWorkFolder::IDD, 1, WorkFolderOf, EndWorkFolderOf},
    {AppWindow::Measure, CDlgMeasure::IDD, 1, MeasureOf, CloseMeasureOf},
    {AppWindow::ContinuousCaptureDialog, CDlgContinueCapture::IDD, 1, ContinueCaptureOf,
        EndContinueCaptureOf},
};

}  // namespace

std::span<const FrameWindowRow> FrameWindowTable()
{
    return kRows;
}

const FrameWindowRow* FindFrameWindowRow(std::span<const FrameWindowRow> rows, AppWindow kind)
{
    for (const FrameWindowRow& row : rows)
        if (row.kind == kind)
            return &row;
    return nullptr;
}
