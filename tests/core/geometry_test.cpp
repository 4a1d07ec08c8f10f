#include "core/geometry.h"
#include "core/system_figures.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

TEST(Geometry, RoundToIntRoundsHalvesUpwards)
{
    const std::pair<double, int> cases[] = {{2.5, 3}, {-2.5, -2}, {-2.6, -3}, {0.5, 1}, {-0.5, 0}, {-1.5, -1},
        {0.49999999999999994, 0}, {1.4999, 1}, {-0.4, 0}, {7.0, 7}, {-7.0, -7},
        // The ends of the 32-bit range, and beyond it (saturated).
        {2147483647.4, 2147483647}, {2147483647.5, 2147483647}, {1e300, 2147483647},
        {-2147483648.5, -2147483647 - 1}, {-2147483648.6, -2147483647 - 1}, {-1e300, -2147483647 - 1},
        {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(RoundToInt(x), expected) << x;
}

TEST(Geometry, RoundUpAndClamps)
{
    EXPECT_EQ(RoundUpToMultiple(1950650, 1000), 1951000);
    EXPECT_EQ(RoundUpToMultiple(2000, 1000), 2000);
    EXPECT_EQ(RoundUpToMultiple(0, 1000), 0);
    // Bounds come first: ClampInt(low, high, v).
    EXPECT_EQ(ClampInt(0, 10, -5), 0);
    EXPECT_EQ(ClampInt(0, 10, 15), 10);
    EXPECT_EQ(ClampInt(0, 10, 7), 7);
    EXPECT_EQ(ClampUInt(5u, 9u, 0xFFFFFFFFu), 9u);
    EXPECT_EQ(ClampByte(10, 200, 3), 10);
    EXPECT_EQ(IsInRange(1, 3, 3), 1);
    EXPECT_EQ(IsInRange(1, 3, 4), 0);
    EXPECT_EQ(IsNear(12, 10, 2), 1);
    EXPECT_EQ(IsNear(13, 10, 2), 0);
}

TEST(Geometry, SortsAscendingAndDescending)
{
    std::uint16_t shorts[] = {3, 1, 2};
    SortShorts(shorts, 3, 1);
    EXPECT_EQ(std::vector<std::uint16_t>(shorts, shorts + 3), (std::vector<std::uint16_t>{1, 2, 3}));
    SortShorts(shorts, 3, 0);
    EXPECT_EQ(std::vector<std::uint16_t>(shorts, shorts + 3), (std::vector<std::uint16_t>{3, 2, 1}));
    int ints[] = {5, 0x7FFFFFFF, 0, 5, 42};
    SortInts(ints, 5, 1);
    EXPECT_EQ(std::vector<int>(ints, ints + 5), (std::vector<int>{0, 5, 5, 42, 0x7FFFFFFF}));
    SortInts(ints, 5, 0);
    EXPECT_EQ(std::vector<int>(ints, ints + 5), (std::vector<int>{0x7FFFFFFF, 42, 5, 5, 0}));
}

TEST(Geometry, PointTestsIncludeEdges)
{
    const RECT r{10, 20, 30, 40};
    EXPECT_EQ(PtInRectInclusive(r, {30, 40}), 1);  // right and bottom edges belong
    EXPECT_EQ(PtInRectInclusive(r, {31, 40}), 0);
    EXPECT_EQ(IsPointNear(0, 0, 2, -2, 3), 1);
    EXPECT_EQ(IsPointNear(0, 0, 3, 0, 3), 0);  // strictly within

    const std::pair<POINT, int> outcodes[] = {{{5, 15}, 3}, {{20, 30}, 0}, {{10, 40}, 0}, {{35, 30}, 4},
        {{35, 45}, 12}, {{5, 45}, 9}, {{20, 15}, 2}};
    for (const auto& [p, code] : outcodes)
        EXPECT_EQ(GetPointOutcode(r, p), code) << p.x << "," << p.y;
}

TEST(Geometry, RectangleParts)
{
    EXPECT_EQ(GetRectCenter({-5, 0, 0, 5}), (POINT{-2, 2}));  // division truncates toward zero
    EXPECT_EQ(GetRectSize({1, 2, 11, 7}), (SIZE{10, 5}));
    EXPECT_EQ(GetRectHalfSize({1, 2, 11, 7}), (SIZE{5, 2}));
    RECT r{10, 20, 0, 5};
    NormalizeRectInPlace(r);
    EXPECT_EQ(r, (RECT{0, 5, 10, 20}));
    EXPECT_EQ(MakeRectFromPoints({10, 2}, {3, 8}), (RECT{3, 2, 10, 8}));
    EXPECT_EQ(InflateRectClamped({5, 5, 10, 10}, 8, 2), (RECT{0, 3, 18, 12}));
    EXPECT_EQ(InflateRectClamped4({5, 5, 10, 10}, 1, 9, 3, 4), (RECT{4, 0, 13, 14}));
}

TEST(Geometry, OverlapAcrossEachSide)
{
    const RECT a{0, 0, 100, 100};
    const RECT b{80, 90, 200, 200};
    EXPECT_EQ(GetRectOverlap(kSideBottom, a, b), 10);
    EXPECT_EQ(GetRectOverlap(kSideRight, a, b), 20);
    EXPECT_EQ(GetRectOverlap(kSideTop, a, b), 200);
    EXPECT_EQ(GetRectOverlap(kSideLeft, b, a), 20);  // a.right - b.left, negative would be 0
    EXPECT_EQ(GetRectOverlap(3, a, b), 0);
    // Touching edges do not intersect (right and bottom are exclusive).
    EXPECT_EQ(GetRectOverlap(kSideBottom, a, {0, 100, 100, 200}), 0);
}

TEST(Geometry, FitSizeInRect)
{
    struct Case {
        RECT area;
        SIZE size;
        RECT expected;
    };
    const Case cases[] = {
        {{0, 0, 40, 40}, {100, 50}, {0, 10, 40, 30}},     // shrunk to 40 x 20, top offset 10
        {{10, 10, 110, 60}, {20, 10}, {50, 30, 70, 40}},  // fits: unchanged, centred
        {{0, 0, 100, 100}, {136, 50}, {0, 32, 100, 68}},  // the dominant side is exactly the area's
        {{0, 0, 7, 7}, {9, 3}, {0, 2, 7, 4}},
        {{0, 0, 100, 200}, {50, 400}, {37, 0, 62, 200}},
        {{5, 5, 5, 50}, {10, 10}, {5, 5, 5, 5}},  // empty area: empty result, no division by zero
        {{5, 5, 50, 5}, {10, 10}, {5, 5, 5, 5}},
    };
    for (const Case& c : cases) {
        const RECT r = FitSizeInRect(c.area, c.size);
        EXPECT_EQ(r, c.expected) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

TEST(Geometry, ClampRectToArea)
{
    // Pushed right, pushed back left to end at the far edge minus one.
    EXPECT_EQ(ClampRectToArea(0, 0, 100, 100, -10, 5, 20, 25), (RECT{0, 5, 30, 25}));
    EXPECT_EQ(ClampRectToArea(0, 0, 100, 100, 80, 90, 100, 110), (RECT{79, 79, 99, 99}));
    // Larger than the area: flush with the far edge.
    EXPECT_EQ(ClampRectToArea(0, 0, 100, 100, -10, 0, 190, 10), (RECT{-101, 0, 99, 10}));
}

TEST(Geometry, RectAroundAndVisible)
{
    const VisibilityMetrics m{1920, 23};
    const RECT outer{0, 0, 100, 100};
    EXPECT_EQ(IsRectAroundAndVisible(outer, {1, 1, 99, 99}, m), 1);
    EXPECT_EQ(IsRectAroundAndVisible(outer, {0, 1, 99, 99}, m), 0);
    EXPECT_EQ(IsRectAroundAndVisibleInclusive(outer, {0, 0, 100, 100}, m), 1);
    EXPECT_EQ(IsRectAroundAndVisibleInclusive({-1921, 0, 100, 100}, {0, 0, 10, 10}, m), 0);
    EXPECT_EQ(IsRectAroundAndVisibleInclusive({0, -24, 100, 100}, {0, 0, 10, 10}, m), 0);
    EXPECT_EQ(IsRectAroundAndVisibleInclusive({0, -23, 100, 100}, {0, 0, 10, 10}, m), 1);

    // The two-argument forms use the figures the frame cached.
    g_ScreenMetrics.screenWidth = 1920;
    g_ScreenMetrics.captionHeight = 23;
    EXPECT_EQ(IsRectAroundAndVisible({-1920, -23, 100, 100}, {0, 0, 10, 10}), 1);
    EXPECT_EQ(IsRectAroundAndVisibleInclusive({-1921, 0, 100, 100}, {0, 0, 10, 10}), 0);
    g_ScreenMetrics = ScreenMetrics();
}
