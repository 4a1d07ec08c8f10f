#include "clip/zoom_lens_geometry.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const RECT& r, const RECT& expected)
{
    EXPECT_EQ(r.left, expected.left);
    EXPECT_EQ(r.top, expected.top);
    EXPECT_EQ(r.right, expected.right);
    EXPECT_EQ(r.bottom, expected.bottom);
}

TEST(ZoomLensGeometry, TheLensIsLargerOnScreensWithPixelsBelowAQuarterMillimetre)
{
    const struct {
        int mm, pixels, side;
    } cases[] = {
        {508, 1920, 300},  // 96 dpi: 0.2646 mm
        {538, 1920, 300},  // 0.28 mm
        {480, 1920, 300},  // exactly 0.25 mm is not below
        {479, 1920, 360},  // just below
        {384, 1920, 360},  // 0.2 mm
        {0, 1920, 300},    // a screen that tells no size
        {508, 0, 300},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZoomLensSide(c.mm, c.pixels), c.side) << c.mm << " mm / " << c.pixels << " px";
}

TEST(ZoomLensGeometry, PicturePointsMapToSourcePixelsByCellSize)
{
    const struct {
        POINT p;
        int lens, source;
        POINT offset;
    } cases[] = {
        // 300 px lens: cells of 10 px at level 0, 20 px at level 1.
        {{0, 0}, 300, 30, {0, 0}},
        {{9, 10}, 300, 30, {0, 1}},
        {{299, 150}, 300, 30, {29, 15}},
        {{19, 20}, 300, 15, {0, 1}},
        // 360 px lens: cells of 12 px at level 0, 24 px at level 1.
        {{11, 12}, 360, 30, {0, 1}},
        {{23, 24}, 360, 15, {0, 1}},
        {{359, 359}, 360, 15, {14, 14}},
        // The lens's far edge still maps into the source.
        {{300, 300}, 300, 30, {29, 29}},
    };
    for (const auto& c : cases) {
        const POINT o = ZoomLensPixelOffset(c.p, c.lens, c.lens, c.source, c.source);
        EXPECT_EQ(o.x, c.offset.x) << c.p.x << "," << c.p.y << " on " << c.lens << "/" << c.source;
        EXPECT_EQ(o.y, c.offset.y) << c.p.x << "," << c.p.y << " on " << c.lens << "/" << c.source;
    }
}

TEST(ZoomLensGeometry, TheSourceIsClampedIntoTheImageKeepingItsSize)
{
    const struct {
        RECT in;
        int side;
        RECT out;
    } cases[] = {
        {{10, 20, 39, 49}, 30, {10, 20, 39, 49}},
        {{-3, -1, 26, 28}, 30, {0, 0, 29, 29}},
        {{180, 140, 209, 169}, 30, {170, 130, 199, 159}},  // past 200 x 160
        {{190, 150, 204, 164}, 15, {185, 145, 199, 159}},
        {{-8, 150, 6, 164}, 15, {0, 145, 14, 159}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.in.left << "," << c.in.top << " side " << c.side);
        ExpectRect(ClampZoomLensSource(c.in, c.side, c.side, 200, 160), c.out);
    }
}

TEST(ZoomLensGeometry, DraggingMovesOneImagePixelPerHalfCell)
{
    const struct {
        POINT press, point;
        int lens, source;
        POINT step;
    } cases[] = {
        {{100, 100}, {96, 100}, 300, 30, {0, 0}},    // less than 5 px: nothing
        {{100, 100}, {95, 100}, 300, 30, {1, 0}},    // dragging left shows what lies right
        {{100, 100}, {111, 89}, 300, 30, {-2, 2}},   // truncated toward zero
        {{100, 100}, {90, 100}, 300, 15, {1, 0}},    // 10 px per pixel at level 1
        {{100, 100}, {94, 100}, 360, 30, {1, 0}},    // 6 px on the large lens
        {{100, 100}, {100, 112}, 360, 15, {0, -1}},  // 12 px on the large lens at level 1
    };
    for (const auto& c : cases) {
        const POINT d = ZoomLensDragStep(c.press, c.point, c.lens, c.lens, c.source, c.source);
        EXPECT_EQ(d.x, c.step.x) << c.point.x << "," << c.point.y << " on " << c.lens << "/" << c.source;
        EXPECT_EQ(d.y, c.step.y) << c.point.x << "," << c.point.y << " on " << c.lens << "/" << c.source;
    }
}

TEST(ZoomLensGeometry, TheWheelZoomsInForwardAtLevelZeroAndOutBackwardAtLevelOne)
{
    EXPECT_EQ(ZoomLensLevelAfterWheel(0, 120), 1);
    EXPECT_EQ(ZoomLensLevelAfterWheel(1, 120), -1);  // a second roll forward does nothing
    EXPECT_EQ(ZoomLensLevelAfterWheel(1, -120), 0);
    EXPECT_EQ(ZoomLensLevelAfterWheel(0, -120), -1);
    EXPECT_EQ(ZoomLensLevelAfterWheel(0, 0), -1);
    EXPECT_EQ(ZoomLensSourceSide(0), 30);
    EXPECT_EQ(ZoomLensSourceSide(1), 15);

    // The new square is centred on the pixel, inside the image.
    ExpectRect(CentredZoomLensSource(POINT{100, 80}, 15, 15, 200, 160), RECT{93, 73, 107, 87});
    ExpectRect(CentredZoomLensSource(POINT{2, 158}, 30, 30, 200, 160), RECT{0, 130, 29, 159});
}

TEST(ZoomLensGeometry, TheWindowIsCentredOnTheCursorInsideTheStage)
{
    const RECT stage{100, 50, 1100, 850};
    const struct {
        POINT cursor;
        RECT window;
    } cases[] = {
        {{600, 400}, {445, 245, 755, 555}},
        {{120, 60}, {100, 50, 410, 360}},      // left and top outside: to the stage's edge
        {{1090, 840}, {790, 540, 1100, 850}},  // right and bottom outside: moved back in
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cursor.x << "," << c.cursor.y);
        ExpectRect(PlaceZoomLensWindow(c.cursor, 310, 310, stage), c.window);
    }
}

TEST(ZoomLensGeometry, AClickStaysWithinThreePixels)
{
    EXPECT_TRUE(IsZoomLensClick(POINT{50, 50}, POINT{53, 47}));
    EXPECT_FALSE(IsZoomLensClick(POINT{50, 50}, POINT{54, 50}));
    EXPECT_FALSE(IsZoomLensClick(POINT{50, 50}, POINT{50, 45}));  // 5 px apart: no pick
}

}  // namespace
