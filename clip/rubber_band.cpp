#include "clip/rubber_band.h"

#include "clip/stage_zoom.h"
#include "core/geometry.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

int RoundHalfUp(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

// Client pixels per image pixel of the zoom's present view.
DoublePoint ClientPerImage(const CStageZoom& zoom)
{
    const int vw = zoom.VisibleWidth(), vh = zoom.VisibleHeight();
    return DoublePoint{vw > 0 ? static_cast<double>(zoom.clientWidth) / vw : 1.0,
        vh > 0 ? static_cast<double>(zoom.clientHeight) / vh : 1.0};
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// One axis of the grid alignment; lo and hi are the rectangle's edges.
void AlignAxis(LONG& lo, LONG& hi, int s, double ratio, int extent)
{
    float g = 0.0f;
    for (;;) {
        const float next = static_cast<float>(g + ratio);
        if (next <= g)
            return;
        g = next;
        const int at = static_cast<int>(g);
        if (at >= extent)
            return;
        if (std::abs(at - s) > 1)
            continue;
        if (lo == s)
            lo = at + 1;
        if (hi == static_cast<int>(s + ratio) || hi == static_cast<int>(s + ratio + 1))
            hi = static_cast<int>(at + ratio + 1);
        return;
    }
}

}  // namespace

void NormalizeRect(RECT& r)
{
    NormalizeRectInPlace(r);
}

int OrderRect(int x1, int y1, int x2, int y2, RECT* out)
{
    RECT r{x1, y1, x2, y2};
    NormalizeRect(r);
    if (out)
        *out = r;
    return (x2 > x1 ? kEndRightOfStart : kEndNotRightOfStart) |
        (y2 > y1 ? kEndBelowStart : kEndNotBelowStart);
}

bool IsUnsetRect(const RECT& r)
{
    return r.left == -1 && r.top == -1 && r.right == -1 && r.bottom == -1;
}

RECT AlignRectToPixelGrid(
    RECT r, POINT start, double ratioX, double ratioY, SIZE extent, int level, bool gridOn)
{
    if (!gridOn || RoundHalfUp(ratioX) < level)
        return r;
    AlignAxis(r.left, r.right, start.x, ratioX, extent.cx);
    AlignAxis(r.top, r.bottom, start.y, ratioY, extent.cy);
    return r;
}

// ---- CDrawRubberBand ----

CDrawRubberBand::CDrawRubberBand(int style, int width, COLORREF color, int drawMode)
    : mode(drawMode), m_penStyle(style), m_penWidth(width), m_color(color)
{
    m_pen.CreatePen(style, width, color);
}

void CDrawRubberBand::SetPen(int style, int width, COLORREF color)
{
    m_pen.DeleteObject();
    m_penStyle = style;
    m_penWidth = width;
    m_color = color;
    m_pen.CreatePen(style, width, color);
}

void CDrawRubberBand::SetArea(int left, int top, int right, int bottom)
{
    areaSize = RECT{0, 0, right - left, bottom - top};
    areaRect = RECT{left, top, right, bottom};
}

bool CDrawRubberBand::HasRect() const
{
    const RECT& r = current;
    return !IsUnsetRect(r) && (r.left != 0 || r.top != 0 || r.right != 0 || r.bottom != 0);
}

POINT CDrawRubberBand::AreaPoint(POINT client) const
{
    return POINT{client.x - areaRect.left + 1, client.y - areaRect.top + 1};
}

bool CDrawRubberBand::InArea(POINT a) const
{
    return a.x >= 0 && a.x <= areaSize.right && a.y >= 0 && a.y <= areaSize.bottom;
}

void CDrawRubberBand::DrawOutline(CDC* dc, const RECT& r)
{
    // Four lines, each leaving out its last point: every pixel of the
    // outline is touched once, so exclusive-or takes it off exactly.
    const int in = m_penWidth / 2;
    const int l = r.left + in + inset, t = r.top + in + inset;
    const int rr = r.right - in + inset, b = r.bottom - in + inset;
    dc->MoveTo(l, t);
    dc->LineTo(rr, t);
    dc->LineTo(rr, b);
    dc->LineTo(l, b);
    dc->LineTo(l, t);
}

void CDrawRubberBand::Draw(CDC* dc)
{
    if (!dc || IsUnsetRect(current) || SameRect(current, lastDrawn))
        return;
    CPen* oldPen = dc->SelectObject(&m_pen);
    int oldRop = 0;
    if (mode == 1) {
        oldRop = dc->SetROP2(R2_XORPEN);
        if (!IsUnsetRect(lastDrawn))
            DrawOutline(dc, lastDrawn);
    }
    DrawOutline(dc, current);
    if (mode == 1) {
        lastDrawn = current;
        dc->SetROP2(oldRop);
    }
    dc->SelectObject(oldPen);
}

void CDrawRubberBand::Erase(CDC* dc)
{
    if (dc && !IsUnsetRect(lastDrawn)) {
        CPen* oldPen = dc->SelectObject(&m_pen);
        const int oldRop = mode == 1 ? dc->SetROP2(R2_XORPEN) : dc->GetROP2();
        DrawOutline(dc, lastDrawn);
        dc->SetROP2(oldRop);
        dc->SelectObject(oldPen);
    }
    lastDrawn = kUnsetRect;
    start = POINT{-1, -1};
}

// ---- CDrawZoomRubberBand ----

CDrawZoomRubberBand::CDrawZoomRubberBand(CStageZoom* zoom, int style, int width, COLORREF color, int drawMode)
    : CDrawRubberBand(style, width, color, drawMode), m_zoom(zoom)
{
}

void CDrawZoomRubberBand::BeginAt(POINT p)
{
    const POINT a = AreaPoint(p);
    if (!InArea(a))
        return;
    start = a;
    imageStart = m_zoom->ClientToImagePixel(p);
}

void CDrawZoomRubberBand::SetStart(POINT p, POINT imagePixel)
{
    start = AreaPoint(p);
    imageStart = imagePixel;
}

int CDrawZoomRubberBand::ExtendTo(POINT p)
{
    const POINT r = AreaPoint(p);
    if (!InArea(r) || !InArea(start))
        return 0;
    const int sides = OrderRect(start.x, start.y, r.x, r.y, &current);
    // The start pixel stays wholly inside when the band runs left or up.
    const DoublePoint ratio = ClientPerImage(*m_zoom);
    if (sides & kEndNotRightOfStart)
        current.right += RoundHalfUp(ratio.x);
    if (sides & kEndNotBelowStart)
        current.bottom += RoundHalfUp(ratio.y);
    return sides;
}

RECT CDrawZoomRubberBand::CalcBandRect(POINT p, bool store, POINT* q)
{
    const CStageZoom& z = *m_zoom;
    const RECT v{static_cast<LONG>(z.wholeRect.left * z.scaleX),
        static_cast<LONG>(z.wholeRect.top * z.scaleY), static_cast<LONG>(z.wholeRect.right * z.scaleX),
        static_cast<LONG>(z.wholeRect.bottom * z.scaleY)};
    const POINT end = m_zoom->ClientToImagePixel(p);
    const DoublePoint ratio = ClientPerImage(z);
    const SIZE extent{areaSize.right, areaSize.bottom};
    const POINT s0 = imageStart;
    RECT result;
    if (s0.x >= v.left && s0.x <= v.right && s0.y >= v.top && s0.y <= v.bottom) {
        const DoublePoint c = z.ImageToClient(s0.x, s0.y, 0, 1);
        const POINT s = CStageZoom::RoundPoint(c.x, c.y);
        ExtendTo(p);
        result = AlignRectToPixelGrid(current, s, ratio.x, ratio.y, extent, gridLevel, gridOn);
        if (store)
            start = s;
    } else {
        // The start pixel is scrolled out of the view: on that axis the band
        // runs from the view's edge to the mouse.
        const POINT a = AreaPoint(p);
        RECT r{};
        const int sidesX = s0.x < v.left ? -1 : s0.x > v.right ? 1 : 0;
        const int sidesY = s0.y < v.top ? -1 : s0.y > v.bottom ? 1 : 0;
        const DoublePoint c = z.ImageToClient(s0.x, s0.y, 0, 1);
        const POINT s = CStageZoom::RoundPoint(c.x, c.y);
        r.left = sidesX < 0 ? 0 : sidesX > 0 ? extent.cx + 1 : s.x;
        r.top = sidesY < 0 ? 0 : sidesY > 0 ? extent.cy + 1 : s.y;
        r.right = a.x;
        r.bottom = a.y;
        NormalizeRect(r);
        result = AlignRectToPixelGrid(r, start, ratio.x, ratio.y, extent, gridLevel, gridOn);
    }
    current = result;
    if (q)
        *q = end;
    return result;
}

void CDrawZoomRubberBand::DrawTo(CDC* dc, POINT p)
{
    POINT q{};
    current = CalcBandRect(p, false, &q);
    Draw(dc);
    bandImage = RECT{imageStart.x, imageStart.y, q.x, q.y};
}

void CDrawZoomRubberBand::TrackTo(POINT p)
{
    POINT q{};
    current = CalcBandRect(p, false, &q);
    bandImage = RECT{imageStart.x, imageStart.y, q.x, q.y};
}

void CDrawZoomRubberBand::UpdateStartPoint()
{
    const DoublePoint c = m_zoom->ImageToClient(imageStart.x, imageStart.y, 0, 1);
    start = CStageZoom::RoundPoint(c.x, c.y);
}

void CDrawZoomRubberBand::ResetStart()
{
    start = POINT{-1, -1};
    imageStart = POINT{0, 0};
    bandImage = RECT{};
}

void CDrawZoomRubberBand::Reset()
{
    ResetStart();
    current = lastDrawn = kUnsetRect;
}
