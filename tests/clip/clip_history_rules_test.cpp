// The clip history dialog's rules: which rows may be chosen against the
// stage's image (inclusive edges), what a typed edge leaves in its row, and
// the row a remembered range names.
#include "clip/clip_history_rules.h"
#include "res/dialog_199_clip_history.h"

#include <gtest/gtest.h>

namespace {

constexpr SIZE kMax{1000, 800};

TEST(ClipHistoryRules, ARowMayBeChosenWhenValidAndInsideTheImage)
{
    struct Case {
        const char* name;
        RECT row;
        std::optional<SIZE> image;
        bool expected;
    };
    const Case cases[] = {
        {"inside", {10, 20, 109, 69}, SIZE{400, 300}, true},
        {"no image", {10, 20, 109, 69}, std::nullopt, false},
        {"last column and row of the image", {0, 0, 399, 299}, SIZE{400, 300}, true},
        {"right edge one past the image", {0, 0, 400, 299}, SIZE{400, 300}, false},
        {"bottom edge one past the image", {0, 0, 399, 300}, SIZE{400, 300}, false},
        {"one pixel", {5, 5, 5, 5}, SIZE{400, 300}, true},
        {"right before left", {50, 5, 49, 10}, SIZE{400, 300}, false},
        {"negative top", {0, -1, 10, 10}, SIZE{400, 300}, false},
        {"beyond the largest save size", {0, 0, 1000, 10}, SIZE{2000, 2000}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsClipHistoryRowSelectable(c.row, kMax, c.image), c.expected) << c.name;
}

TEST(ClipHistoryRules, ATypedEdgeStaysUnlessItBreaksAValidRow)
{
    struct Case {
        const char* name;
        RECT row;
        int field;
        std::optional<int> typed;
        RECT expected;
    };
    const RECT row{10, 20, 109, 69};
    const Case cases[] = {
        {"left", row, kFieldLeft, 50, {50, 20, 109, 69}},
        {"top", row, kFieldTop, 69, {10, 69, 109, 69}},
        {"right", row, kFieldRight, 10, {10, 20, 10, 69}},
        {"bottom", row, kFieldBottom, 799, {10, 20, 109, 799}},
        {"right smaller than left", row, kFieldRight, 9, row},
        {"left beyond right", row, kFieldLeft, 110, row},
        {"bottom at the largest save height", row, kFieldBottom, 800, row},
        {"negative", row, kFieldTop, -1, row},
        {"no number", row, kFieldLeft, std::nullopt, row},
        {"an invalid row takes the value", {-1, -1, -1, -1}, kFieldLeft, 0, {0, -1, -1, -1}},
        {"an invalid row keeps what is no number", {-1, -1, -1, -1}, kFieldLeft, std::nullopt,
            {-1, -1, -1, -1}},
        {"the computed width is no edge", row, kFieldWidth, 5, row},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyClipHistoryEdge(c.row, c.field, c.typed, kMax), c.expected) << c.name;
}

TEST(ClipHistoryRules, SizeAndTheRowOfARange)
{
    EXPECT_EQ(ClipHistoryRowSize(RECT{10, 20, 109, 69}).cx, 100);
    EXPECT_EQ(ClipHistoryRowSize(RECT{10, 20, 109, 69}).cy, 50);
    const RECT rows[] = {{1, 1, 1, 1}, {0, 0, 9, 9}, {1, 1, 1, 1}};
    EXPECT_EQ(FindClipHistoryRow(rows, RECT{1, 1, 1, 1}), 0);  // the first of equal rows
    EXPECT_EQ(FindClipHistoryRow(rows, RECT{0, 0, 9, 9}), 1);
    EXPECT_EQ(FindClipHistoryRow(rows, RECT{0, 0, 9, 8}), -1);
}

}  // namespace
