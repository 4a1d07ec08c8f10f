#include "clip/stage_overlay_drawing.h"

#include "clip/measure_line_clip.h"
#include "clip/stage_measure_lines.h"
#include "clip/stage_renderer.h"
#include "clip/stage_zoom.h"

namespace {

// A point in the back buffer: the pixel's client position (no origin: the
// buffer starts at the view's corner), truncated, plus the offset inside it.
POINT BufferPoint(const CStageZoom& zoom, MeasureDrawPoint p)
{
    const DoublePoint c = zoom.ImageToClient(p.pixel.x, p.pixel.y, 0, 1);
    return POINT{static_cast<int>(c.x) + p.offset.x, static_cast<int>(c.y) + p.offset.y};
}

MeasureDrawPoint SplitPoint(POINT units, double scaleX, double scaleY)
{
    const SplitMeasureValue x = SplitMeasureUnits(units.x, scaleX);
    const SplitMeasureValue y = SplitMeasureUnits(units.y, scaleY);
    return MeasureDrawPoint{POINT{x.pixel, y.pixel}, POINT{x.offset, y.offset}};
}

void DrawSquareAt(CDC* dc, POINT p, int s)
{
    const POINT corners[5] = {
        {p.x - s, p.y - s}, {p.x + s, p.y - s}, {p.x + s, p.y + s}, {p.x - s, p.y + s}, {p.x - s, p.y - s}};
    dc->Polyline(corners, 5);
}

bool IsUnset(POINT p)
{
    return p.x == -1 || p.y == -1;
}

}  // namespace

void DrawCenterMarker(CDC* dc, const StageOverlayState& overlay, COLORREF color)
{
    RECT r;
    if (overlay.method == 3)
        r = overlay.wheelRangeClient;
    else if (overlay.method == 2 && overlay.bandStarted)
        r = overlay.bandRect;
    else
        return;
    CPen pen(PS_DASHDOT, 1, color);
    CPen* oldPen = dc->SelectObject(&pen);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const int x = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2;
    dc->MoveTo(x, r.top);
    dc->LineTo(x, r.bottom);
    dc->MoveTo(r.left, y);
    dc->LineTo(r.right, y);
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldPen);
}

void DrawMeasureLines(CDC* dc, const CStageZoom& zoom, const StageMeasureLines& lines, int width)
{
    if (zoom.VisibleWidth() <= 0 || zoom.VisibleHeight() <= 0)
        return;
    const RECT v = ToFixedRect(zoom.visibleRect);
    const double scaleX = static_cast<double>(zoom.clientWidth) / zoom.VisibleWidth();
    const double scaleY = static_cast<double>(zoom.clientHeight) / zoom.VisibleHeight();
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    for (int i = 0; i < lines.LineCount(); ++i) {
        const POINT a = lines.GetPoint(i, 1);
        const POINT b = lines.GetPoint(i, 2);
        if (IsUnset(a) || IsUnset(b))
            continue;
        const auto clipped = ClipMeasureLine(a, b, v);
        if (!clipped)
            continue;
        const POINT from = BufferPoint(zoom,
            clipped->fromInside ? lines.GetDrawPoint(i, 1, scaleX, scaleY)
                                : SplitPoint(clipped->from, scaleX, scaleY));
        const POINT to = BufferPoint(zoom,
            clipped->toInside ? lines.GetDrawPoint(i, 2, scaleX, scaleY)
                              : SplitPoint(clipped->to, scaleX, scaleY));
        CPen pen(PS_SOLID, width, lines.LineColor(i));
        CPen* oldPen = dc->SelectObject(&pen);
        dc->MoveTo(from.x, from.y);
        dc->LineTo(to.x, to.y);
        if (clipped->fromInside)
            DrawSquareAt(dc, from, width + 2);
        if (clipped->toInside)
            DrawSquareAt(dc, to, width + 2);
        dc->SelectObject(oldPen);
    }
    dc->SetBkMode(oldMode);
}
