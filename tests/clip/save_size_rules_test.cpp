// The save-size checks: bounds of the side typed, the other side following
// it while the ratio is kept, and what is restored when a bound is broken.
#include "clip/save_size_rules.h"

#include <gtest/gtest.h>

namespace {

constexpr SaveSizeBounds kBounds{10, 2000, 1000};  // minimum, max width, max height

struct Case {
    const char* name;
    bool height;  // the height box was left, else the width box
    SaveSize before;
    SaveSize typed;
    bool keepRatio;
    double ratio;
    SaveSizeCheck expected;
};

TEST(SaveSizeRules, TypedSideIsCheckedAndTheOtherFollows)
{
    const Case cases[] = {
        {"height in bounds, ratio off", true, {400, 200}, {400, 300}, false, 2.0, {{400, 300}, false}},
        {"height follows into width", true, {400, 200}, {400, 300}, true, 2.0, {{600, 300}, false}},
        {"followed width truncates", true, {300, 200}, {300, 201}, true, 1.5, {{301, 201}, false}},
        {"height unchanged keeps width", true, {555, 200}, {555, 200}, true, 2.0, {{555, 200}, false}},
        {"height below minimum, ratio off", true, {400, 200}, {400, 9}, false, 2.0,
            {{400, 200}, true, 10, 1000}},
        {"height below minimum, ratio on", true, {400, 200}, {400, 9}, true, 2.0,
            {{400, 200}, true, 10, 1000}},
        {"height above maximum", true, {400, 200}, {400, 1001}, true, 2.0, {{400, 200}, true, 10, 1000}},
        {"height at both bounds", true, {400, 200}, {400, 1000}, false, 2.0, {{400, 1000}, false}},
        {"followed width too wide restores both", true, {400, 200}, {400, 1000}, true, 4.0,
            {{400, 200}, true, 10, 2000}},
        {"followed width too narrow restores both", true, {40, 200}, {40, 20}, true, 0.2,
            {{40, 200}, true, 10, 2000}},
        {"width in bounds follows into height", false, {400, 200}, {800, 200}, true, 2.0,
            {{800, 400}, false}},
        {"width above maximum", false, {400, 200}, {2001, 200}, true, 2.0, {{400, 200}, true, 10, 2000}},
        {"width below minimum, ratio off", false, {400, 200}, {5, 200}, false, 2.0,
            {{400, 200}, true, 10, 2000}},
        {"followed height too tall restores both", false, {400, 200}, {1900, 200}, true, 0.5,
            {{400, 200}, true, 10, 1000}},
        {"followed height truncates", false, {300, 200}, {301, 200}, true, 1.5, {{301, 200}, false}},
        // Opened with a side of 0 there is no ratio: nothing can follow.
        {"no ratio, height", true, {0, 200}, {0, 300}, true, 0.0, {{0, 200}, true, 10, 2000}},
        {"no ratio, width", false, {400, 0}, {500, 0}, true, 0.0, {{400, 0}, true, 10, 1000}},
    };
    for (const Case& c : cases) {
        const SaveSizeCheck got = c.height
            ? CheckTypedHeight(c.before, c.typed, c.keepRatio, c.ratio, kBounds)
            : CheckTypedWidth(c.before, c.typed, c.keepRatio, c.ratio, kBounds);
        EXPECT_EQ(got.size, c.expected.size) << c.name;
        EXPECT_EQ(got.refused, c.expected.refused) << c.name;
        if (c.expected.refused) {
            EXPECT_EQ(got.shownMinimum, c.expected.shownMinimum) << c.name;
            EXPECT_EQ(got.shownMaximum, c.expected.shownMaximum) << c.name;
        }
    }
}

TEST(SaveSizeRules, RatioOfTheOpeningSizeAndTheMessage)
{
    EXPECT_DOUBLE_EQ(SaveSizeRatio({300, 200}), 1.5);
    EXPECT_EQ(SaveSizeRatio({0, 200}), 0.0);
    EXPECT_EQ(SaveSizeRatio({300, 0}), 0.0);
    EXPECT_EQ(SaveSizeRangeMessage(10, 2000),
        QStringLiteral("指定できる最小サイズは 10, 最大サイズは 2000 までです。"));
}

}  // namespace
