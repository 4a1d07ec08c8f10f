#include "clip/sky_window.h"

#include "clip/sky_layout.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/app_state.h"
#include "core/system_figures.h"
#include "imaging/load_bitmap_dup_mem.h"
#include "platform/app/message_pump.h"

#include <utility>

namespace {

// The time of the last refresh request, shared by every overview window.
DWORD g_lastSkyRefresh = 0;

RECT WindowRectOf(HWND w)
{
    RECT r{};
    if (w)
        ::GetWindowRect(w, &r);
    return r;
}

}  // namespace

CDlgSkyWindow::CDlgSkyWindow(CWnd* parent, std::function<RECT()> workArea)
    : CDialog(&kDialog132SkyWindow, parent), m_workArea(std::move(workArea))
{
}

HWND CDlgSkyWindow::StageWindow()
{
    return GetAppState().Window(AppWindow::ViewStage);
}

void CDlgSkyWindow::SendToStage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const HWND stage = StageWindow())
        ::SendMessageW(stage, message, wParam, lParam);
}

BOOL CDlgSkyWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_picture.SubclassDlgItem(IDC_SKY_PICTURE, this);
    m_press = POINT{-1, -1};
    m_dragging = 0;
    m_active = 1;
    m_pictureWidth = m_pictureHeight = kSkyInitialPicture;
    LayOut(false);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CDlgSkyWindow::OnOK()
{
    // Enter does nothing.
}

void CDlgSkyWindow::OnCancel()
{
    // Esc would hide the window while the frame still counts it open.
}

void CDlgSkyWindow::OnClose()
{
    DestroyWindow();
}

LRESULT CDlgSkyWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SKY_SET_IMAGE:
        return OnSetImage(
            reinterpret_cast<CLoadBitmapDlg_DupMem*>(wParam), reinterpret_cast<const RECT*>(lParam));
    case WM_SKY_REPOSITION:
        LayOut(false);
        return 1;
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

void CDlgSkyWindow::LayOut(bool forImage)
{
    const SIZE borders = SkyBorders(g_ScreenMetrics.frameWidth, g_ScreenMetrics.frameHeight);
    if (forImage) {
        RECT client{};
        const HWND panel = GetAppState().Window(AppWindow::ControlPanel);
        const int panelWidth = panel && ::GetClientRect(panel, &client)
            ? static_cast<int>(client.right - client.left)
            : kSkyInitialPicture + static_cast<int>(borders.cx);
        const SIZE picture = SkyPictureSize(panelWidth, borders, m_imageWidth, m_imageHeight);
        m_pictureWidth = picture.cx;
        m_pictureHeight = picture.cy;
    }
    const HWND measure = GetAppState().Window(AppWindow::Measure);
    SkyPlacementInput in;
    in.picture = SIZE{m_pictureWidth, m_pictureHeight};
    in.borders = borders;
    in.stageLeft = WindowRectOf(StageWindow()).left;
    in.panelBottom = WindowRectOf(measure ? measure : GetAppState().Window(AppWindow::ControlPanel)).bottom;
    in.screenHeight = g_ScreenMetrics.screenHeight;
    in.lowerLimit = m_workArea ? m_workArea().bottom : in.screenHeight;
    const SkyPlacement place = PlaceSkyWindow(in);
    m_pictureWidth = place.picture.cx;
    m_pictureHeight = place.picture.cy;
    m_rcWindow = place.window;
    m_rcPicture = place.pictureRect;
    MoveWindow(&m_rcWindow);
    m_picture.MoveWindow(&m_rcPicture);
    // A resized picture control repaints its background now, not over the image drawn next.
    m_picture.UpdateWindow();
}

LRESULT CDlgSkyWindow::OnSetImage(CLoadBitmapDlg_DupMem* holder, const RECT* visible)
{
    m_visible = visible;
    if (!holder || !holder->dup1Bits)
        return 0;
    holder->GetSize(&m_imageWidth, &m_imageHeight);
    LayOut(true);
    DrawPicture(*holder);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    GiveFocusToStage();
    return 1;
}

void CDlgSkyWindow::DrawPicture(CLoadBitmapDlg_DupMem& holder)
{
    CDC* dc = m_picture.GetDC();
    if (!dc)
        return;
    holder.PaintStretched(dc->GetSafeHdc(), m_picture.GetSafeHwnd(),
        RECT{0, 0, m_pictureWidth, m_pictureHeight}, RECT{0, 0, m_imageWidth, m_imageHeight}, HALFTONE);
    if (m_visible) {
        m_rcFrame =
            SkyFrameRect(*m_visible, SIZE{m_pictureWidth, m_pictureHeight}, m_imageWidth, m_imageHeight);
        dc->IntersectClipRect(0, 0, m_pictureWidth, m_pictureHeight);
        m_framePen.DrawRect(dc, m_rcFrame.left, m_rcFrame.top, m_rcFrame.right, m_rcFrame.bottom);
    }
    m_picture.ReleaseDC(dc);
    m_picture.PresentSurface();
}

void CDlgSkyWindow::GiveFocusToStage()
{
    const HWND stage = StageWindow();
    if (!stage)
        return;
    const auto* view = dynamic_cast<const CDlgViewStage*>(CWnd::FromHandle(stage));
    ::SetFocus(view ? view->SurfaceWindow() : stage);
}

void CDlgSkyWindow::OnPaint()
{
    CDialog::OnPaint();
    // The sunken edge round the window.
    if (CDC* dc = GetDC()) {
        RECT r{};
        GetClientRect(&r);
        dc->Draw3dRect(0, 0, r.right, r.bottom, RGB(128, 128, 128), RGB(255, 255, 255));
        ReleaseDC(dc);
    }
    // A window's first paint always asks: reopened within the second, it
    // would stay blank until the stage next moved.
    const DWORD now = GetTickCount();
    if (TakeSkyRefreshTurn(now, &g_lastSkyRefresh) || !m_askedForImage) {
        g_lastSkyRefresh = now;
        m_askedForImage = true;
        SendToStage(WM_STAGE_SKY_REFRESH);
    }
}

void CDlgSkyWindow::OnActivate(UINT state, CWnd* other, BOOL minimized)
{
    CDialog::OnActivate(state, other, minimized);
    m_active = state == WA_INACTIVE ? 0 : 1;
}
