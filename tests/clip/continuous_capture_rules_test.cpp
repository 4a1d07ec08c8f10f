// The continuous-capture dialog's arithmetic: the limits of its entries, the
// usable range and its pixel size, the preview's geometry and where the
// compact window stands.
#include "clip/continuous_capture_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(ContinuousCaptureRules, CountIsKeptWithinItsLimits)
{
    EXPECT_EQ(ClampCaptureCount(0), 1);
    EXPECT_EQ(ClampCaptureCount(-7), 1);
    EXPECT_EQ(ClampCaptureCount(20000), 10000);
    EXPECT_EQ(ClampCaptureCount(250), 250);
}

TEST(ContinuousCaptureRules, TypedIntervalsRoundToTheNearestTenthWithinTheLimits)
{
    const struct {
        const char* typed;
        int tenths;
    } cases[] = {
        {"0.3", 3},     // 0.3 * 10 is 2.9999... in binary: truncation would give 2
        {"0.7", 7},     // likewise 6.9999...
        {"2.0", 20},    //
        {"1.25", 13},   // halves round away from zero
        {"0.05", 1},    // below the least: 0.1 s
        {"0", 1},       //
        {"-3", 1},      //
        {"99", 600},    // above the most: 60 s
        {"1e9", 600},   //
        {"abc", 1},     // no number
        {"", 1},        //
        {" 4.5 ", 45},  // spaces around the number
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntervalTenthsFromText(QString::fromLatin1(c.typed)), c.tenths) << c.typed;
}

TEST(ContinuousCaptureRules, LabelsAndValueTexts)
{
    EXPECT_EQ(CountRangeText(), QStringLiteral("( 1 ～ 10000 )枚"));
    EXPECT_EQ(IntervalRangeText(), QStringLiteral("( 0.1 ～ 60 )秒"));
    EXPECT_EQ(FileNameStepText(), QStringLiteral("STEP7 : 保存ファイル名 ( 最大文字数 30 文字 )"));
    EXPECT_EQ(QualityText(85), QStringLiteral("85%"));
    EXPECT_EQ(TenthsText(1), QStringLiteral("0.1"));
    EXPECT_EQ(TenthsText(600), QStringLiteral("60.0"));
    EXPECT_EQ(MillisecondsAsSecondsText(700), QStringLiteral("0.7"));
    EXPECT_EQ(QualityFromSliderPos(0), 1);
    EXPECT_EQ(QualityFromSliderPos(99), 100);
    EXPECT_EQ(SliderPosFromQuality(100), 99);
}

TEST(ContinuousCaptureRules, RangeIsUsableOnceNormalisedAndItsEdgesAreInclusive)
{
    const struct {
        RECT range;
        bool usable;
        SIZE size;
    } cases[] = {
        {{0, 0, 0, 0}, false, {1, 1}},
        {{0, 0, 1, 1}, true, {2, 2}},
        {{3, 0, 3, 9}, false, {1, 10}},   // no width
        {{10, 20, 4, 2}, true, {7, 19}},  // drawn from the bottom right
        {{0, 0, 1919, 1079}, true, {1920, 1080}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsRangeUsable(c.range), c.usable) << c.range.left << "," << c.range.top;
        const SIZE size = RangeCaptureSize(c.range);
        EXPECT_EQ(size.cx, c.size.cx);
        EXPECT_EQ(size.cy, c.size.cy);
    }
}

TEST(ContinuousCaptureRules, LastClipAndFullScreenRangesStayOnTheScreen)
{
    EXPECT_EQ(RangeFromLastClip(RECT{-5, -8, 5000, 3000}, 1920, 1080), (RECT{0, 0, 1919, 1079}));
    EXPECT_EQ(RangeFromLastClip(RECT{300, 200, 100, 50}, 1920, 1080), (RECT{100, 50, 300, 200}));
    EXPECT_EQ(FullScreenRange(1920, 1080), (RECT{0, 0, 1919, 1079}));
    EXPECT_EQ(ClampRangeEdge(1920, 1920), 1919);
    EXPECT_EQ(ClampRangeEdge(-1, 1080), 0);
}

TEST(ContinuousCaptureRules, PreviewFitsTheScreenIntoTheAreaAndScalesTheRange)
{
    // A 16:9 screen in a wider area: the height decides, the box is centred.
    const RECT area{0, 0, 228, 120};
    const RangePreview full = ComputeRangePreview(area, 1920, 1080, RECT{0, 0, 1919, 1079});
    EXPECT_EQ(full.screen, (RECT{7, 0, 220, 120}));
    EXPECT_EQ(full.range, full.screen);
    // The top-left quarter of the screen is the box's top-left quarter.
    const RangePreview quarter = ComputeRangePreview(area, 1920, 1080, RECT{0, 0, 959, 539});
    EXPECT_EQ(quarter.range, (RECT{7, 0, 7 + 106, 60}));
    // A 4:3 screen in a tall area: the width decides.
    const RangePreview tall = ComputeRangePreview(RECT{10, 10, 110, 210}, 800, 600, RECT{400, 300, 799, 599});
    EXPECT_EQ(tall.screen, (RECT{10, 72, 110, 147}));
    EXPECT_EQ(tall.range, (RECT{60, 109, 110, 147}));
    // A single pixel still shows.
    const RangePreview dot = ComputeRangePreview(area, 1920, 1080, RECT{5, 5, 5, 5});
    EXPECT_EQ(dot.range.right - dot.range.left, 1);
    EXPECT_EQ(dot.range.bottom - dot.range.top, 1);
}

TEST(ContinuousCaptureRules, CompactWindowStandsTenPixelsFromTheTopAndTheChosenSide)
{
    const POINT left = CompactWindowOrigin(240, 1920, 1);
    EXPECT_EQ(left.x, 10);
    EXPECT_EQ(left.y, 10);
    const POINT right = CompactWindowOrigin(240, 1920, 2);
    EXPECT_EQ(right.x, 1920 - 10 - 240);
    EXPECT_EQ(right.y, 10);
}

}  // namespace
