// The measure tool's lines: mouse points in measure units, lengths in user
// units, hit tests on ends and bodies with the zoom's tolerance, whole-line
// moves with their carries and bounds, and indices outside the line set.
#include "clip/measure_lines.h"

#include <gtest/gtest.h>

namespace {

// A point at an image pixel as the stage passes it at zoom z, with the
// mouse's offset f inside the magnified pixel.
MeasurePoint At(int x, int y, double z = 1.0, double fx = 0.0, double fy = 0.0)
{
    return MeasurePoint{x, y, fx, fy, z, z};
}

// Draws line i from pixel a to pixel b at zoom 1 (pixel centres).
void Draw(CMeasureLines& lines, int i, POINT a, POINT b)
{
    lines.SetSelection(kMeasureHitStart, i);
    lines.SetPoint(1, At(a.x, a.y));
    lines.SetPoint(2, At(b.x, b.y));
}

void ExpectPoint(POINT got, POINT expected, const char* name)
{
    EXPECT_EQ(got.x, expected.x) << name;
    EXPECT_EQ(got.y, expected.y) << name;
}

}  // namespace

TEST(MeasureLines, MousePointsInMeasureUnits)
{
    struct Case {
        const char* name;
        MeasurePoint p;
        POINT expected;
    };
    const Case cases[] = {
        {"one to one: the pixel centre", At(3, 7, 1.0, 0.9, 0.9), {35000, 75000}},
        {"reduced: the pixel centre", At(3, 7, 0.5, 0.4, 0.4), {35000, 75000}},
        {"magnified: the offset in the pixel", At(3, 7, 4.0, 1.0, 3.0), {32500, 77500}},
        {"magnified: a partial step truncates", At(3, 7, 3.0, 1.0, 2.0), {33333, 76666}},
    };
    for (const Case& c : cases)
        ExpectPoint(MeasureUnitsOf(c.p), c.expected, c.name);
}

TEST(MeasureLines, LengthsInUserUnits)
{
    struct Case {
        const char* name;
        POINT a, b;
        int pixelRange, unitRange;
        double expected;
    };
    const Case cases[] = {
        {"vertical, 3 pixels", {5, 2}, {5, 5}, 100, 100, 3.0},
        {"vertical, 3 pixels at 250 units", {5, 2}, {5, 5}, 100, 250, 7.5},
        {"horizontal, reversed", {9, 4}, {1, 4}, 10, 10, 8.0},
        {"3-4-5", {0, 0}, {3, 4}, 100, 100, 5.0},
        {"the ranges' quotient first", {0, 0}, {0, 3}, 30, 10, 1.0},
    };
    for (const Case& c : cases) {
        CMeasureLines lines(8, 100, 100);
        lines.SetScale(c.pixelRange, c.unitRange);
        Draw(lines, 2, c.a, c.b);
        EXPECT_NEAR(lines.GetLength(2), c.expected, 1e-9) << c.name;
        EXPECT_NEAR(lines.GetSelectedLength(), c.expected, 1e-9) << c.name;
    }
    CMeasureLines lines(8, 100, 100);
    EXPECT_EQ(lines.GetLength(0), 0.0) << "an unset line";

    // The length to the mouse while the end is not yet set.
    lines.SetScale(100, 100);
    lines.SetSelection(kMeasureHitStart, 0);
    lines.SetPoint(1, At(0, 0));
    EXPECT_NEAR(lines.GetLengthToPoint(0, At(0, 4)), 4.0, 1e-9);
    EXPECT_NEAR(lines.GetLengthToPoint(0, At(0, 4, 4.0, 2.0, 0.0)), 3.5, 1e-9)
        << "magnified: the top of the pixel";
}

TEST(MeasureLines, SettingTheStartArmsTheEnd)
{
    CMeasureLines lines(8, 100, 100);
    lines.SetSelection(kMeasureHitStart, 1);
    lines.SetPoint(1, At(4, 6, 2.0, 1.0, 0.5));
    EXPECT_EQ(lines.GetSelection().hitKind, kMeasureHitEnd);
    ExpectPoint(lines.GetPoint(1, 1), {45000, 62500}, "magnified start");
    ExpectPoint(lines.GetPoint(1, 2), {-1, -1}, "end unset");
    lines.SwapEndpoints(1);
    ExpectPoint(lines.GetPoint(1, 2), {45000, 62500}, "swapped");
    ExpectPoint(lines.GetPoint(1, 1), {-1, -1}, "swapped unset");
}

TEST(MeasureLines, HitTests)
{
    CMeasureLines lines(8, 100, 100);
    Draw(lines, 0, {10, 10}, {20, 10});  // horizontal: (105000, 105000) .. (205000, 105000)
    Draw(lines, 1, {30, 10}, {30, 20});  // vertical at x 305000
    Draw(lines, 2, {60, 60}, {62, 70});  // steep
    Draw(lines, 3, {50, 50}, {51, 50});  // short: both ends fit one box
    Draw(lines, 4, {10, 10}, {20, 10});  // a copy of line 0

    struct Case {
        const char* name;
        MeasurePoint p, a, b;
        int line;
        std::uint8_t kind;
    };
    const Case cases[] = {
        {"start in the box", At(10, 10), At(8, 8), At(12, 12), 0, kMeasureHitStart},
        {"start on the box's low corner", At(10, 10), At(10, 10, 10.0, 5.0, 5.0), At(12, 12), 0,
            kMeasureHitStart},
        {"start on the box's high corner", At(9, 9), At(8, 8), At(10, 10, 10.0, 5.0, 5.0), 0,
            kMeasureHitStart},
        {"end in the box", At(20, 10), At(19, 9), At(21, 11), 0, kMeasureHitEnd},
        {"start before end", At(50, 50), At(49, 49), At(52, 52), 3, kMeasureHitStart},
        {"horizontal body", At(15, 10), At(15, 10), At(15, 10), 0, kMeasureHitLine},
        {"horizontal: not at an end's exact x", At(10, 10, 1.0, 0.5), At(10, 10, 1.0, 0.5),
            At(10, 10, 1.0, 0.5), -1, kMeasureHitNone},
        {"horizontal: 3 pixels off at zoom 1", At(15, 13, 1.0, 0.0, 0.5), At(15, 13, 1.0, 0.0, 0.5),
            At(15, 13, 1.0, 0.0, 0.5), 0, kMeasureHitLine},
        {"vertical: 1 pixel at zoom 3", At(31, 15, 3.0, 1.5), At(31, 15, 3.0, 1.5), At(31, 15, 3.0, 1.5), 1,
            kMeasureHitLine},
        {"vertical: past 1 pixel at zoom 3", At(31, 15, 3.0, 1.8), At(31, 15, 3.0, 1.8), At(31, 15, 3.0, 1.8),
            -1, kMeasureHitNone},
        {"vertical: 6 pixels at zoom 0.5", At(36, 15, 0.5), At(36, 15, 0.5), At(36, 15, 0.5), 1,
            kMeasureHitLine},
        {"vertical: past 6 pixels at zoom 0.5", At(37, 15, 0.5), At(37, 15, 0.5), At(37, 15, 0.5), -1,
            kMeasureHitNone},
        {"vertical: not beyond its ends", At(30, 21), At(30, 21), At(30, 21), -1, kMeasureHitNone},
        {"steep body", At(61, 65), At(61, 65), At(61, 65), 2, kMeasureHitLine},
        {"steep: near, outside the span", At(61, 60), At(61, 60), At(61, 60), -1, kMeasureHitNone},
        {"nothing there", At(80, 80), At(79, 79), At(81, 81), -1, kMeasureHitNone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lines.HitTest(c.p, c.a, c.b), c.line) << c.name;
        EXPECT_EQ(lines.GetSelection().selected, c.line) << c.name;
        EXPECT_EQ(lines.GetSelection().hitKind, c.kind) << c.name;
    }

    // A body hit keeps where the line was grabbed.
    lines.HitTest(At(15, 10, 4.0, 2.0, 1.0), At(15, 10, 4.0, 2.0, 1.0), At(15, 10, 4.0, 2.0, 1.0));
    const CMeasureLines::Grab g = lines.GrabPoint();
    EXPECT_EQ(g.x, 15);
    EXPECT_EQ(g.y, 10);
    EXPECT_EQ(g.fx, 5000);
    EXPECT_EQ(g.fy, 2500);
    lines.ClearMarks();
    EXPECT_EQ(lines.GrabPoint().x, -1);
}

TEST(MeasureLines, MovesAWholeLine)
{
    CMeasureLines lines(8, 30, 30);
    Draw(lines, 0, {10, 10}, {20, 10});
    ASSERT_EQ(lines.HitTest(At(15, 10), At(15, 10), At(15, 10)), 0);

    lines.MoveSelectedLine(At(17, 12));
    ExpectPoint(lines.GetPoint(0, 1), {125000, 125000}, "moved start");
    ExpectPoint(lines.GetPoint(0, 2), {225000, 125000}, "moved end");

    // Magnified: the mouse's offset carries into the next pixel.
    lines.MoveSelectedLine(At(17, 12, 4.0, 3.0, 0.0));
    ExpectPoint(lines.GetPoint(0, 1), {132500, 125000}, "carried start");
    ExpectPoint(lines.GetPoint(0, 2), {232500, 125000}, "carried end");
    lines.MoveSelectedLine(At(17, 12, 1.0));
    ExpectPoint(lines.GetPoint(0, 1), {125000, 125000}, "carried back");

    // Past the right edge the line stays, but the grab point follows the
    // mouse, so the next move starts from there.
    lines.MoveSelectedLine(At(25, 12));
    ExpectPoint(lines.GetPoint(0, 2), {225000, 125000}, "refused");
    EXPECT_EQ(lines.GrabPoint().x, 25);
    lines.MoveSelectedLine(At(24, 13));
    ExpectPoint(lines.GetPoint(0, 1), {115000, 135000}, "resumed start");
    ExpectPoint(lines.GetPoint(0, 2), {215000, 135000}, "resumed end");

    // Past the top edge as well.
    lines.MoveSelectedLine(At(24, -1));
    ExpectPoint(lines.GetPoint(0, 1), {115000, 135000}, "refused above");

    // Without a grab point nothing moves.
    lines.ClearMarks();
    lines.MoveSelectedLine(At(20, 20));
    ExpectPoint(lines.GetPoint(0, 1), {115000, 135000}, "no grab");
}

TEST(MeasureLines, MovesAVerticalLineAlongItsDirection)
{
    CMeasureLines lines(8, 40, 40);
    Draw(lines, 1, {30, 20}, {30, 10});
    ASSERT_EQ(lines.HitTest(At(30, 15), At(30, 15), At(30, 15)), 1);
    lines.MoveSelectedLine(At(28, 18));
    ExpectPoint(lines.GetPoint(1, 1), {285000, 235000}, "start");
    // The right angle is taken as 1.570796325, whose cosine is a little
    // above 0: a downward vertical line's end truncates one unit to the left.
    ExpectPoint(lines.GetPoint(1, 2), {284999, 135000}, "end");
}

TEST(MeasureLines, ImageBoundsAndDrawPoints)
{
    CMeasureLines lines(8, 100, 100);
    Draw(lines, 0, {10, 10}, {49, 20});
    Draw(lines, 1, {10, 10}, {50, 20});
    lines.SetImageSize(50, 50);
    EXPECT_TRUE(lines.IsInsideImage(0));
    EXPECT_FALSE(lines.IsInsideImage(1));
    EXPECT_TRUE(lines.IsInsideImage(2)) << "an unset line fits every image";

    lines.SetSelection(kMeasureHitStart, 3);
    lines.SetPoint(1, At(7, 8, 4.0, 1.0, 2.0));  // fractions 2500, 5000
    const MeasureDrawPoint d = lines.GetDrawPoint(3, 1, 4.0, 3.0);
    ExpectPoint(d.pixel, {7, 8}, "pixel");
    ExpectPoint(d.offset, {1, 1}, "offset");
}

// Negative indices and indices at or past the count touch nothing.
TEST(MeasureLines, IndicesOutsideTheSetDoNothing)
{
    CMeasureLines lines(8, 100, 100);
    Draw(lines, 0, {1, 1}, {5, 5});
    for (int i : {-1, -2, 8, 9}) {
        ExpectPoint(lines.GetPoint(i, 1), {-1, -1}, "point");
        EXPECT_EQ(lines.GetLength(i), 0.0);
        EXPECT_FALSE(lines.IsInsideImage(i));
        lines.ClearLine(i);
        lines.SwapEndpoints(i);
        EXPECT_EQ(lines.GetDrawPoint(i, 1, 1.0, 1.0).pixel.x, -1);
        lines.SetSelection(kMeasureHitStart, i);
        lines.SetPoint(1, At(9, 9));
        lines.SetPoint(2, At(9, 9));
        EXPECT_EQ(lines.GetSelectedLength(), 0.0);
        lines.MoveSelectedLine(At(3, 3));
    }
    ExpectPoint(lines.GetPoint(0, 1), {15000, 15000}, "line 0 kept its start");
    ExpectPoint(lines.GetPoint(0, 2), {55000, 55000}, "line 0 kept its end");
}
