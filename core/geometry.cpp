#include "core/geometry.h"

#include "core/system_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

int RoundToInt(double x)
{
    // Beyond the 32-bit range (and for NaN) the conversion below would be
    // undefined: such values saturate (NaN gives 0).
    if (std::isnan(x))
        return 0;
    if (x >= 2147483647.5)
        return std::numeric_limits<int>::max();
    if (x < -2147483648.5)
        return std::numeric_limits<int>::min();
    const int t = static_cast<int>(x);
    const double fraction = x - t;
    if (fraction >= 0.5)
        return t + 1;
    if (fraction < -0.5)
        return t - 1;
    return t;
}

std::int64_t RoundUpToMultiple(std::int64_t a, std::int64_t unit)
{
    if (unit == 0)
        return a;
    const std::int64_t rest = a % unit;
    return rest == 0 ? a : a + unit - rest;
}

namespace {

// Bounds first; low wins when the bounds cross (unlike std::clamp, which
// requires low <= high).
template <typename T> T ClampBetween(T low, T high, T v)
{
    if (v < low)
        return low;
    if (v > high)
        return high;
    return v;
}

}  // namespace

int ClampInt(int low, int high, int v)
{
    return ClampBetween(low, high, v);
}

UINT ClampUInt(UINT low, UINT high, UINT v)
{
    return ClampBetween(low, high, v);
}

BYTE ClampByte(BYTE low, BYTE high, BYTE v)
{
    return ClampBetween(low, high, v);
}

int IsInRange(int low, int high, int v)
{
    return low <= v && v <= high ? 1 : 0;
}

int IsNear(int a, int b, int tolerance)
{
    return b - tolerance <= a && a <= b + tolerance ? 1 : 0;
}

namespace {

// Selection into a new array: each step takes the smallest (or largest) value
// not yet taken; among equal values the one with the highest index first.
template <typename T> void SelectionSort(T* values, int count, bool ascending, T start)
{
    if (count <= 0)
        return;
    std::vector<bool> taken(static_cast<size_t>(count), false);
    std::vector<T> sorted;
    sorted.reserve(static_cast<size_t>(count));
    for (int n = 0; n < count; ++n) {
        T best = start;
        int bestIndex = -1;
        for (int i = 0; i < count; ++i) {
            if (taken[static_cast<size_t>(i)])
                continue;
            const bool better = ascending ? values[i] <= best : values[i] >= best;
            if (better || bestIndex < 0) {
                best = values[i];
                bestIndex = i;
            }
        }
        taken[static_cast<size_t>(bestIndex)] = true;
        sorted.push_back(best);
    }
    std::copy(sorted.begin(), sorted.end(), values);
}

}  // namespace

void SortInts(int* values, int count, int ascending)
{
    SelectionSort<int>(values, count, ascending == 1, ascending == 1 ? 0x7FFFFFFF : 0);
}

void SortShorts(std::uint16_t* values, int count, int ascending)
{
    SelectionSort<std::uint16_t>(values, count, ascending == 1, ascending == 1 ? 0x7FFF : 0);
}

int PtInRectInclusive(const RECT& r, POINT p)
{
    return PtInBounds(r.left, r.top, r.right, r.bottom, p.x, p.y);
}

int PtInBounds(int left, int top, int right, int bottom, int x, int y)
{
    return left <= x && x <= right && top <= y && y <= bottom ? 1 : 0;
}

int IsPointNear(int x0, int y0, int x, int y, int d)
{
    return x0 - d < x && x < x0 + d && y0 - d < y && y < y0 + d ? 1 : 0;
}

int GetPointOutcode(const RECT& r, POINT p)
{
    int code = 0;
    if (p.x < r.left)
        code += kOutLeft;
    else if (p.x > r.right)
        code += kOutRight;
    if (p.y < r.top)
        code += kOutAbove;
    else if (p.y > r.bottom)
        code += kOutBelow;
    return code;
}

POINT GetRectCenter(const RECT& r)
{
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

SIZE GetRectSize(const RECT& r)
{
    return SIZE{r.right - r.left, r.bottom - r.top};
}

SIZE GetRectHalfSize(const RECT& r)
{
    const SIZE s = GetRectSize(r);
    return SIZE{s.cx / 2, s.cy / 2};
}

void NormalizeRectInPlace(RECT& r)
{
    if (r.right < r.left)
        std::swap(r.left, r.right);
    if (r.bottom < r.top)
        std::swap(r.top, r.bottom);
}

RECT MakeRectFromPoints(POINT a, POINT b)
{
    return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

RECT InflateRectClamped(const RECT& r, int dx, int dy)
{
    return InflateRectClamped4(r, dx, dy, dx, dy);
}

RECT InflateRectClamped4(const RECT& r, int left, int top, int right, int bottom)
{
    RECT out{r.left - left, r.top - top, r.right + right, r.bottom + bottom};
    out.left = std::max(out.left, 0);
    out.top = std::max(out.top, 0);
    return out;
}

namespace {

// The rectangles share at least one pixel (right and bottom edges exclusive).
bool RectsIntersect(const RECT& a, const RECT& b)
{
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
        std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

}  // namespace

int GetRectOverlap(int side, const RECT& a, const RECT& b)
{
    if (!RectsIntersect(a, b))
        return 0;
    int depth = 0;
    switch (side) {
    case kSideBottom:
        depth = a.bottom - b.top;
        break;
    case kSideTop:
        depth = b.bottom - a.top;
        break;
    case kSideLeft:
        depth = b.right - a.left;
        break;
    case kSideRight:
        depth = a.right - b.left;
        break;
    default:
        return 0;
    }
    return std::max(depth, 0);
}

RECT FitSizeInRect(const RECT& area, SIZE size)
{
    const std::int64_t W = static_cast<std::int64_t>(area.right) - area.left;
    const std::int64_t H = static_cast<std::int64_t>(area.bottom) - area.top;
    if (W <= 0 || H <= 0)
        return RECT{area.left, area.top, area.left, area.top};
    std::int64_t w = size.cx;
    std::int64_t h = size.cy;
    if (W < w || H < h) {
        // Shrink by the larger ratio. The dominant side becomes the area's
        // exactly; the other is scaled in integers so no pixel is lost to
        // rounding of the ratio.
        if (w * H >= h * W) {
            h = h * W / w;
            w = W;
        } else {
            w = w * H / h;
            h = H;
        }
    }
    RECT r;
    r.left = static_cast<LONG>(area.left + (W - w) / 2);
    r.right = static_cast<LONG>(r.left + w);
    r.top = static_cast<LONG>(area.top + (H - h) / 2);
    r.bottom = static_cast<LONG>(r.top + h);
    return r;
}

RECT ClampRectToArea(int areaLeft, int areaTop, int areaRight, int areaBottom, int x1, int y1, int x2, int y2)
{
    const int width = x2 - x1;
    const int height = y2 - y1;
    if (x1 < areaLeft) {
        x1 = areaLeft;
        x2 = x1 + width;
    }
    if (x2 >= areaRight) {
        x1 = areaRight - 1 - width;
        x2 = areaRight - 1;
    }
    if (y1 < areaTop) {
        y1 = areaTop;
        y2 = y1 + height;
    }
    if (y2 >= areaBottom) {
        y1 = areaBottom - 1 - height;
        y2 = areaBottom - 1;
    }
    return RECT{x1, y1, x2, y2};
}

namespace {

bool IsOnScreen(const RECT& outer, const VisibilityMetrics& m)
{
    return outer.left >= -m.screenWidth && outer.right >= 0 && outer.top >= -m.captionHeight &&
        outer.bottom >= 0;
}

}  // namespace

int IsRectAroundAndVisible(const RECT& outer, const RECT& inner, const VisibilityMetrics& metrics)
{
    return IsOnScreen(outer, metrics) && outer.left < inner.left && inner.right < outer.right &&
            outer.top < inner.top && inner.bottom < outer.bottom
        ? 1
        : 0;
}

int IsRectAroundAndVisibleInclusive(const RECT& outer, const RECT& inner, const VisibilityMetrics& metrics)
{
    return IsOnScreen(outer, metrics) && outer.left <= inner.left && inner.right <= outer.right &&
            outer.top <= inner.top && inner.bottom <= outer.bottom
        ? 1
        : 0;
}

namespace {

VisibilityMetrics CachedVisibilityMetrics()
{
    return VisibilityMetrics{g_ScreenMetrics.screenWidth, g_ScreenMetrics.captionHeight};
}

}  // namespace

int IsRectAroundAndVisible(const RECT& outer, const RECT& inner)
{
    return IsRectAroundAndVisible(outer, inner, CachedVisibilityMetrics());
}

int IsRectAroundAndVisibleInclusive(const RECT& outer, const RECT& inner)
{
    return IsRectAroundAndVisibleInclusive(outer, inner, CachedVisibilityMetrics());
}

int RoundHalfAway(double value)
{
    return static_cast<int>(std::round(value));  // std::round rounds halves away from zero
}
