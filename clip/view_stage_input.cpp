// The view stage's mouse input: every button, move and wheel message over the
// stage (the surface hands its own on) is dispatched here to panning and
// zooming (view_stage_pan.cpp, view_stage_zoom.cpp) and to range selection
// (view_stage_selection.cpp), in the order the stage needs them.
#include "clip/view_stage.h"

#include "clip/control_panel_messages.h"
#include "core/app_state_queries.h"
#include "platform/window/cursor.h"
#include "platform/window/resource_cursors.h"

namespace {

// The glide's timer.
constexpr UINT_PTR kGlideTimer = 10;

}  // namespace

void CDlgViewStage::OnMouseMove(UINT flags, CPoint point)
{
    m_pointerInView = InView(point) ? 1 : 0;
    if (HasImage() && m_pointerInView)
        NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_SHOW_COLOR, static_cast<WPARAM>(ColorAt(point)));
    if (MeasureMove(point)) {
        CDialog::OnMouseMove(flags, point);
        return;
    }
    PanMove(flags, point);
    if (IsClipSelecting())
        SelectionMove(flags, point);
    CDialog::OnMouseMove(flags, point);
}

void CDlgViewStage::OnLButtonDown(UINT flags, CPoint point)
{
    MeasurePress(point);
    if (HasImage() && InView(point)) {
        if (IsClipSelecting())
            SelectionPress(point);
        PanPress(point);
    }
    CDialog::OnLButtonDown(flags, point);
}

void CDlgViewStage::OnLButtonUp(UINT flags, CPoint point)
{
    MeasureRelease(point);
    PanRelease(point);
    if (HasImage() && InView(point) && IsClipSelecting())
        SelectionRelease(point);
    CDialog::OnLButtonUp(flags, point);
}

void CDlgViewStage::OnLButtonDblClk(UINT flags, CPoint point)
{
    if (HasImage() && InView(point))
        CentreAt(point);
    CDialog::OnLButtonDblClk(flags, point);
}

BOOL CDlgViewStage::OnMouseWheel(UINT flags, short delta, CPoint screenPoint)
{
    WheelAt(flags, delta, screenPoint);
    return TRUE;
}

BOOL CDlgViewStage::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (hitTest == HTCLIENT && !IsMeasureWindowOpen() && m_pointerInView) {
        if (const int id = ViewCursorId()) {
            ::SetCursor(LoadResourceCursor(id));
            return TRUE;
        }
    }
    if (hitTest == HTCLIENT && IsMeasureWindowOpen() && m_pointerInView) {
        SetMeasureCursor();
        return TRUE;
    }
    return CDialog::OnSetCursor(wnd, hitTest, message);
}

void CDlgViewStage::OnTimer(UINT_PTR id)
{
    if (id == kGlideTimer) {
        OnGlideTimer();
        return;
    }
    CDialog::OnTimer(id);
}

void CDlgViewStage::OnMButtonDown(UINT flags, CPoint point)
{
    SendMessage(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
}

void CDlgViewStage::OnMButtonUp(UINT flags, CPoint point)
{
    SendMessage(WM_LBUTTONUP, flags, MAKELPARAM(point.x, point.y));
}
