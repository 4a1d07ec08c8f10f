// The panel's numbers: the linked size, the presets, the range kept inside
// the visible part, the readouts and where the panel stands.
#include "clip/control_panel_placement.h"
#include "clip/control_panel_readouts.h"
#include "clip/control_panel_sizes.h"

#include <gtest/gtest.h>

TEST(AspectSize, ConstructionClampsBothSidesAndTakesTheRatio)
{
    const CAspectSize s(5, 9000, 10, 4000, 3000);
    EXPECT_EQ(s.Width(), 10);
    EXPECT_EQ(s.Height(), 3000);
    EXPECT_DOUBLE_EQ(s.Ratio(), 10.0 / 3000.0);
}

TEST(AspectSize, KeepRatioDerivesTheOtherSideOrRefusesAndKeepsTheOldValue)
{
    struct Case {
        int side, value;
        int result, width, height;
    };
    // 640 x 480 (4:3), sides 10 .. 1000 wide, 10 .. 500 high.
    const Case cases[] = {
        {1, 400, 300, 400, 300},
        {1, 800, -1, 640, 480},  // 600 high would exceed 500: refused, the width stays
        {2, 300, 400, 400, 300}, {2, 9999, 667, 667, 500},  // clamped to 500 first; 666.67 rounds up
        {1, 2, -1, 640, 480},  // clamped to 10 wide; 7.5 high rounds up to 8, below 10: refused
    };
    for (const Case& c : cases) {
        CAspectSize s(640, 480, 10, 1000, 500);
        const int result = s.SetKeepRatio(c.side, c.value);
        EXPECT_EQ(result, c.result) << c.side << " " << c.value;
        EXPECT_EQ(s.Width(), c.width) << c.side << " " << c.value;
        EXPECT_EQ(s.Height(), c.height) << c.side << " " << c.value;
        EXPECT_DOUBLE_EQ(s.Ratio(), 640.0 / 480.0);
    }
}

TEST(AspectSize, SetChangesOneSideAndTheRatio)
{
    CAspectSize s(640, 480, 10, 1000, 500);
    s.Set(1, 2000);
    EXPECT_EQ(s.Width(), 1000);
    EXPECT_DOUBLE_EQ(s.Ratio(), 1000.0 / 480.0);
    s.Set(2, 1);
    EXPECT_EQ(s.Height(), 10);
    EXPECT_DOUBLE_EQ(s.Ratio(), 100.0);
}

TEST(AspectSize, HalfRoundsUp)
{
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(2.49), 2);
    EXPECT_EQ(RoundHalfUp(3.0), 3);
}

TEST(StepPresets, FollowTheImagesLargerSide)
{
    EXPECT_EQ(StepPresets(0, 0), QStringList{"1"});
    EXPECT_EQ(StepPresets(150, 120), (QStringList{"1", "2", "3", "5", "7", "10"}));
    EXPECT_EQ(StepPresets(2500, 800),
        (QStringList{"1", "2", "3", "5", "7", "10", "15", "20", "25", "30", "40", "50", "75", "100"}));
    EXPECT_EQ(StepPresets(800, 3001).last(), "200");
    EXPECT_EQ(StepPresets(200, 200).size(), 6);  // 200 is not above 200
    EXPECT_EQ(ClampStep(0), 1);
    EXPECT_EQ(ClampStep(300), 255);
}

TEST(WaitPresets, ShowSecondsWithOneDecimal)
{
    EXPECT_EQ(WaitPresets().size(), 8);
    EXPECT_EQ(WaitPresets().first(), "0.5");
    EXPECT_EQ(WaitText(1001), "1.0");
    EXPECT_EQ(WaitText(7000), "7.0");
    EXPECT_EQ(WaitText(250), "0.2");  // the C library's rounding of 0.25
}

TEST(FitRangeSizeToView, KeepsTheRangeAndStepInsideTheVisiblePart)
{
    RangeFit fit = FitRangeSizeToView(400, 300, 640, 480, 50, 16);
    EXPECT_EQ(fit.width, 320);
    EXPECT_EQ(fit.height, 240);
    EXPECT_EQ(fit.step, 30);
    EXPECT_TRUE(fit.widthChanged && fit.heightChanged && fit.stepChanged);

    fit = FitRangeSizeToView(404, 300, 100, 480, 5, 16);  // (404 / 5) x 4: the division first
    EXPECT_FALSE(fit.widthChanged);
    EXPECT_EQ(fit.height, 240);
    EXPECT_FALSE(fit.stepChanged);

    fit = FitRangeSizeToView(12, 8, 640, 480, 50, 16);  // never below MinSaveSize, step at least 1
    EXPECT_EQ(fit.width, 16);
    EXPECT_EQ(fit.height, 16);
    EXPECT_EQ(fit.step, 1);
}

TEST(Readouts, PointsRangesAndColours)
{
    EXPECT_EQ(PointReadout(12, 3), "12 : 3");
    EXPECT_EQ(ClearedReadout(), "--- : ---");
    EXPECT_EQ(RangeReadout(10, 20), "10, 20");

    const SelectionReadouts moving = MovingPointReadouts(POINT{100, 50}, POINT{40, 80});
    EXPECT_EQ(moving.start, "40 : 50");
    EXPECT_EQ(moving.size, "61 : 31");
    EXPECT_EQ(moving.end, "100 : 80");
    const SelectionReadouts alone = MovingPointReadouts(POINT{-1, -1}, POINT{7, 8});
    EXPECT_EQ(alone.start, "7 : 8");
    EXPECT_TRUE(alone.size.isEmpty() && alone.end.isEmpty());

    EXPECT_EQ(ColorReadout(RGB(0, 128, 255), 16), QStringLiteral("赤:x00 緑:x80 青:xFF"));
    EXPECT_EQ(ColorReadout(RGB(0, 128, 255), 10), QStringLiteral("赤:000  緑:128  青:255"));
    EXPECT_EQ(ColorReadout(static_cast<COLORREF>(-1), 10), "-- -- --");
}

TEST(PanelPlacement, StandsAtTheFramesLeftEdgeBelowTheModeBar)
{
    const RECT r = CalcPanelPlacement(RECT{100, 50, 900, 700}, 8, 74, 30, SIZE{168, 423});
    EXPECT_EQ(r.left, 110);
    EXPECT_EQ(r.top, 154);
    EXPECT_EQ(r.right, 278);
    EXPECT_EQ(r.bottom, 577);
}

TEST(PanelPlacement, ContinuousCaptureRowGrowsOrShrinksThePanelOnce)
{
    const RECT place{10, 20, 178, 443};
    struct Case {
        bool visible, use;
        int show, bottom;
    };
    const Case cases[] = {
        {true, false, -1, 443 - 33},  // made with the option off: 33 shorter
        {false, true, 1, 443 + 33},   // switched on: the row comes back
        {true, true, 0, 443},         // a second notice changes nothing
        {false, false, 0, 443},
    };
    for (const Case& c : cases) {
        const ContinueCaptureChange change = ContinueCaptureButtonChange(c.visible, c.use, place);
        EXPECT_EQ(change.show, c.show);
        EXPECT_EQ(change.placement.bottom, c.bottom);
        EXPECT_EQ(change.placement.top, place.top);
    }
}
