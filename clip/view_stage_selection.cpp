// Range selection on the view stage: two clicks or the wheel-sized range.
// The band and the wheel range are drawn straight onto the surface after it
// was refreshed from the back buffer; the surface's drawing coordinates put
// the view's top-left pixel at (1, 1).
#include "clip/control_panel_messages.h"
#include "clip/range_cursor.h"
#include "clip/rubber_band.h"
#include "clip/stage_renderer.h"
#include "clip/view_stage.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/geometry.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"
#include "platform/window/cursor.h"
#include "platform/window/input_keys.h"
#include "platform/window/pointer_position.h"
#include "platform/window/resource_cursors.h"

#include <cstdlib>

namespace {

// A release this close to its press (in both directions) is a click.
constexpr int kClickSlack = 5;
constexpr int kTwoClicks = 2;
constexpr int kWheelRange = 3;
// The status guide after the first point of two clicks.
constexpr LPARAM kGuideSecondPoint = 18;

bool Unset(POINT p)
{
    return p.x == -1 && p.y == -1;
}

bool IsClick(POINT press, POINT release)
{
    return !Unset(press) && std::abs(release.x - press.x) <= kClickSlack &&
        std::abs(release.y - press.y) <= kClickSlack;
}

bool KeyDown(int vk)
{
    return GetKeyState(vk) < 0;
}

bool LeftButtonDown()
{
    return GetAsyncKeyState(VK_LBUTTON) < 0;
}

}  // namespace

void CDlgViewStage::EnterClipRange()
{
    g_nStageMode = kStageModeSelecting;
    m_cursorImagePoint = POINT{-1, -1};
    m_wheelRangeClient = RECT{};
    m_twoClickPress = m_wheelPress = POINT{-1, -1};
    CCoordLabelOverlay& labels = m_renderer->Labels();
    ResetLabelArea();
    labels.Reset();
    labels.SetFixedRect(AppSettings.FixSaveArea == 1 ? 1 : 0, AppSettings.PrevSaveRect);
    m_band->SetPen(PS_SOLID, 0, AppSettings.SelRangeColor);
    m_band->Reset();
    SetBandArea();
    if (g_nRangeSelectMethod == kWheelRange) {
        const RECT r = m_wheelRange.SetSize(
            m_zoom.VisibleWidth(), m_zoom.VisibleHeight(), AppSettings.ClipHorSize, AppSettings.ClipVerSize);
        labels.SetRangeSize(r.right, r.bottom);
        labels.SetRangeRect(r);
        m_wheelRangeClient = PlaceWheelRange(r, true);
        DrawWheelRangeFrame(m_wheelRangeClient);
    }
    for (auto& line : m_crossLines) {
        if (!line)
            line = std::make_unique<CDrawXorLine>(PS_SOLID, 1, AppSettings.SelRangeColor);
    }
    if (IsHighlightZoomAreaOn())
        m_renderer->BuildHighlightBuffer();
}

void CDlgViewStage::CancelClipRange()
{
    if (m_band->IsStarted() && m_surfaceWnd.GetSafeHwnd()) {
        CClientDC dc(&m_surfaceWnd);
        m_band->Erase(&dc);
    }
    m_band->Reset();
    m_renderer->FreeHighlightBuffer();
    for (auto& line : m_crossLines)
        line.reset();
    g_nStageMode = kStageModeNormal;
    m_cursorImagePoint = POINT{-1, -1};
    m_wheelRangeClient = RECT{};
    m_twoClickPress = m_wheelPress = POINT{-1, -1};
    m_renderer->Labels().Reset();
    RenderSurface(0, kRenderAll);
    ReleasePointer();
}

void CDlgViewStage::ReleasePointer()
{
    ClipCursor(nullptr);
}

void CDlgViewStage::SetBandArea()
{
    if (m_band)
        m_band->SetArea(m_rcSurface.left, m_rcSurface.top, m_rcSurface.right, m_rcSurface.bottom);
}

bool CDlgViewStage::ZoomRubberBandStarted() const
{
    return m_band && m_band->IsStarted();
}

bool CDlgViewStage::BandImageRect(RECT* r) const
{
    if (!ZoomRubberBandStarted())
        return false;
    *r = m_band->bandImage;
    return true;
}

// ---- Press, release, move ----

void CDlgViewStage::SelectionPress(CPoint point)
{
    if (g_nRangeSelectMethod == kTwoClicks) {
        m_twoClickPress = POINT{point.x, point.y};
    } else if (g_nRangeSelectMethod == kWheelRange && !m_band->IsStarted()) {
        m_wheelPress = POINT{point.x, point.y};
        m_band->BeginAt(m_wheelPress);
    }
}

void CDlgViewStage::SelectionRelease(CPoint point)
{
    if (g_nRangeSelectMethod == kTwoClicks)
        TwoClickRelease(point);
    else if (g_nRangeSelectMethod == kWheelRange)
        WheelRelease(point);
}

void CDlgViewStage::TwoClickRelease(CPoint point)
{
    const POINT p{point.x, point.y};
    const bool click = IsClick(m_twoClickPress, p);
    m_twoClickPress = POINT{-1, -1};
    if (!click)
        return;
    if (!m_band->IsStarted()) {
        m_band->BeginAt(p);
        if (!m_band->IsStarted())
            return;
        POINT q = m_band->imageStart;
        m_renderer->Labels().SetStartPoint(q.x, q.y);
        NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_SHOW_POINT, reinterpret_cast<WPARAM>(&q), 0);
        SendToFrame(WM_FRAME_STATUS_GUIDE, 0, kGuideSecondPoint);
        return;
    }
    POINT q = m_zoom.ClientToImagePixel(p);
    NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_SHOW_POINT, reinterpret_cast<WPARAM>(&q), 1);
    RECT range{m_band->imageStart.x, m_band->imageStart.y, q.x, q.y};
    NormalizeRect(range);
    FinishRange(range, false);
}

void CDlgViewStage::WheelRelease(CPoint point)
{
    const POINT p{point.x, point.y};
    const bool click = IsClick(m_wheelPress, p);
    m_wheelPress = POINT{-1, -1};
    if (!click) {
        // A drag: it panned the view, it cuts nothing.
        m_band->ResetStart();
        return;
    }
    FinishRange(m_renderer->Labels().RangeRect(), false);
}

void CDlgViewStage::SelectionMove(UINT /*flags*/, CPoint point)
{
    if (!HasImage())
        return;
    if (::GetActiveWindow() != m_hWnd) {
        SetActiveWindow();
        RenderSurface(0, kRenderAll);
    }
    if (g_nRangeSelectMethod == kTwoClicks)
        TwoClickMove(point);
    else if (g_nRangeSelectMethod == kWheelRange)
        WheelMove(point);
}

void CDlgViewStage::TwoClickMove(CPoint point)
{
    if (!Unset(m_twoClickPress) && !LeftButtonDown()) {
        // A press followed by a move is no click.
        m_twoClickPress = POINT{-1, -1};
        CancelDrag();
    }
    if (!InView(point))
        return;
    const POINT p{point.x, point.y};
    POINT q = m_zoom.ClientToImagePixel(p);
    const bool started = m_band->IsStarted();
    bool composed = false;
    if (AppSettings.HighlightZoomAreaClick != 0 && started) {
        m_band->TrackTo(p);
        RenderSurface(0, kRenderAll);
        composed = true;
    }
    if (AppSettings.ViewRangeCorr == 1) {
        m_cursorImagePoint = q;
        RenderSurface(0, kRenderAll);
    } else if (!composed) {
        RefreshSurface();
    }
    if (AppSettings.ViewCenterMarker == 1 && started)
        RenderSurface(0, kRenderAll);
    if (!started)
        DrawCrossHair(point);
    else if (AppSettings.HighlightZoomAreaClick == 0)
        DrawBandTo(point);
    NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_SHOW_POINT, reinterpret_cast<WPARAM>(&q), 1);
}

void CDlgViewStage::WheelMove(CPoint point)
{
    if (!Unset(m_wheelPress) && !LeftButtonDown()) {
        m_wheelPress = POINT{-1, -1};
        CancelDrag();
        m_band->ResetStart();
    }
    if (!InView(point))
        return;
    const POINT p{point.x, point.y};
    const POINT q = m_zoom.ClientToImagePixel(p);
    CCoordLabelOverlay& labels = m_renderer->Labels();
    const RECT c = WheelRangeAt(p);
    m_wheelRangeClient = c;
    if (AppSettings.ViewRangeCorr == 1) {
        m_cursorImagePoint = q;
        RenderSurface(0, kRenderAll);
    } else {
        if (IsSmoothClipOrFixedArea()) {
            labels.SetSelection(c.left, c.top, c.right, c.bottom);
            labels.GetLabelArea();
        }
        RefreshSurface();
    }
    if (AppSettings.HighlightZoomAreaWheel != 0 || AppSettings.ViewCenterMarker == 1)
        RenderSurface(0, kRenderAll);
    if (AppSettings.HighlightZoomAreaWheel == 0)
        DrawWheelRangeFrame(c);
    RECT range = labels.RangeRect();
    NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_RANGE_DONE, reinterpret_cast<WPARAM>(&range), 1);
}

void CDlgViewStage::ResizeRangeByWheel(short delta)
{
    if (AppSettings.FixSaveArea == 1)
        return;
    const bool shift = KeyDown(VK_SHIFT), ctrl = KeyDown(VK_CONTROL);
    ::SetCursor(LoadResourceCursor(WheelResizeCursorId(delta, shift, ctrl)));
    const RECT r = m_wheelRange.StepByWheel(delta, AppSettings.ClipIncVolume, WheelSidesFor(shift, ctrl));
    CCoordLabelOverlay& labels = m_renderer->Labels();
    labels.SetRangeSize(r.right, r.bottom);
    const RECT placed = labels.RangeRect();
    labels.SetRangeRect(RECT{placed.left, placed.top, placed.left + r.right, placed.top + r.bottom});
    const POINT pointer = CursorClientPoint();
    m_wheelRangeClient = WheelRangeAt(pointer);
    if (!DrawWheelRangeFrame(m_wheelRangeClient) && m_band->HasRect()) {
        // Nothing could be drawn: the range keeps the size it had on screen.
        const RECT& b = m_band->current;
        m_wheelRange.SetSize(
            m_zoom.VisibleWidth(), m_zoom.VisibleHeight(), b.right - b.left + 1, b.bottom - b.top + 1);
    }
    // Everything else follows as on a mouse move.
    SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pointer.x, pointer.y));
}

bool CDlgViewStage::RedrawTwoClickAfterZoom()
{
    if (!IsClickClipActive())
        return false;
    RenderSurface(0, kRenderAll);
    if (m_band->IsStarted()) {
        m_band->UpdateStartPoint();
        m_band->ResetDrawnRect();
        m_bandRestart = false;
    }
    // The band and the cross-hair follow with the next mouse move.
    return true;
}

// ---- Drawing on the surface ----

void CDlgViewStage::RefreshSurface()
{
    if (!m_renderer->HasBackBuffer() || !m_surfaceWnd.GetSafeHwnd())
        return;
    const SIZE s = m_renderer->SurfaceSize();
    CClientDC dc(&m_surfaceWnd);
    dc.BitBlt(1, 1, s.cx, s.cy, m_renderer->BackBuffer().GetMemDC(), 0, 0, SRCCOPY);
}

void CDlgViewStage::DrawCrossHair(CPoint point)
{
    if (!m_crossLines[0] || !m_crossLines[1] || !m_surfaceWnd.GetSafeHwnd())
        return;
    const int w = m_rcSurface.right - m_rcSurface.left, h = m_rcSurface.bottom - m_rcSurface.top;
    const int x = point.x - m_rcSurface.left + 1, y = point.y - m_rcSurface.top + 1;
    CClientDC dc(&m_surfaceWnd);
    dc.IntersectClipRect(1, 1, w, h);
    m_crossLines[0]->MoveLine(&dc, POINT{2, y}, POINT{w - 2, y}, 0);
    m_crossLines[1]->MoveLine(&dc, POINT{x, 2}, POINT{x, h - 2}, 0);
}

void CDlgViewStage::DrawBandTo(CPoint point)
{
    if (!m_surfaceWnd.GetSafeHwnd())
        return;
    if (m_bandRestart) {
        m_band->UpdateStartPoint();
        m_band->ResetDrawnRect();
        m_bandRestart = false;
    }
    const int w = m_rcSurface.right - m_rcSurface.left, h = m_rcSurface.bottom - m_rcSurface.top;
    m_band->gridOn = AppSettings.ShowPixelGrid != 0;
    m_band->gridLevel = AppSettings.LevelPixelGrid;
    CClientDC dc(&m_surfaceWnd);
    dc.IntersectClipRect(1, 1, w + 1, h + 1);
    m_band->DrawTo(&dc, POINT{point.x, point.y});
}

// ---- The wheel range ----

RECT CDlgViewStage::WheelRangeAt(POINT point)
{
    if (AppSettings.FixSaveArea == 1)
        return PlaceWheelRange(AppSettings.PrevSaveRect, false);
    const RECT r = m_renderer->Labels().RangeRect();
    if (IsSmoothClipOrFixedArea())
        return SmoothWheelRange(r, point);
    return PlaceWheelRange(r, true, &point);
}

RECT CDlgViewStage::PlaceWheelRange(const RECT& r, bool follow, POINT* pointer)
{
    const RECT& v = m_zoom.visibleRect;
    RECT image;
    if (follow) {
        POINT c = pointer ? *pointer : CursorClientPoint();
        c.x = std::max<LONG>(c.x, 0);
        c.y = std::max<LONG>(c.y, 0);
        image = CentreRangeOnPixel(r, m_zoom.ClientToImagePixel(c), v);
    } else {
        image = ClampRectToArea(v.left, v.top, v.right, v.bottom, r.left, r.top, r.right, r.bottom);
    }
    CCoordLabelOverlay& labels = m_renderer->Labels();
    labels.SetRangeRect(image);
    RECT c = m_zoom.ImageRectToClient(image, 0, 1);
    // A magnified last pixel is covered to its far edge.
    const int vw = m_zoom.VisibleWidth(), vh = m_zoom.VisibleHeight();
    const double rx = vw > 0 ? static_cast<double>(m_zoom.clientWidth) / vw : 1.0;
    const double ry = vh > 0 ? static_cast<double>(m_zoom.clientHeight) / vh : 1.0;
    if (rx >= 1.0)
        c.right += static_cast<int>(rx) - 1;
    if (ry >= 1.0)
        c.bottom += static_cast<int>(ry) - 1;
    c = ShiftIntoSurface(c, m_renderer->SurfaceSize());
    labels.SetSelection(c.left, c.top, c.right, c.bottom);
    return c;
}

RECT CDlgViewStage::SmoothWheelRange(const RECT& r, POINT pointer)
{
    SmoothPlacement f;
    f.visible = SIZE{m_zoom.VisibleWidth(), m_zoom.VisibleHeight()};
    const DoublePoint imagePerClient = m_zoom.GetPixelRatio();
    f.imagePerClientX = imagePerClient.x;
    f.imagePerClientY = imagePerClient.y;
    f.clientPerImageX = imagePerClient.x > 0 ? 1.0 / imagePerClient.x : 1.0;
    f.clientPerImageY = imagePerClient.y > 0 ? 1.0 / imagePerClient.y : 1.0;
    f.surface = m_renderer->SurfaceSize();
    const POINT inSurface{pointer.x - m_rcSurface.left + 1, pointer.y - m_rcSurface.top + 1};
    return SmoothRangeRect(r, inSurface, f);
}

bool CDlgViewStage::DrawWheelRangeFrame(const RECT& c)
{
    const SIZE s = m_renderer->SurfaceSize();
    RECT band = c;
    if (band.right == s.cx && band.right - band.left > 1)
        --band.right;
    if (band.bottom == s.cy && band.bottom - band.top > 1)
        --band.bottom;
    m_band->current = band;
    if (AppSettings.HighlightZoomAreaWheel != 0)
        return true;
    if (!m_surfaceWnd.GetSafeHwnd())
        return false;
    CClientDC dc(&m_surfaceWnd);
    dc.IntersectClipRect(1, 1, s.cx + 1, s.cy + 1);
    m_band->inset = 1;
    const POINT keepStart = m_band->start;
    m_band->Erase(&dc);
    m_band->start = keepStart;  // a wheel press in progress keeps its start
    m_band->Draw(&dc);
    m_band->inset = 0;
    return true;
}

// ---- The cursor ----

int CDlgViewStage::ViewCursorId() const
{
    RangeCursorState s;
    s.panned = m_panned;
    s.selecting = IsClipSelecting() != 0;
    s.method = g_nRangeSelectMethod;
    s.fixedRange = AppSettings.FixSaveArea == 1;
    s.shift = KeyDown(VK_SHIFT);
    s.ctrl = KeyDown(VK_CONTROL);
    return RangeCursorId(s);
}
