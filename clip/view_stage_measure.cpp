// The measure tool on the view stage: while the measure panel is open the
// stage hands it the mouse (a press arms a click or starts dragging a line,
// a move lets the line follow, a release near the press sets a point), draws
// its lines and shows the measure cursors. The panel and its lines are in
// clip/measure_dialog.h.
#include "clip/measure_dialog.h"
#include "clip/stage_renderer.h"
#include "clip/view_stage.h"
#include "core/app_state.h"
#include "core/settings/app_settings.h"
#include "platform/window/cursor.h"
#include "platform/window/resource_cursors.h"

#include <algorithm>

namespace {

constexpr int kCursorPlaceStart = 345;
constexpr int kCursorPlaceEnd = 346;
constexpr int kCursorDragEnd = 347;
constexpr int kCursorMoveLine = 348;

}  // namespace

CDlgMeasure* CDlgViewStage::MeasurePanel() const
{
    return dynamic_cast<CDlgMeasure*>(CWnd::FromHandle(GetAppState().Window(AppWindow::Measure)));
}

MeasurePoint CDlgViewStage::MeasurePointAt(POINT client)
{
    const POINT q = m_zoom.ClientToImagePixel(client);
    return MeasurePoint{
        q.x, q.y, m_zoom.cellOffsetX, m_zoom.cellOffsetY, m_zoom.pixelRatioX, m_zoom.pixelRatioY};
}

void CDlgViewStage::MeasurePress(CPoint point)
{
    CDlgMeasure* panel = MeasurePanel();
    if (!panel || !HasImage() || !InView(point))
        return;
    if (panel->MeasureStateNow() != kMeasureIdle) {
        panel->SetPressPoint(point);
        return;
    }
    // The square round the press, as wide as the drawn end squares, inside the view.
    const int s = static_cast<int>(AppSettings.ScaleLineWidth) + 2;
    const POINT low{std::max<int>(point.x - s, m_rcView.left), std::max<int>(point.y - s, m_rcView.top)};
    const POINT high{
        std::min<int>(point.x + s, m_rcView.right - 1), std::min<int>(point.y + s, m_rcView.bottom - 1)};
    const MeasurePoint a = MeasurePointAt(low);
    const MeasurePoint b = MeasurePointAt(high);
    panel->BeginEndpointDrag(MeasurePointAt(point), a, b);
}

bool CDlgViewStage::MeasureMove(CPoint point)
{
    CDlgMeasure* panel = MeasurePanel();
    if (!panel || !HasImage() || !InView(point))
        return false;
    const BYTE state = panel->MeasureStateNow();
    const MeasurePoint p = MeasurePointAt(point);
    if (state == kMeasureDrawing || state == kMeasureDragging) {
        panel->TrackMousePoint(p);
        panel->UpdateLineLengthText(p);
        HighlightMeasureLine(panel->Lines().GetSelection().selected);
        RenderSurface(0, kRenderGrid);
    }
    if (state == kMeasureDragging)
        return true;
    const POINT pixel{p.x, p.y};
    panel->SendMessage(WM_MEASURE_MOUSE_POS, 0, reinterpret_cast<LPARAM>(&pixel));
    return false;
}

void CDlgViewStage::MeasureRelease(CPoint point)
{
    CDlgMeasure* panel = MeasurePanel();
    if (!panel || !HasImage())
        return;
    const BYTE state = panel->MeasureStateNow();
    if (state == kMeasureDragging) {
        if (InView(point))
            panel->TrackMousePoint(MeasurePointAt(point));
        panel->SetMeasureState(kMeasureIdle);
        RenderSurface(0, kRenderGrid);
    } else if (panel->IsNearPressPoint(point) && (state == kMeasureArmed || state == kMeasureDrawing)) {
        // The point is where the button went down.
        const MeasurePoint p = MeasurePointAt(panel->PressPoint());
        if (state == kMeasureArmed) {
            panel->SetLineStartPoint(p);
        } else {
            panel->SetLineEndPoint(p);
            RenderSurface(0, kRenderGrid);
            panel->SendMessage(WM_MEASURE_HIGHLIGHT, 0, panel->Lines().GetSelection().selected);
        }
    } else {
        panel->ResetPressPoint();
    }
    panel->Lines().ClearMarks();
}

void CDlgViewStage::HighlightMeasureLine(int line)
{
    CDlgMeasure* panel = MeasurePanel();
    if (!panel)
        return;
    if (m_measureHighlight != line && m_measureHighlight >= 0 && panel->MeasureStateNow() != kMeasureArmed)
        panel->SendMessage(WM_MEASURE_HIGHLIGHT, 0, m_measureHighlight);
    m_measureHighlight = line;
    if (line >= 0)
        panel->SendMessage(WM_MEASURE_HIGHLIGHT, 1, line);
}

int CDlgViewStage::MeasureCursorId(CPoint point)
{
    CDlgMeasure* panel = MeasurePanel();
    if (!panel)
        return 0;
    switch (panel->MeasureStateNow()) {
    case kMeasureIdle: {
        if (!HasImage())
            return 0;
        const int s = static_cast<int>(AppSettings.ScaleLineWidth) + 2;
        const MeasurePoint a = MeasurePointAt(POINT{point.x - s, point.y - s});
        const MeasurePoint b = MeasurePointAt(POINT{point.x + s, point.y + s});
        if (!panel->HitTestEndpoint(MeasurePointAt(point), a, b))
            return 0;
        HighlightMeasureLine(panel->Lines().GetSelection().selected);
        return panel->Lines().GetSelection().hitKind == kMeasureHitLine ? kCursorMoveLine : kCursorDragEnd;
    }
    case kMeasureDragging:
        return panel->Lines().GetSelection().hitKind == kMeasureHitLine ? kCursorMoveLine : kCursorDragEnd;
    case kMeasureArmed:
        return kCursorPlaceStart;
    default:
        return kCursorPlaceEnd;
    }
}

void CDlgViewStage::MeasureNewImage()
{
    CDlgMeasure* panel = MeasurePanel();
    if (!panel || !HasImage())
        return;
    LONG w = 0;
    LONG h = 0;
    m_image->GetSize(&w, &h);
    panel->SetImageExtent(w, h < 0 ? -h : h);
}

void CDlgViewStage::ClearMeasureLines()
{
    // As for an image of no pixels: every drawn line goes, its button is
    // released and its length cleared.
    if (CDlgMeasure* panel = MeasurePanel())
        panel->SetImageExtent(0, 0);
}

void CDlgViewStage::CancelMeasureLine()
{
    CDlgMeasure* panel = MeasurePanel();
    if (panel && (panel->MeasureStateNow() == kMeasureArmed || panel->MeasureStateNow() == kMeasureDrawing))
        panel->SendMessage(WM_MEASURE_CANCEL_LINE);
}

void CDlgViewStage::SetMeasureCursor()
{
    const int id = MeasureCursorId(CursorClientPoint());
    // Null gives the view its own (arrow) cursor back.
    ::SetCursor(id ? LoadResourceCursor(id) : nullptr);
}
