// The application's message filter: keyboard shortcuts by the active window,
// the mouse wheel for windows in the background, and transient windows closed
// when the pointer leaves them. Space (or the input method's key) during a
// two-click selection shows and hides the zoom lens; the wheel goes to an
// open lens unfiltered.
#include "app/ctrl_key_table.h"
#include "app/frame_globals.h"
#include "app/kestrel_app.h"
#include "app/stage_messages.h"
#include "clip/sky_window.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/multi_view_messages.h"
#include "multiview/multi_view_stage.h"
#include "platform/window/input_keys.h"
#include "platform/window/pointer_position.h"
#include "res/dialog_134_control_window.h"

namespace {

bool Inside(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

// Bit 30 of a key message: the key was already down (auto-repeat).
bool IsRepeatedKey(LPARAM lParam)
{
    return (static_cast<DWORD>(lParam) & (1u << 30)) != 0;
}

bool IsItemEnabled(HWND dialog, int id)
{
    const CWnd* item = CWnd::FromHandle(GetDlgItem(dialog, id));
    return item && item->IsWindowEnabled();
}

CtrlKeyState TakeCtrlKeyState(const CMainFrame& frame)
{
    CtrlKeyState s;
    s.canUseImageCommands = frame.CanUseImageCommands();
    s.controlIdle = frame.IsControlIdle();
    const HWND panel = frame.Window(AppWindow::ControlPanel);
    s.controlPanelVisible = panel && frame.IsWindowVisible(panel);
    if (s.controlPanelVisible) {
        s.rangeClickButtonEnabled = IsItemEnabled(panel, IDC_CONTROL_RANGE_CLICK);
        s.wheelButtonEnabled = IsItemEnabled(panel, IDC_CONTROL_WHEEL);
        s.fixedModeButtonEnabled = IsItemEnabled(panel, IDC_CONTROL_FIXED_MODE);
    }
    s.canUseMaskSettings = frame.CanUseMaskSettings();
    s.multiViewHasCurrentItem = frame.AppMode() == 2 && frame.CanPrint();
    return s;
}

HWND TargetOf(const CMainFrame& frame, const CtrlKeyCommand& c)
{
    switch (c.target) {
    case CtrlKeyTarget::Frame:
        return frame.GetSafeHwnd();
    case CtrlKeyTarget::ControlPanel:
        return frame.Window(AppWindow::ControlPanel);
    case CtrlKeyTarget::ClipWindow:
        return frame.ClipWindow(c.clipIndex);
    default:
        return nullptr;
    }
}

}  // namespace

BOOL CKestrelApp::PreTranslateMessage(MSG* msg)
{
    CMainFrame* frame = g_pMainFrame;
    if (frame) {
        switch (msg->message) {
        case WM_KEYDOWN:
            if (FilterKeyDown(msg))
                return TRUE;
            break;
        case WM_MOUSEWHEEL:
            FilterWheel(msg);
            break;
        case WM_MOUSEMOVE:
            FilterMouseMove(msg);
            break;
        default:
            break;
        }
        if (FilterRubberBand(msg))
            return TRUE;
    }
    return CWinApp::PreTranslateMessage(msg);
}

BOOL CKestrelApp::FilterKeyDown(const MSG* msg)
{
    CMainFrame& frame = *g_pMainFrame;
    // Every key is swallowed while files are copied into the multi view.
    if (g_bFileOperationBusy.load(std::memory_order_relaxed) == 1)
        return TRUE;
    const UINT vk = static_cast<UINT>(msg->wParam);
    if (IsClickClipActive() && (vk == VK_SPACE || vk == VK_PROCESSKEY)) {
        // A held key repeats: only its first press toggles the lens.
        if (!IsRepeatedKey(msg->lParam)) {
            if (frame.IsZoomLensOpen())
                frame.CloseZoomLens();
            else
                frame.OpenZoomLens();
        }
        return TRUE;
    }
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    // The window the key goes to: the active one as the desktop sees it,
    // even when the toolkit has not yet learnt of a window just activated.
    const HWND keyWindow = GetRootWindow(msg->hwnd);
    const int kind = keyWindow ? GetAppWindowKind(keyWindow) : GetActiveAppWindowKind();
    if (ctrl && kind != 0) {
        const CtrlKeyCommand c = RouteCtrlKey(kind, vk, TakeCtrlKeyState(frame));
        if (c.command != 0) {
            PostMessageW(TargetOf(frame, c), WM_COMMAND, c.command, 0);
            return TRUE;
        }
    }
    // Ctrl+V in clip mode loads the clipboard's bitmap into the stage.
    if (ctrl && GetKeyState('V') < 0 && g_nAppMode == 1)
        frame.SendMessage(WM_FRAME_PASTE_BITMAP);
    // In the multi view the stage's own key filter comes next.
    if (g_nAppMode == 2) {
        CDlgMultiViewStage* stage = frame.GetMultiViewStage();
        if (stage && stage->GetSafeHwnd() && stage->PreTranslateMessage(const_cast<MSG*>(msg)))
            return TRUE;
    }
    return FALSE;
}

BOOL CKestrelApp::FilterRubberBand(const MSG* msg)
{
    // While the multi view's rubber band runs, the whole application's
    // moves and the release go to the stage, with the point on the screen.
    CDlgMultiViewStage* stage = g_pMainFrame->GetMultiViewStage();
    if (!stage || !stage->GetSafeHwnd() || !stage->IsRubberBandActive())
        return FALSE;
    if (msg->message == WM_LBUTTONUP) {
        stage->SendMessage(WM_LBUTTONUP, kRoutedMouseFlags, 0);
        return TRUE;
    }
    if (msg->message == WM_MOUSEMOVE) {
        stage->SendMessage(WM_MOUSEMOVE, kRoutedMouseFlags, MAKELPARAM(msg->pt.x, msg->pt.y));
        return TRUE;
    }
    return FALSE;
}

void CKestrelApp::FilterWheel(const MSG* msg)
{
    CMainFrame& frame = *g_pMainFrame;
    // The open lens takes the wheel as it comes.
    if (frame.IsZoomLensOpen())
        return;
    const HWND stage = frame.Window(AppWindow::ViewStage);
    if (stage && frame.IsWindowVisible(stage) && GetForegroundWindow() != stage) {
        if (Inside(frame.WindowRect(stage), msg->pt))
            SendMessageW(stage, WM_STAGE_TAKE_FOCUS);
        return;
    }
    const HWND multi = frame.Window(AppWindow::MultiViewStage);
    if (!multi || GetForegroundWindow() == multi)
        return;
    // Not over the folder tree while it is the frame's enabled popup: the tree scrolls itself.
    if (frame.IsOverFolderTree(msg->pt))
        return;
    SendMessageW(multi, WM_MOUSEWHEEL, msg->wParam, MAKELPARAM(msg->pt.x, msg->pt.y));
}

void CKestrelApp::FilterMouseMove(const MSG* msg)
{
    CMainFrame& frame = *g_pMainFrame;
    POINT cursor{};
    GetCursorPos(&cursor);
    const HWND chooser = frame.Window(AppWindow::CaptureChooser);
    if (chooser && !Inside(frame.m_rcChooser, cursor))
        SendMessageW(chooser, WM_CLOSE);
    // An overview drag ends when the pointer leaves the window; the stage is told.
    if (CDlgSkyWindow* sky = frame.GetSkyWindow(); sky && sky->GetSafeHwnd() && sky->IsDragging() &&
        !Inside(frame.WindowRect(sky->GetSafeHwnd()), cursor))
        sky->EndDrag(true);
    // The zoom lens closes when the pointer leaves it.
    const HWND lens = frame.Window(AppWindow::ZoomLens);
    if (lens && !Inside(frame.WindowRect(lens), msg->pt))
        frame.CloseZoomLens();
}
