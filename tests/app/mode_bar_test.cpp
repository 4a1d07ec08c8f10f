// The mode bar's place below the frame's toolbar and the pictures its
// buttons show for each mode, measure-panel state and icon scale.
#include "app/mode_bar_rules.h"
#include "core/system_figures.h"

#include <gtest/gtest.h>

TEST(ModeBarPlacement, StandsAtTheClientAreasTopLeftBelowTheToolbarAtItsOwnSize)
{
    ScreenMetrics m;
    m.captionHeight = 23;
    m.frameWidth = 8;  // sizing frame + 4
    m.frameHeight = 9;
    m.toolbarHeight = 30;
    m.menuHeight = 20;
    const RECT r = ModeBarPlacement(RECT{100, 50, 900, 700}, m, SIZE{168, 34});
    EXPECT_EQ(r.left, 100 + 8 + 2);
    // Caption, sizing frame, toolbar, half the sizing frame (rounded down), menu.
    EXPECT_EQ(r.top, 50 + 23 + 9 + 30 + 4 + 20);
    EXPECT_EQ(r.right - r.left, 168);
    EXPECT_EQ(r.bottom - r.top, 34);
}

TEST(ModeBarPictures, FollowTheModeTheMeasurePanelAndTheIconScale)
{
    struct Case {
        int appMode;
        bool measuring;
        int scale;
        int clipButton;
        int multiButton;
    };
    const Case cases[] = {
        {1, false, 1, 281, 284}, {1, false, 2, 325, 328}, {1, true, 1, 348, 284}, {1, true, 2, 350, 328},
        {2, false, 1, 282, 283}, {2, false, 2, 326, 327}, {2, true, 1, 349, 283}, {2, true, 2, 351, 327},
        {0, false, 1, 282, 283},  // anything but clip mode reads as the multi view
    };
    for (const Case& c : cases) {
        const ModeBarPictures p = ModeBarPicturesFor(c.appMode, c.measuring);
        EXPECT_EQ(ModeBarBitmapId(p.clipButton, c.scale), c.clipButton)
            << c.appMode << c.measuring << c.scale;
        EXPECT_EQ(ModeBarBitmapId(p.multiButton, c.scale), c.multiButton)
            << c.appMode << c.measuring << c.scale;
    }
}
