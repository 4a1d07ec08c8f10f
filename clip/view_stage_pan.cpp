// Panning the view stage: dragging with the left (or middle) button, the
// glide after a flick, the overview window's jump and drag, and the zoom
// lens's source square around the pointer.
#include "clip/view_stage.h"

#include "clip/stage_renderer.h"
#include "core/app_state_queries.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"

namespace {

// The glide's timer.
constexpr UINT_PTR kGlideTimer = 10;
// The lens shows a square of this many image pixels.
constexpr int kLensSide = 30;
// From this many client pixels per image pixel the view magnifies more than the lens.
constexpr int kLensRefusedRatio = 5;

// Shifts [low, high] (inclusive) into [0, limit - 1] without resizing it, and
// cuts it where the image is smaller than the square.
void ClampInclusive(LONG& low, LONG& high, int limit)
{
    if (low < 0) {
        high -= low;
        low = 0;
    }
    if (high > limit - 1) {
        low -= high - (limit - 1);
        high = limit - 1;
    }
    if (low < 0)
        low = 0;
}

}  // namespace

void CDlgViewStage::PanPress(CPoint point)
{
    if ((g_nStageMode & 0xFF) != kStageModeNormal && !IsClipSelecting())
        return;
    const POINT p{point.x, point.y};
    m_zoom.ClientToImagePixel(p);
    m_zoom.BeginDrag(p.x, p.y);
    m_flick.Begin(p, m_zoom.pixelRatioX, m_zoom.pixelRatioY);
}

void CDlgViewStage::PanMove(UINT flags, CPoint point)
{
    if (!m_zoom.IsDragging())
        return;
    // The middle button stands in for the left one (its press comes as a left press).
    const bool buttonDown = (flags & (MK_LBUTTON | MK_MBUTTON)) != 0;
    const bool normalView = (g_nStageMode & 0xFF) == kStageModeNormal;
    if (!buttonDown || (normalView && !InView(point))) {
        CancelDrag();
        return;
    }
    m_flick.AddPoint(POINT{point.x, point.y});
    if (m_zoom.DragTo(point.x, point.y)) {
        m_panned = true;
        RenderSurface(0, kRenderAll);
        if (OverviewOpen())
            RefreshOverview();
    }
    UpdateStatusFields();
}

void CDlgViewStage::PanRelease(CPoint point)
{
    m_panned = false;
    if (!HasImage() || !InView(point))
        return;
    m_surfaceWnd.SetFocus();
    m_zoom.dragMoved = 0;
    m_zoom.ResetDrag();
    if (AppSettings.SmoothMove == 1)
        m_flick.End(POINT{point.x, point.y});
}

void CDlgViewStage::CancelDrag()
{
    m_zoom.ResetDrag();
    m_flick.Reset();
    m_panned = false;
}

void CDlgViewStage::PanBy(POINT step)
{
    const RECT v = m_zoom.visibleRect;
    m_zoom.SetVisibleImageRect(v.left - step.x, v.right - step.x, v.top - step.y, v.bottom - step.y);
    AfterMousePosition_in_Center(1);
}

LRESULT CDlgViewStage::OnFlickStart(UINT period, const POINT* step)
{
    if (step)
        PanBy(*step);
    SetTimer(kGlideTimer, period);
    return 0;
}

void CDlgViewStage::OnGlideTimer()
{
    PanBy(m_flick.NextStep());
    m_flick.CheckStop();
}

LRESULT CDlgViewStage::OnLensSource(CClipImageSlot** buffer, RECT* rect)
{
    if (!HasImage() || !buffer || !rect || m_zoom.VisibleWidth() <= 0)
        return 0;
    if ((m_rcSurface.right - m_rcSurface.left) / m_zoom.VisibleWidth() >= kLensRefusedRatio)
        return 0;
    const POINT q = m_zoom.ClientToImagePixel(CursorClientPoint());
    const int half = kLensSide / 2;
    RECT r{q.x - half, q.y - half, q.x + half - 1, q.y + half - 1};
    ClampInclusive(r.left, r.right, m_zoom.imageWidth);
    ClampInclusive(r.top, r.bottom, m_zoom.imageHeight);
    if (CropToClipImage(&m_lensBuffer, r) == 0)
        return 0;
    *buffer = &m_lensBuffer;
    *rect = r;
    return 1;
}
