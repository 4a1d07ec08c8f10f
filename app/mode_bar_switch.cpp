// The mode bar's two switches: to clip mode (button 1112) and to the multi
// view (button 1329). Each does nothing in its own mode, so pressing the
// button of the mode that is on neither re-creates nor moves a window. The
// frame refits itself and swaps its menu and toolbar once the posted
// messages arrive, after the new mode's windows stand.
#include "app/frame_geometry.h"
#include "app/frame_globals.h"
#include "app/main_frame.h"
#include "app/mode_bar.h"
#include "clip/view_stage.h"
#include "core/frame_messages.h"
#include "core/panel_messages.h"

namespace {

void ShowIfThere(HWND window, int command)
{
    if (window)
        ::ShowWindow(window, command);
}

}  // namespace

void CDlgModeChoice::SwitchToClipMode()
{
    CMainFrame* frame = Frame();
    if (g_nAppMode == 1 || !frame)
        return;
    g_nAppMode = 1;
    Refresh();
    ShowIfThere(frame->Window(AppWindow::MultiViewPanel), SW_HIDE);
    ShowIfThere(frame->Window(AppWindow::MultiViewStage), SW_HIDE);

    frame->OpenViewStage();
    // The measure panel, when it is open, comes back in the control panel's place.
    HWND panel = frame->Window(AppWindow::Measure);
    if (panel) {
        ::ShowWindow(panel, SW_SHOW);
        frame->BringToTop(panel);
    } else {
        frame->OpenControlWindow();
        panel = frame->Window(AppWindow::ControlPanel);
    }
    if (panel)
        ::SendMessageW(panel, WM_REPOSITION_PANEL);
    if (const HWND stage = frame->Window(AppWindow::ViewStage))
        ::SendMessageW(stage, WM_REPOSITION_PANEL);
    frame->PostMessage(WM_FRAME_REFIT_MODE, kFrameModeViewStage);
    frame->PostMessage(WM_FRAME_SET_MODE, kFrameModeViewStage);

    ShowIfThere(frame->Window(AppWindow::ExifWindow), SW_HIDE);
    ShowIfThere(frame->Window(AppWindow::FolderTree), SW_HIDE);
    ShowIfThere(frame->Window(AppWindow::FileTree), SW_SHOW);
    // A zoomed stage, or one showing a part of its image, offers its overview again.
    if (const CDlgViewStage* stage = frame->GetViewStage(); stage && stage->Zoom().IsZoomedOrPart())
        frame->SendMessage(WM_FRAME_OPEN_SKY);
}

void CDlgModeChoice::SwitchToMultiView()
{
    CMainFrame* frame = Frame();
    // A program without the multi view keeps its button disabled, and a
    // press sent from elsewhere leaves clip mode as it is.
    if (g_nAppMode == 2 || !frame || !IsMultiViewInProgram())
        return;
    g_nAppMode = 2;
    Refresh();
    ShowIfThere(frame->Window(AppWindow::ViewStage), SW_HIDE);
    const HWND measure = frame->Window(AppWindow::Measure);
    ShowIfThere(measure ? measure : frame->Window(AppWindow::ControlPanel), SW_HIDE);

    // The panel first: the stage reads its state from its making on.
    frame->OpenMultiControlWindow();
    if (const HWND panel = frame->Window(AppWindow::MultiViewPanel))
        ::SendMessageW(panel, WM_REPOSITION_PANEL);
    frame->OpenMultiViewStage();
    if (const HWND stage = frame->Window(AppWindow::MultiViewStage))
        ::SendMessageW(stage, WM_REPOSITION_PANEL);

    ShowIfThere(frame->Window(AppWindow::ExifWindow), SW_SHOW);
    ShowIfThere(frame->Window(AppWindow::FolderTree), SW_SHOW);
    ShowIfThere(frame->Window(AppWindow::FileTree), SW_HIDE);
    if (frame->Window(AppWindow::OverviewWindow))
        frame->SendMessage(WM_FRAME_CLOSE_SKY);
    frame->SendMessage(WM_FRAME_CANCEL_CONTRAST);
    frame->PostMessage(WM_FRAME_REFIT_MODE, kFrameModeMultiViewStage);
    frame->PostMessage(WM_FRAME_SET_MODE, kFrameModeMultiViewStage);
}
