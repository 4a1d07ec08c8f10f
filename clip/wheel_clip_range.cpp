#include "clip/wheel_clip_range.h"

#include "core/geometry.h"

#include <cmath>

namespace {

int RoundHalfUp(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

// A candidate size less one is taken inside the bound, becomes bound - 1 at
// it, and is ignored at 0 or below.
void TakeCandidate(double& value, double candidate, int bound)
{
    if (candidate <= 0.0)
        return;
    value = candidate < bound ? candidate : bound - 1;
}

}  // namespace

WheelSides WheelSidesFor(bool shift, bool ctrl)
{
    if (shift && !ctrl)
        return WheelSides::WidthOnly;
    if (ctrl && !shift)
        return WheelSides::HeightOnly;
    return WheelSides::Both;
}

RECT CWheelClipRange::SetSize(int bw, int bh, int w, int h)
{
    if (w < 1)
        w = 1;
    if (h < 1)
        h = 1;
    m_ratio = static_cast<double>(w) / h;
    if (w > bw) {
        h = RoundHalfUp(bw / m_ratio);
        w = bw;
    }
    if (h > bh) {
        w = RoundHalfUp(bh * m_ratio);
        h = bh;
    }
    m_widthLess1 = w - 1;
    m_heightLess1 = h - 1;
    m_boundsWidth = bw;
    m_boundsHeight = bh;
    m_rect = RECT{0, 0, w - 1, h - 1};
    return m_rect;
}

RECT CWheelClipRange::StepByWheel(int delta, int step, WheelSides sides)
{
    if (delta == 0)
        return m_rect;
    const double d = delta > 0 ? step : -step;
    double e = m_widthLess1 + d;
    double f = m_heightLess1 + d;
    if (sides == WheelSides::WidthOnly)
        f = m_heightLess1;
    else if (sides == WheelSides::HeightOnly)
        e = m_widthLess1;
    else if (m_widthLess1 > m_heightLess1)
        f = e / m_ratio;
    else
        e = m_ratio * f;
    TakeCandidate(m_widthLess1, e, m_boundsWidth);
    TakeCandidate(m_heightLess1, f, m_boundsHeight);
    const int w1 = static_cast<int>(m_widthLess1);
    const int h1 = static_cast<int>(m_heightLess1);
    m_rect = RECT{0, 0, w1, h1};
    if (sides != WheelSides::Both)
        m_ratio = static_cast<double>(w1 + 1) / (h1 + 1);
    return m_rect;
}

void CWheelClipRange::ResetToBounds()
{
    m_widthLess1 = m_boundsWidth - 1;
    m_heightLess1 = m_boundsHeight - 1;
    m_ratio = m_boundsHeight > 0 ? static_cast<double>(m_boundsWidth) / m_boundsHeight : 1.0;
    m_rect = RECT{0, 0, m_boundsWidth - 1, m_boundsHeight - 1};
}

RECT CentreRangeOnPixel(const RECT& r, POINT c, const RECT& visible)
{
    const int spanX = r.right - r.left, spanY = r.bottom - r.top;
    RECT out{c.x - spanX / 2, c.y - spanY / 2, c.x + spanX / 2, c.y + spanY / 2};
    if (spanX % 2 != 0) {
        if (out.left > 0)
            --out.left;
        else
            ++out.right;
    }
    if (spanY % 2 != 0) {
        if (out.top > 0)
            --out.top;
        else
            ++out.bottom;
    }
    return ClampRectToArea(
        visible.left, visible.top, visible.right, visible.bottom, out.left, out.top, out.right, out.bottom);
}

RECT ShiftIntoSurface(RECT c, SIZE surface)
{
    const int w = c.right - c.left, h = c.bottom - c.top;
    if (c.left < 1) {
        c.left = 0;
        c.right = w;
    }
    if (c.right >= surface.cx) {
        c.right = surface.cx;
        c.left = surface.cx - w;
    }
    if (c.top < 1) {
        c.top = 0;
        c.bottom = h;
    }
    if (c.bottom >= surface.cy) {
        c.bottom = surface.cy;
        c.top = surface.cy - h;
    }
    if (c.left < 0 || c.top < 0 || c.right < c.left || c.bottom < c.top)
        return RECT{};
    return c;
}

RECT SmoothRangeRect(const RECT& r, POINT pointer, const SmoothPlacement& f)
{
    const bool fullX = r.right - r.left + 1 == f.visible.cx;
    const bool fullY = r.bottom - r.top + 1 == f.visible.cy;
    const int w = RoundHalfUp((r.right - r.left + (fullX ? 1 : 0)) / f.imagePerClientX);
    const int h = RoundHalfUp((r.bottom - r.top + (fullY ? 1 : 0)) / f.imagePerClientY);
    RECT c{pointer.x - w / 2, pointer.y - h / 2, 0, 0};
    c.right = c.left + w;
    c.bottom = c.top + h;
    // A partial range reaches half a magnified pixel beyond its centre pixels.
    if (!fullX) {
        const int grow = static_cast<int>(f.clientPerImageX) / 2;
        c.left -= grow;
        c.right += grow;
    }
    if (!fullY) {
        const int grow = static_cast<int>(f.clientPerImageY) / 2;
        c.top -= grow;
        c.bottom += grow;
    }
    return ShiftIntoSurface(c, f.surface);
}
