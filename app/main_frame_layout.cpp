// The frame's place on the screen: its figures, the taskbar and work area,
// the fit around the panels, and its reaction to moves and resizes.
#include "app/main_frame.h"

#include "app/frame_globals.h"
#include "app/mode_bar.h"
#include "clip/control_panel.h"
#include "clip/view_stage.h"
#include "core/frame_messages.h"
#include "core/geometry.h"
#include "core/logging.h"
#include "core/panel_messages.h"
#include "platform/app/message_pump.h"
#include "platform/x11/desktop_services.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>

namespace {

// Stands for the end of a resize by the user: no resize for this long.
constexpr UINT_PTR kExitSizeMoveTimer = 30;
constexpr UINT kExitSizeMoveDelayMs = 250;
// Looks for the window manager's frame until it is there (or for 2 s): it
// often arrives after the last size or move event of the frame's own.
constexpr UINT_PTR kAwaitFrameTimer = 31;
constexpr UINT kAwaitFrameCheckMs = 50;
constexpr int kAwaitFrameChecks = 40;

bool IsEmpty(const RECT& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

// The part of the screen the taskbar leaves, to the pixel (the work area the
// layout figures use stops one pixel short of the taskbar).
RECT AreaBeside(const RECT& taskbar, BYTE edge, int screenWidth, int screenHeight)
{
    RECT area{0, 0, screenWidth, screenHeight};
    if (edge == kTaskbarNone || IsEmpty(taskbar))
        return area;
    switch (edge) {
    case kTaskbarLeft:
        area.left = taskbar.right;
        break;
    case kTaskbarTop:
        area.top = taskbar.bottom;
        break;
    case kTaskbarRight:
        area.right = taskbar.left;
        break;
    default:
        area.bottom = taskbar.top;
        break;
    }
    return area;
}

// One edge of the frame when the work area's edge on that side moves from
// `was` to `now` (`outward` +1 for the right and bottom edges, -1 for the left
// and top). A frame that reached the old edge follows it to the new one (no
// further), so that it shrinks before a panel that came and grows back when
// it goes; any other frame is only kept inside the new edge.
LONG FollowEdge(LONG before, LONG pushed, LONG was, LONG now, int outward)
{
    if (outward * (before - was) >= -1)
        return now + outward * std::min<LONG>(0, outward * (before - was));
    return outward > 0 ? std::min(pushed, now) : std::max(pushed, now);
}

}  // namespace

void CMainFrame::FillScreenMetrics()
{
    ScreenMetrics m = QueryScreenMetrics();
    m.toolbarHeight = ToolbarHeight();
    m.statusBarHeight = StatusBarHeight();
    g_ScreenMetrics = m;
}

void CMainFrame::FindTaskbar()
{
    m_rcTaskbar = TaskbarFromAvailableArea(QueryScreenRect(), QueryAvailableScreenRect());
    const bool none =
        m_rcTaskbar.left == 0 && m_rcTaskbar.top == 0 && m_rcTaskbar.right == 0 && m_rcTaskbar.bottom == 0;
    m_nTaskbarEdge = none
        ? BYTE{kTaskbarNone}
        : TaskbarEdgeOf(m_rcTaskbar, g_ScreenMetrics.screenWidth, g_ScreenMetrics.screenHeight);
}

void CMainFrame::ComputeStageArea()
{
    g_rcStageArea = ::ComputeStageArea(m_rcWorkArea, g_ScreenMetrics);
    g_nStageAreaWidth = g_rcStageArea.right - g_rcStageArea.left;
    g_nStageAreaHeight = g_rcStageArea.bottom - g_rcStageArea.top;
}

void CMainFrame::MoveFrameTo(const RECT& rect)
{
    RECT r = rect;
    // Before the window manager has framed the window its decorations are not
    // known: leave room for the frame the figures describe.
    if (AwaitsWindowManagerFrame()) {
        r.right -= 2 * (g_ScreenMetrics.frameWidth - 4);
        r.bottom -= g_ScreenMetrics.captionHeight + 2 * (g_ScreenMetrics.frameHeight - 4);
        m_rcAwaitingFrame = rect;
        m_nAwaitFrameChecks = 0;
        SetTimer(kAwaitFrameTimer, kAwaitFrameCheckMs);
        qCDebug(lcFrame) << "frame placed before the window manager framed it; placed again once framed";
    }
    m_ownMoveSettles.setRemainingTime(kOwnMoveSettleMs);
    MoveWindow(&r);
    const SIZE requested = RequestedClientSize();
    m_requestedClientSize = CSize(requested.cx, requested.cy);
}

void CMainFrame::FitClipFrame(int flag)
{
    // The control panel (or the measure panel in its place) and the view stage.
    RECT frame;
    GetWindowRect(&frame);
    const RECT panel =
        WindowRect(Window(Window(AppWindow::Measure) ? AppWindow::Measure : AppWindow::ControlPanel));
    const RECT stage = WindowRect(Window(AppWindow::ViewStage));
    const RECT fitted = FitFrameRect(frame, panel, stage, g_ScreenMetrics, GetExtraFrameHeight());
    m_bStageResizePending = flag;
    if (!IsEmpty(panel) || !IsEmpty(stage))
        MoveFrameTo(fitted);
}

void CMainFrame::FitMultiFrame(int flag)
{
    RECT frame;
    GetWindowRect(&frame);
    const RECT panel = WindowRect(Window(AppWindow::MultiViewPanel));
    const RECT view = WindowRect(Window(AppWindow::MultiViewStage));
    (void)flag;
    if (!IsEmpty(panel) || !IsEmpty(view))
        MoveFrameTo(FitFrameRect(frame, panel, view, g_ScreenMetrics, GetExtraFrameHeight()));
}

void CMainFrame::OnTaskbarMoved()
{
    const int width = g_ScreenMetrics.screenWidth;
    const int height = g_ScreenMetrics.screenHeight;
    const RECT was = AreaBeside(m_rcTaskbar, m_nTaskbarEdge, width, height);
    FindTaskbar();
    m_rcWorkArea = ComputeWorkArea(m_rcTaskbar, m_nTaskbarEdge, width, height);
    ComputeStageArea();
    if (m_pViewStage)
        m_pViewStage->CalcViewAreaLimits();
    RECT frame;
    GetWindowRect(&frame);
    const int overlap = GetRectOverlap(m_nTaskbarEdge, frame, m_rcTaskbar);
    const POINT d = TaskbarPushOffset(m_nTaskbarEdge, frame, overlap, width, height);
    // Pushing alone leaves a frame at the screen's edge under a new panel, and
    // a frame cut by a panel short once the panel goes: its edges follow the
    // work area's, and the stage is fitted to the frame's new size.
    const RECT now = AreaBeside(m_rcTaskbar, m_nTaskbarEdge, width, height);
    const RECT followed{FollowEdge(frame.left, frame.left + d.x, was.left, now.left, -1),
        FollowEdge(frame.top, frame.top + d.y, was.top, now.top, -1),
        FollowEdge(frame.right, frame.right + d.x, was.right, now.right, 1),
        FollowEdge(frame.bottom, frame.bottom + d.y, was.bottom, now.bottom, 1)};
    const bool moved = followed.left != frame.left || followed.top != frame.top;
    const bool resized = followed.right - followed.left != frame.right - frame.left ||
        followed.bottom - followed.top != frame.bottom - frame.top;
    if (resized && !IsEmpty(followed))
        m_bStageResizePending = 1;
    if ((moved || resized) && !IsEmpty(followed)) {
        qCDebug(lcFrame) << "frame follows the work area:" << followed.left << followed.top << followed.right
                         << followed.bottom;
        MoveFrameTo(followed);
    }
    if (m_pViewStage)
        m_pViewStage->ResizeViewStage(0, 0, 0);
}

bool CMainFrame::PlaceAgainOnceFramed()
{
    if (IsEmpty(m_rcAwaitingFrame) || !IsFramedByWindowManager())
        return false;
    // The window manager's frame is known now: the outer rectangle can be exact.
    const RECT r = std::exchange(m_rcAwaitingFrame, RECT{});
    qCDebug(lcFrame) << "frame placed again with the window manager's frame";
    MoveFrameTo(r);
    // The bar, the panel and the stage were shown before the window manager
    // knew the frame, so it took them for windows of their own and would let
    // the frame cover them. Shown again, they are kept above the frame that owns them.
    for (CWnd* w : {static_cast<CWnd*>(m_pModeChoice), static_cast<CWnd*>(m_pControlWindow),
             static_cast<CWnd*>(m_pViewStage)}) {
        if (w && w->IsWindowVisible()) {
            w->ShowWindow(SW_HIDE);
            w->ShowWindow(SW_SHOW);
        }
    }
    return true;
}

void CMainFrame::OnMove(int, int)
{
    if (PlaceAgainOnceFramed())
        return;
    // The client origin by the frame figures the layout uses, so that the
    // window manager's own decorations do not shift the bounds.
    RECT frame;
    GetWindowRect(&frame);
    const int x = frame.left + g_ScreenMetrics.frameWidth;
    const int titleBand =
        g_ScreenMetrics.captionHeight + g_ScreenMetrics.frameHeight + g_ScreenMetrics.menuHeight;
    const int y = frame.top + titleBand;
    const int restingY = m_rcWorkArea.top + titleBand;
    switch (ClassifyFrameMove(x, y, g_rcStageArea, g_ScreenMetrics.captionHeight, restingY)) {
    case FrameMoveAction::Ignore:
        return;
    case FrameMoveAction::Accept: {
        const WPARAM dx = static_cast<WPARAM>(x - g_rcStageArea.left);
        const LPARAM dy = y + g_ScreenMetrics.toolbarHeight - g_rcStageArea.top;
        // The control panel, or else the measure panel standing in its place.
        const HWND control = Window(AppWindow::ControlPanel);
        const AppWindow panel =
            control && IsWindowVisible(control) ? AppWindow::ControlPanel : AppWindow::Measure;
        for (AppWindow which : {panel, AppWindow::ViewStage, AppWindow::MultiViewPanel,
                 AppWindow::MultiViewStage, AppWindow::ModeBar}) {
            const HWND h = Window(which);
            if (h && IsWindowVisible(h))
                SendMessageW(h, WM_REPOSITION_PANEL, dx, dy);
        }
        m_rcFrame = frame;
        return;
    }
    case FrameMoveAction::SnapBack:
        MoveFrameTo(m_rcFrame);
        return;
    }
}

void CMainFrame::OnSize(UINT, int cx, int cy)
{
    if (cx == 0 || cy == 0 || PlaceAgainOnceFramed())
        return;
    // A size the frame did not ask for comes from the user's resize, unless
    // it is the window manager's answer to the frame's own move: under X11 that
    // answer comes later and may differ (decorations, the screen's edges), and
    // taking it for the user's would refit the frame again and again.
    const bool answerToOwnMove = !m_ownMoveSettles.hasExpired();
    const bool unasked = cx != m_requestedClientSize.cx || cy != m_requestedClientSize.cy;
    if (unasked && answerToOwnMove)
        m_requestedClientSize = CSize(cx, cy);
    else if (IsWindowVisible() && unasked) {
        OnSizing();
        SetTimer(kExitSizeMoveTimer, kExitSizeMoveDelayMs);
    }
    GetWindowRect(&m_rcFrame);
    if (m_bStageResizePending) {
        const HWND stage = Window(AppWindow::ViewStage);
        const HWND multi = Window(AppWindow::MultiViewStage);
        const LPARAM none = 0;
        if (stage && IsWindowVisible(stage))
            SendMessageW(stage, WM_RESIZE_STAGE, reinterpret_cast<WPARAM>(&m_rcFrame), none);
        else if (multi && IsWindowVisible(multi))
            SendMessageW(multi, WM_RESIZE_STAGE, reinterpret_cast<WPARAM>(&m_rcFrame), none);
        m_bStageResizePending = 0;
    }
}

void CMainFrame::OnSizing()
{
    m_rcBeforeExif = RECT{};
    m_bStageResizePending = 1;
}

void CMainFrame::OnExitSizeMove()
{
    // Refit around the pair that is visible.
    if (Window(AppWindow::MultiViewStage) && IsWindowVisible(Window(AppWindow::MultiViewStage)))
        FitMultiFrame(0);
    else if (Window(AppWindow::ViewStage))
        FitClipFrame(0);
}

void CMainFrame::OnTimer(UINT_PTR id)
{
    if (id == kExitSizeMoveTimer) {
        KillTimer(id);
        OnExitSizeMove();
        return;
    }
    if (id == kAwaitFrameTimer) {
        if (PlaceAgainOnceFramed() || IsEmpty(m_rcAwaitingFrame) ||
            ++m_nAwaitFrameChecks >= kAwaitFrameChecks)
            KillTimer(id);
        return;
    }
    CFrameWnd::OnTimer(id);
}

int CMainFrame::ForceForegroundWindow(HWND target)
{
    CWnd* own = CWnd::FromHandle(target);
    const auto activate = [&] {
        if (own)
            own->SetForegroundWindow();
        else
            Desktop().control.Activate(target);
    };
    activate();
    if (own)
        own->BringWindowToTop();
    else
        Desktop().control.Raise(target);
    if (own && own->IsIconic())
        own->ShowWindow(SW_RESTORE);
    else if (!own) {
        DesktopWindowInfo info;
        if (Desktop().windows.QueryWindow(target, kQueryState, info) && info.minimized)
            Desktop().control.Restore(target);
    }
    if (g_nWindowsVersion < 0x600)
        return 1;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (::GetForegroundWindow() == target) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            return 1;
        }
        activate();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        PumpMessages();
    }
    RestoreFrame();
    return 0;
}

void CMainFrame::MinimizeFrame()
{
    ShowWindow(SW_MINIMIZE);
}

void CMainFrame::RestoreFrame()
{
    m_bRestoring = 1;
    ShowWindow(SW_RESTORE);
    m_bRestoring = 0;
}
