#include "clip/line_geometry.h"

#include "core/geometry.h"

#include <algorithm>
#include <utility>

namespace {

bool Between(long long v, long long a, long long b)
{
    return std::min(a, b) <= v && v <= std::max(a, b);
}

}  // namespace

std::optional<POINT> CLineGeometry::IntersectEdge(POINT a, POINT b, POINT e1, POINT e2)
{
    if (a.x > b.x)
        std::swap(a, b);
    if (e1.x == e2.x) {
        const int x = e1.x;
        if (!Between(x, a.x, b.x) || a.x == b.x)
            return std::nullopt;
        const int y =
            a.y == b.y ? a.y : RoundToInt(a.y + static_cast<double>(b.y - a.y) / (b.x - a.x) * (x - a.x));
        if (!Between(y, e1.y, e2.y))
            return std::nullopt;
        return POINT{x, y};
    }
    const int y = e1.y;
    if (!Between(y, a.y, b.y) || a.y == b.y)
        return std::nullopt;
    const int x =
        a.x == b.x ? a.x : RoundToInt(a.x + static_cast<double>(b.x - a.x) / (b.y - a.y) * (y - a.y));
    if (!Between(x, e1.x, e2.x))
        return std::nullopt;
    return POINT{x, y};
}
