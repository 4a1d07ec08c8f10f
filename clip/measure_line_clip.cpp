#include "clip/measure_line_clip.h"

#include "clip/line_geometry.h"
#include "core/geometry.h"

namespace {

constexpr int kUnitsPerPixel = 10000;

// The crossing of an outside end: the edges its outcode names, in the order
// left, right, top, bottom; the first one the line meets.
std::optional<POINT> CrossingFor(POINT outside, POINT other, const RECT& v)
{
    const int code = GetPointOutcode(v, outside);
    struct Edge {
        int bit;
        POINT e1, e2;
    };
    const Edge edges[] = {
        {kOutLeft, {v.left, v.top}, {v.left, v.bottom}},
        {kOutRight, {v.right, v.top}, {v.right, v.bottom}},
        {kOutAbove, {v.left, v.top}, {v.right, v.top}},
        {kOutBelow, {v.left, v.bottom}, {v.right, v.bottom}},
    };
    for (const Edge& e : edges) {
        if (!(code & e.bit))
            continue;
        if (auto hit = CLineGeometry::IntersectEdge(outside, other, e.e1, e.e2))
            return hit;
    }
    return std::nullopt;
}

}  // namespace

RECT ToFixedRect(const RECT& r)
{
    return RECT{
        r.left * kUnitsPerPixel, r.top * kUnitsPerPixel, r.right * kUnitsPerPixel, r.bottom * kUnitsPerPixel};
}

std::optional<ClippedMeasureLine> ClipMeasureLine(POINT a, POINT b, const RECT& v)
{
    ClippedMeasureLine line{a, b, GetPointOutcode(v, a) == 0, GetPointOutcode(v, b) == 0};
    if (!line.fromInside) {
        const auto hit = CrossingFor(a, b, v);
        if (!hit)
            return std::nullopt;
        line.from = *hit;
    }
    if (!line.toInside) {
        const auto hit = CrossingFor(b, a, v);
        if (!hit)
            return std::nullopt;
        line.to = *hit;
    }
    return line;
}

SplitMeasureValue SplitMeasureUnits(int value, double scale)
{
    return SplitMeasureValue{value / kUnitsPerPixel,
        static_cast<int>(static_cast<double>(value % kUnitsPerPixel) / 10000.0 * scale)};
}
