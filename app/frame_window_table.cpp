#include "app/frame_window_table.h"

#include "app/main_frame.h"
#include "clip/capture_chooser.h"
#include "clip/control_panel.h"
#include "clip/view_stage.h"
#include "clip/wait_box.h"

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

// The file tree, folder tree and overview close between the control panel
// and the wait box once they are part of the program.
constexpr FrameWindowRow kRows[] = {
    {AppWindow::ViewStage, CDlgViewStage::IDD, 1, ViewStageOf, CloseViewStageOf},
    {AppWindow::ControlPanel, CDlgControlWindow::IDD, 1, ControlPanelOf, CloseControlPanelOf},
    {AppWindow::WaitBox, IDD_WAIT_OPERATE, 1, WaitBoxOf, CloseWaitBoxOf},
    {AppWindow::CaptureChooser, CDlgChoicedCaptureWindow::IDD, 1, ChooserOf, CloseChooserOf},
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
