// The placement rules of the coordinate labels: which side of its point a
// label takes near the client area's edges, large magnified pixels, and the
// size label between two points.
#include "clip/coord_label_placement.h"

#include <gtest/gtest.h>

namespace {

constexpr SIZE kText{93, 18};
const LabelZoomFigures kPlain{0.0, 0.0, 1.0, 1.0};
const LabelZoomFigures kLarge{3.0, 4.0, 30.0, 30.0};  // cell offsets (3, 4), 30 client pixels per pixel

struct Case {
    const char* name;
    POINT at;
    LabelZoomFigures zoom;
    POINT expected;
};

void ExpectPoint(POINT got, POINT expected, const char* name)
{
    EXPECT_EQ(got.x, expected.x) << name;
    EXPECT_EQ(got.y, expected.y) << name;
}

}  // namespace

TEST(CoordLabelPlacement, StartRule)
{
    const Case cases[] = {
        {"room left and above", {200, 100}, kPlain, {97, 72}},
        {"no room left: right of the point", {50, 100}, kPlain, {60, 72}},
        {"no room above: below the point", {200, 30}, kPlain, {97, 40}},
        {"neither", {50, 30}, kPlain, {60, 40}},
        {"large pixels, left only", {200, 30}, kLarge, {100, 49}},
        {"large pixels, above only", {50, 100}, kLarge, {68, 76}},
        {"large pixels, neither: inside the pixel", {50, 30}, kLarge, {68, 49}},
    };
    for (const Case& c : cases)
        ExpectPoint(PlaceStartLabel(kText, c.at, c.zoom), c.expected, c.name);
}

TEST(CoordLabelPlacement, EndRuleFlipsNearTheRightAndBottomEdges)
{
    const SIZE client{400, 300};
    const Case cases[] = {
        {"room right and below", {100, 100}, kPlain, {110, 110}},
        {"near the right edge: left of the point", {350, 100}, kPlain, {247, 110}},
        {"near the bottom: above the point", {100, 290}, kPlain, {110, 262}},
        {"near both", {350, 290}, kPlain, {247, 262}},
        {"large pixels: half a pixel plus the cell offset", {100, 100}, kLarge, {118, 119}},
        {"ratios left out with the cell offsets", {100, 100}, WithoutCellOffsets(kLarge, false), {110, 110}},
    };
    for (const Case& c : cases)
        ExpectPoint(PlaceEndLabel(kText, c.at, client, c.zoom), c.expected, c.name);
}

TEST(CoordLabelPlacement, SizeRule)
{
    struct SizeCase {
        const char* name;
        POINT p1, p2;
        LabelZoomFigures zoom;
        POINT expected;
    };
    const SizeCase cases[] = {
        {"centred between the points", {100, 100}, {300, 200}, kPlain, {154, 141}},
        {"with the cell offsets", {100, 100}, {300, 200}, kLarge, {155, 143}},
        {"points closer than the text: not drawn", {100, 100}, {150, 110}, kPlain, {0, 0}},
        {"a negative coordinate becomes 10", {0, 0}, {20, 100}, kPlain, {10, 41}},
    };
    for (const SizeCase& c : cases)
        ExpectPoint(PlaceSizeLabel(kText, c.p1, c.p2, c.zoom), c.expected, c.name);
}
