// Zooming the view stage: one step at a point, the wheel, the zoom commands,
// centring by double click, and what follows every change of the view (the
// overview window, the render, the status fields, the pointer).
#include "clip/view_stage.h"

#include "clip/overview_window_messages.h"
#include "clip/stage_renderer.h"
#include "core/app_state.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"
#include "platform/app/message_pump.h"
#include "platform/window/pointer_position.h"

#include <algorithm>
#include <cmath>

namespace {

int Trunc(double v)
{
    return static_cast<int>(v);
}

bool Contains(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

double CDlgViewStage::PixelRatioX() const
{
    const int visible = m_zoom.VisibleWidth();
    return visible > 0 ? static_cast<double>(m_zoom.clientWidth) / visible : 1.0;
}

POINT CDlgViewStage::SurfaceCentre() const
{
    return POINT{m_rcSurface.left + (m_rcSurface.right - m_rcSurface.left) / 2,
        m_rcSurface.top + (m_rcSurface.bottom - m_rcSurface.top) / 2};
}

POINT CDlgViewStage::CursorClientPoint()
{
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(&p);
    return p;
}

void CDlgViewStage::RaisePanel()
{
    if (HWND panel = GetAppState().Window(AppWindow::ControlPanel))
        if (CWnd* window = CWnd::FromHandle(panel))
            window->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool CDlgViewStage::ZoomStepAt(short direction, POINT p)
{
    const StageMetrics m = Metrics();
    const SIZE stage{m_rcStage.right - m_rcStage.left, m_rcStage.bottom - m_rcStage.top};
    const SIZE largest{std::min<LONG>(stage.cx - 12, m_largestView.cx),
        std::min<LONG>(stage.cy - (m.frameY + m.titleBand + 3), m_largestView.cy)};
    if (m_zoom.StepZoom(direction, m_zoomStep) == 0.0)
        return false;
    SIZE newSize{};
    const int sizeChanged = m_zoom.CalcZoomedSize(direction, largest.cx, largest.cy, &newSize);
    if (sizeChanged == 3)
        LayOutViewInStage(newSize);
    m_zoom.ZoomToRect(direction, sizeChanged, p, largest, newSize);
    return true;
}

void CDlgViewStage::AfterMousePosition_in_Center(int render)
{
    if (OverviewOpen())
        RefreshOverview();
    if (!m_zoom.IsZoomedOrPart()) {
        if (OverviewOpen())
            SendToFrame(WM_FRAME_CLOSE_SKY);
    } else if (!OverviewOpen()) {
        SendToFrame(WM_FRAME_OPEN_SKY);
    }
    if (render == 1)
        RenderSurface(0, kRenderAll);
    UpdateStatusFields();
}

void CDlgViewStage::MoveCursorToPixel(POINT q)
{
    const DoublePoint c = m_zoom.ImageToClient(q.x, q.y, 1, 1);
    // Inside a magnified pixel the pointer keeps its share of the pixel.
    POINT p{Trunc(c.x) + static_cast<int>(std::lround(m_zoom.pixelRatioX * (c.x - Trunc(c.x)))),
        Trunc(c.y) + static_cast<int>(std::lround(m_zoom.pixelRatioY * (c.y - Trunc(c.y))))};
    ClientToScreen(&p);
    SetCursorPos(p.x, p.y);
}

void CDlgViewStage::ResetHitZoom(int force)
{
    if (force == 1 || m_hitZoomOn) {
        m_hitZoomOn = false;
        m_hitZoomRatio = 0.0;
    }
}

void CDlgViewStage::WheelAt(UINT flags, short delta, CPoint screenPoint)
{
    if (!IsWindowVisible())
        return;
    POINT p{screenPoint.x, screenPoint.y};
    ScreenToClient(&p);
    // Over the overview window the wheel zooms at the view's centre.
    if (HWND overview = GetAppState().Window(AppWindow::OverviewWindow)) {
        RECT r{};
        ::GetWindowRect(overview, &r);
        if (Contains(r, POINT{screenPoint.x, screenPoint.y}))
            p = SurfaceCentre();
    }
    if (!InView(CPoint(p.x, p.y)) || !HasImage())
        return;
    if (!IsWheelClipActive()) {
        const POINT q = m_zoom.ClientToImagePixel(p);
        if (ZoomStepAt(delta, p)) {
            MoveCursorToPixel(q);
            AfterMousePosition_in_Center(IsClickClipActive() ? 0 : 1);
        }
        RaisePanel();
        ResetHitZoom(1);
    } else if (!IsFixSaveArea()) {
        ResizeRangeByWheel(delta);
    }
    const bool postMove = IsClickClipActive() && RedrawTwoClickAfterZoom();
    // The pointer moved under the view: input queued meanwhile is stale.
    FlushMessages(WM_MOUSEFIRST, WM_MOUSEWHEEL);
    if (postMove) {
        const POINT c = CursorClientPoint();
        PostMessage(WM_MOUSEMOVE, flags, MAKELPARAM(c.x, c.y));
    }
}

void CDlgViewStage::ZoomInOut_Container(int direction)
{
    if (!HasImage())
        return;
    if (direction != 0) {
        if (ZoomStepAt(static_cast<short>(direction), SurfaceCentre()))
            AfterMousePosition_in_Center(1);
        return;
    }
    SendToFrame(WM_FRAME_CLOSE_SKY);
    m_zoom.Reset();
    RenderSurface(0, kRenderAll);
    UpdateStatusFields();
}

void CDlgViewStage::CentreAt(CPoint point)
{
    if (!m_zoom.IsPartView())
        return;
    const POINT p{point.x, point.y};
    const POINT q = m_zoom.ClientToImagePixel(p);
    const POINT c = m_zoom.ClientToImageScaled(p);
    m_zoom.ZoomAt(
        c, m_zoom.wholeRect.right - m_zoom.wholeRect.left, m_zoom.wholeRect.bottom - m_zoom.wholeRect.top, 1);
    MoveCursorToPixel(q);
    AfterMousePosition_in_Center(1);
}

void CDlgViewStage::OnSkyJump(int perMilleX, int perMilleY)
{
    if (!HasImage())
        return;
    const SIZE size = m_zoom.GetHistorySize();
    const POINT pt{Trunc(Trunc(perMilleX / 1000.0 * m_zoom.imageWidth) / m_zoom.scaleX),
        Trunc(Trunc(perMilleY / 1000.0 * m_zoom.imageHeight) / m_zoom.scaleY)};
    m_zoom.ZoomAt(pt, size.cx, size.cy, 1);
    AfterMousePosition_in_Center(1);
}
