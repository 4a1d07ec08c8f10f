// Where the pixel grid's lines go and from which magnification it shows.
#include "clip/pixel_grid.h"

#include <gtest/gtest.h>

TEST(PixelGrid, ShowsOnceTheRoundedRatioReachesTheLevel)
{
    EXPECT_FALSE(PixelGridShown(9.49, 10));
    EXPECT_TRUE(PixelGridShown(9.5, 10));
    EXPECT_TRUE(PixelGridShown(25.0, 10));
    EXPECT_FALSE(PixelGridShown(3.4, 4));
}

TEST(PixelGrid, LinesFollowTheSinglePrecisionSum)
{
    // At 10.1 the tenth line lies at 100 (k x ratio in double would give 101).
    EXPECT_EQ(PixelGridLines(10.1, 202),
        (std::vector<int>{
            10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 111, 121, 131, 141, 151, 161, 171, 181, 191}));
    EXPECT_EQ(PixelGridLines(10.0, 30), (std::vector<int>{10, 20}));  // the far edge itself gets none
    EXPECT_TRUE(PixelGridLines(0.0, 30).empty());
}
