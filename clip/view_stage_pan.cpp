// Panning the view stage: dragging with the left (or middle) button and the
// glide after a flick; and the zoom lens's source square around the pointer.
#include "clip/view_stage.h"

#include "clip/stage_renderer.h"
#include "clip/zoom_lens_source.h"
#include "core/app_state_queries.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"

namespace {

// The glide's timer.
constexpr UINT_PTR kGlideTimer = 10;

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
    if (!HasImage() || !buffer || !rect)
        return 0;
    if (LensSourceRefused(m_rcSurface.right - m_rcSurface.left, m_zoom.VisibleWidth()))
        return 0;
    const POINT q = m_zoom.ClientToImagePixel(CursorClientPoint());
    const RECT r = LensSourceSquare(q, m_zoom.imageWidth, m_zoom.imageHeight);
    if (CropToClipImage(&m_lensBuffer, r) == 0)
        return 0;
    *buffer = &m_lensBuffer;
    *rect = r;
    return 1;
}
