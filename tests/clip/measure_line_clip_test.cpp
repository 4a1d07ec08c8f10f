// Measure lines cut at the view's edges: where a segment crosses an edge,
// which edge an outside end takes, lines that miss the view, and the split
// of measure units into pixel and offset.
#include "clip/line_geometry.h"
#include "clip/measure_line_clip.h"

#include <gtest/gtest.h>

namespace {

void ExpectPoint(POINT got, POINT expected, const char* name)
{
    EXPECT_EQ(got.x, expected.x) << name;
    EXPECT_EQ(got.y, expected.y) << name;
}

}  // namespace

TEST(MeasureLineClip, IntersectEdge)
{
    struct Case {
        const char* name;
        POINT a, b, e1, e2;
        bool hit;
        POINT expected;
    };
    const Case cases[] = {
        {"diagonal across a vertical edge", {10, 10}, {0, 0}, {5, 0}, {5, 10}, true, {5, 5}},
        {"horizontal segment", {0, 3}, {10, 3}, {4, 0}, {4, 10}, true, {4, 3}},
        {"half rounds upward", {0, 0}, {2, 1}, {1, 0}, {1, 10}, true, {1, 1}},
        {"crossing beyond the edge's ends", {0, 0}, {10, 10}, {5, 6}, {5, 10}, false, {}},
        {"vertical segment along a vertical edge", {5, 0}, {5, 10}, {5, 0}, {5, 10}, false, {}},
        {"vertical segment across a horizontal edge", {2, 0}, {2, 10}, {0, 5}, {10, 5}, true, {2, 5}},
        {"horizontal segment along a horizontal edge", {0, 5}, {10, 5}, {0, 5}, {10, 5}, false, {}},
        {"edge beyond the segment", {0, 0}, {4, 4}, {5, 0}, {5, 10}, false, {}},
    };
    for (const Case& c : cases) {
        const auto hit = CLineGeometry::IntersectEdge(c.a, c.b, c.e1, c.e2);
        ASSERT_EQ(hit.has_value(), c.hit) << c.name;
        if (hit) {
            ExpectPoint(*hit, c.expected, c.name);
        }
    }
}

TEST(MeasureLineClip, OutsideEndsMoveToTheirEdges)
{
    const RECT v{0, 0, 100, 100};
    struct Case {
        const char* name;
        POINT a, b;
        bool visible;
        POINT from, to;
        bool fromInside, toInside;
    };
    const Case cases[] = {
        {"inside, edges included", {0, 0}, {100, 100}, true, {0, 0}, {100, 100}, true, true},
        {"one end left", {-50, 50}, {50, 50}, true, {0, 50}, {50, 50}, false, true},
        {"through the view", {-50, 50}, {150, 50}, true, {0, 50}, {100, 50}, false, false},
        {"left and above: the left edge first", {-10, -10}, {50, 150}, true, {0, 17}, {31, 100}, false,
            false},
        {"left and above: the top edge when the left misses", {-10, -50}, {50, 50}, true, {20, 0}, {50, 50},
            false, true},
        {"passing beside the view", {-10, -10}, {-5, 150}, false, {}, {}, false, false},
    };
    for (const Case& c : cases) {
        const auto line = ClipMeasureLine(c.a, c.b, v);
        ASSERT_EQ(line.has_value(), c.visible) << c.name;
        if (!line)
            continue;
        ExpectPoint(line->from, c.from, c.name);
        ExpectPoint(line->to, c.to, c.name);
        EXPECT_EQ(line->fromInside, c.fromInside) << c.name;
        EXPECT_EQ(line->toInside, c.toInside) << c.name;
    }
}

TEST(MeasureLineClip, FixedRectAndSplit)
{
    const RECT f = ToFixedRect(RECT{2, 3, 40, 30});
    EXPECT_EQ(f.left, 20000);
    EXPECT_EQ(f.top, 30000);
    EXPECT_EQ(f.right, 400000);
    EXPECT_EQ(f.bottom, 300000);
    const SplitMeasureValue s = SplitMeasureUnits(123456, 8.0);  // fraction 0.3456 of 8 client pixels
    EXPECT_EQ(s.pixel, 12);
    EXPECT_EQ(s.offset, 2);
    EXPECT_EQ(SplitMeasureUnits(50000, 8.0).offset, 0);
}
