// The overview window's arithmetic: picture sizes for every image shape,
// placement with the lift and the 4/5-screen cut, per-mille positions, the
// frame of the visible part, click versus drag and the refresh throttle.
#include "clip/sky_layout.h"

#include <gtest/gtest.h>

namespace {

constexpr SIZE kBorders{22, 22};  // frame figures 8 x 8

void ExpectRect(const RECT& r, LONG l, LONG t, LONG right, LONG b)
{
    EXPECT_EQ(r.left, l);
    EXPECT_EQ(r.top, t);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, b);
}

TEST(SkyLayout, BordersAreThreePlusTheFrameFigureTwice)
{
    const SIZE b = SkyBorders(8, 9);
    EXPECT_EQ(b.cx, 22);
    EXPECT_EQ(b.cy, 24);
}

TEST(SkyLayout, ThePictureIsAsWideAsThePanelAndAsHighAsTheImagesRatio)
{
    struct Case {
        const char* name;
        int panelWidth;
        LONG w, h;
        SIZE expected;
    };
    const Case cases[] = {
        {"landscape", 222, 2400, 1600, {200, 133}},
        // With a whole-number ratio a portrait image would divide by zero.
        {"portrait", 222, 1600, 2400, {200, 300}},
        {"tiny square", 222, 1, 1, {200, 200}},
        {"tiny wide", 222, 3, 1, {200, 66}},
        {"tiny tall", 222, 1, 3, {200, 600}},
        // A huge wide image still has one row for the frame and the per mille.
        {"huge wide", 222, 100000, 10, {200, 1}},
        {"huge tall", 222, 10, 100000, {200, 1000000}},
        {"panel narrower than the borders", 10, 2400, 1600, {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SIZE s = SkyPictureSize(c.panelWidth, kBorders, c.w, c.h);
        EXPECT_EQ(s.cx, c.expected.cx);
        EXPECT_EQ(s.cy, c.expected.cy);
    }
}

TEST(SkyLayout, TheWindowSitsLeftOfTheStageBelowThePanelAndNeverPassesTheWorkArea)
{
    SkyPlacementInput in;
    in.borders = kBorders;
    in.stageLeft = 300;
    in.panelBottom = 400;
    in.lowerLimit = 1039;
    in.screenHeight = 1080;

    in.picture = SIZE{200, 133};
    SkyPlacement p = PlaceSkyWindow(in);
    ExpectRect(p.window, 77, 401, 299, 556);
    ExpectRect(p.pictureRect, 1, 1, 211, 144);
    EXPECT_EQ(p.picture.cx, 200);
    EXPECT_EQ(p.picture.cy, 133);

    // Lower than the work area, not taller than 4/5 of the screen: lifted only.
    in.picture = SIZE{200, 700};
    p = PlaceSkyWindow(in);
    ExpectRect(p.window, 77, 317, 299, 1039);
    EXPECT_EQ(p.picture.cy, 700);
}

TEST(SkyLayout, ATallWindowIsCutToFourFifthsOfTheScreenNarrowedInProportionAndLifted)
{
    SkyPlacementInput in;
    in.borders = kBorders;
    in.stageLeft = 300;
    in.panelBottom = 400;
    in.lowerLimit = 1039;
    in.screenHeight = 1080;
    in.picture = SIZE{200, 1200};  // window 222 x 1222
    const SkyPlacement p = PlaceSkyWindow(in);
    // 864 high; 864 / (1222 / 222) = 156.9 wide; the right edge stays by the stage.
    ExpectRect(p.window, 143, 175, 299, 1039);
    ExpectRect(p.pictureRect, 1, 1, 145, 853);
    // The picture is sized for the cut window, not drawn at its old size.
    EXPECT_EQ(p.picture.cx, 134);
    EXPECT_EQ(p.picture.cy, 842);
}

TEST(SkyLayout, PerMilleCountsFromOnePixelIn)
{
    EXPECT_EQ(SkyPerMille(99, 200), 500);
    EXPECT_EQ(SkyPerMille(0, 200), 5);
    EXPECT_EQ(SkyPerMille(199, 200), 1000);
    EXPECT_EQ(SkyPerMille(66, 133), 503);
    EXPECT_EQ(SkyPerMille(10, 0), 0);
}

TEST(SkyLayout, TheFrameIsTheVisibleRectangleScaledAndKeptOnThePicture)
{
    ExpectRect(SkyFrameRect(RECT{0, 0, 2400, 1600}, SIZE{200, 133}, 2400, 1600), 0, 0, 199, 132);
    ExpectRect(SkyFrameRect(RECT{600, 400, 1200, 800}, SIZE{200, 133}, 2400, 1600), 50, 33, 100, 66);
    ExpectRect(SkyFrameRect(RECT{600, 400, 1200, 800}, SIZE{200, 133}, 0, 1600), 0, 0, 0, 0);
}

TEST(SkyLayout, ReleasesLessThanThreePixelsFromThePressAreClicks)
{
    const POINT press{10, 10};
    EXPECT_TRUE(IsNearSkyPress(press, POINT{12, 12}));
    EXPECT_TRUE(IsNearSkyPress(press, POINT{8, 8}));
    EXPECT_FALSE(IsNearSkyPress(press, POINT{13, 10}));
    EXPECT_FALSE(IsNearSkyPress(press, POINT{10, 7}));
}

TEST(SkyLayout, RefreshesAreAskedForAtMostOnceASecond)
{
    DWORD last = 0;
    EXPECT_FALSE(TakeSkyRefreshTurn(500, &last));
    EXPECT_TRUE(TakeSkyRefreshTurn(1000, &last));
    EXPECT_EQ(last, 1000u);
    EXPECT_FALSE(TakeSkyRefreshTurn(1999, &last));
    EXPECT_TRUE(TakeSkyRefreshTurn(2000, &last));
    // Across the tick count's wrap.
    last = 0xFFFFFF00u;
    EXPECT_FALSE(TakeSkyRefreshTurn(0x000002E7u, &last));
    EXPECT_TRUE(TakeSkyRefreshTurn(0x000002E8u, &last));
}

}  // namespace
