// The dialog's change rule: the channel changed and every linked channel
// take the value, limited to the offsets' range, and are named to the stage.
#include "clip/color_adjust_dialog.h"

#include <gtest/gtest.h>

namespace {

TEST(ContrastChange, LinkedChannelsFollowAndAreNamed)
{
    struct Case {
        ContrastLinks links;
        int bits, value;
        ContrastValues after;
        int sentValue, sentBits;
    };
    const ContrastValues before{5, -6, 7};
    const Case cases[] = {
        {{false, false, false}, 1, 20, {20, -6, 7}, 20, 1},
        {{false, true, false}, 1, 20, {20, 20, 7}, 20, 1 | 2},  // only green linked
        {{false, true, false}, 2, -9, {5, -9, 7}, -9, 2},
        {{true, true, true}, 4, 3, {3, 3, 3}, 3, 7},
        {{true, false, false}, 4, 3, {3, -6, 3}, 3, 1 | 4},
        {{false, false, false}, 7, 0, {0, 0, 0}, 0, 7},  // Center
        {{false, false, false}, 2, 300, {5, 127, 7}, 127, 2},
        {{false, false, true}, 1, -128, {-127, -6, -127}, -127, 1 | 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " " << c.value);
        const ContrastChange change = ApplyContrastChange(before, c.links, c.bits, c.value);
        EXPECT_EQ(change.values, c.after);
        EXPECT_EQ(change.value, c.sentValue);
        EXPECT_EQ(change.bits, c.sentBits);
    }
}

TEST(ContrastChange, TypedNumbersAreLimitedToTheOffsetRange)
{
    EXPECT_EQ(ClampContrastValue(300), 127);
    EXPECT_EQ(ClampContrastValue(-300), -127);
    EXPECT_EQ(ClampContrastValue(99999999999LL), 127);
    EXPECT_EQ(ClampContrastValue(-127), -127);
    EXPECT_EQ(ClampContrastValue(0), 0);
}

}  // namespace
