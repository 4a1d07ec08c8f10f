// What the panels, the zoom lens and the frame ask of a range selection:
// a point picked in the zoom lens, the wheel range's size, select-all, the
// fixed range shown, the pointer to the fixed range, and a crop into the
// lens buffer.
#include "clip/control_panel_messages.h"
#include "clip/rubber_band.h"
#include "clip/stage_renderer.h"
#include "clip/view_stage.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/geometry.h"
#include "core/settings/app_settings.h"
#include "platform/window/pointer_position.h"
#include "res/frame_command_ids.h"

namespace {

constexpr LPARAM kGuideSecondPoint = 18;

}  // namespace

void CDlgViewStage::OnSetClickRange(POINT p, POINT q)
{
    m_twoClickPress = POINT{-1, -1};
    if (m_band->IsStarted()) {
        NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_SHOW_POINT, reinterpret_cast<WPARAM>(&q), 1);
        RECT range{m_band->imageStart.x, m_band->imageStart.y, q.x, q.y};
        NormalizeRect(range);
        FinishRange(range, true);
        return;
    }
    m_band->SetStart(p, q);
    m_renderer->Labels().SetStartPoint(q.x, q.y);
    NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_SHOW_POINT, reinterpret_cast<WPARAM>(&q), 0);
    SendToFrame(WM_FRAME_STATUS_GUIDE, 0, kGuideSecondPoint);
}

void CDlgViewStage::ApplyRangeSize(int w, int h)
{
    const RECT r = m_wheelRange.SetSize(m_zoom.VisibleWidth(), m_zoom.VisibleHeight(), w, h);
    CCoordLabelOverlay& labels = m_renderer->Labels();
    labels.SetRangeSize(r.right, r.bottom);
    m_wheelRangeClient = PlaceWheelRange(r, true);
    DrawWheelRangeFrame(m_wheelRangeClient);
}

void CDlgViewStage::OnSelectAll()
{
    m_wheelRange.ResetToBounds();
    const RECT r = m_wheelRange.Rect();
    CCoordLabelOverlay& labels = m_renderer->Labels();
    labels.SetRangeSize(r.right, r.bottom);
    labels.SetRangeRect(r);
}

void CDlgViewStage::OnViewFixArea(const RECT& f)
{
    if (!IsRectAroundAndVisibleInclusive(m_zoom.visibleRect, f)) {
        // Back to the fit view, where the whole image and so the range shows.
        m_zoom.level = 1;
        SendToFrame(WM_COMMAND, MAKEWPARAM(ID_VIEW_ZOOM_OUT, 0), 0);
        UpdateStatusFields();
        BringWindowToTop();
    }
    m_renderer->BuildHighlightBuffer();
    m_wheelRangeClient = PlaceWheelRange(f, false);
    RenderSurface(0, kRenderAll);
    m_renderer->FreeHighlightBuffer();
}

void CDlgViewStage::OnCenterCursor()
{
    const RECT& f = AppSettings.PrevSaveRect;
    const RECT c = m_zoom.ImageRectToClient(f, 1, 1);
    POINT centre{(c.left + c.right) / 2, (c.top + c.bottom) / 2};
    ClientToScreen(&centre);
    SetCursorPos(centre.x, centre.y);
}

LRESULT CDlgViewStage::OnCrop(CClipImageSlot** out, const RECT* r)
{
    if (!out || !r || !CropToClipImage(&m_lensBuffer, *r))
        return 0;
    *out = &m_lensBuffer;
    return 1;
}
