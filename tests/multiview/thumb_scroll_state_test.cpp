// The visible range: centring on the focus, wheel steps in grid and preview
// mode (never wrapping below position 0), and the loaded window's moves.
#include "multiview/thumb_scroll_state.h"

#include "core/multi_view_messages.h"

#include <gtest/gtest.h>

namespace {

CThumbScrollState StateWith(
    int total, int capacity, int first, int last, int focus, int mode = kMultiViewGrid)
{
    CThumbScrollState s;
    s.Init(total, capacity, mode);
    s.SetTopIndex(first, 1, last - first + 1);
    s.SetFocus(focus);
    return s;
}

TEST(ThumbScrollState, RelayoutCentresThePageOnTheFocus)
{
    struct Case {
        const char* name;
        int total, capacity, focus;
        int first, last;
    };
    // A page of 3 columns x 3 rows: the centre cell is 4.
    const Case cases[] = {
        {"middle", 100, 100, 50, 45, 53},
        {"near the start: shifted to 0", 100, 100, 1, 0, 8},
        {"near the end: pulled back", 100, 100, 99, 91, 99},
        {"no focus: the middle of first..last", 100, 100, -1, 0, 8},
        {"capacity below the page", 100, 4, 50, 48, 51},
        {"a list shorter than the page", 5, 5, 4, 0, 4},
    };
    for (const Case& c : cases) {
        CThumbScrollState s = StateWith(c.total, c.capacity, 0, 0, c.focus);
        s.Relayout(3, 3, kMultiViewGrid);
        EXPECT_EQ(s.First(), c.first) << c.name;
        EXPECT_EQ(s.Last(), c.last) << c.name;
    }

    // In grid mode a missing focus stays missing; in preview mode away from
    // the start it becomes the middle.
    CThumbScrollState grid = StateWith(100, 100, 27, 35, -1);
    grid.Relayout(3, 3, kMultiViewGrid);
    EXPECT_EQ(grid.Focus(), -1);
    EXPECT_EQ(grid.First(), 27);
    CThumbScrollState preview = StateWith(100, 100, 10, 14, -1, kMultiViewPreview);
    preview.Relayout(5, 1, kMultiViewPreview);
    EXPECT_EQ(preview.Focus(), 12);
    EXPECT_EQ(preview.First(), 10);

    CThumbScrollState empty;
    empty.Init(0, 0, kMultiViewGrid);
    empty.Relayout(3, 3, kMultiViewGrid);
    EXPECT_EQ(empty.First(), 0);
    EXPECT_EQ(empty.Last(), 0);
}

TEST(ThumbScrollState, TheWheelMovesWholeRowsAndEndsOnTheLastColumn)
{
    struct Case {
        const char* name;
        int total, first, last, n;
        bool changed;
        int newFirst, newLast;
    };
    // 3 columns x 3 rows.
    const Case cases[] = {
        {"one page forward", 100, 0, 8, 9, true, 9, 17},
        {"less than a row: nothing", 100, 9, 17, 2, false, 9, 17},
        {"cut to whole rows", 100, 9, 17, 7, true, 15, 23},
        {"back past the start stops at 0", 100, 3, 11, -9, true, 0, 8},
        {"back at the start: nothing", 100, 0, 8, -9, false, 0, 8},
        // 100 = 33 columns + 1: the last page's last column holds position 99 alone.
        {"past the end, partial column", 100, 90, 98, 9, true, 93, 99},
        {"past the end, full column", 99, 84, 92, 9, true, 90, 98},
        {"an empty view does not move", 100, 0, 0, 9, false, 0, 0},
    };
    for (const Case& c : cases) {
        CThumbScrollState s = StateWith(c.total, c.total, c.first, c.last, c.first);
        EXPECT_EQ(s.ScrollByWheel(kMultiViewGrid, c.n, 3, 3), c.changed) << c.name;
        EXPECT_EQ(s.First(), c.newFirst) << c.name;
        EXPECT_EQ(s.Last(), c.newLast) << c.name;
    }
}

TEST(ThumbScrollState, APartialSpanBecomesAPageButStaysInsideTheCapacity)
{
    CThumbScrollState s = StateWith(100, 6, 0, 5, 0);
    EXPECT_TRUE(s.ScrollByWheel(kMultiViewGrid, 3, 3, 3));
    EXPECT_EQ(s.First(), 3);
    EXPECT_EQ(s.Last(), 8);
}

TEST(ThumbScrollState, InPreviewTheStripFollowsTheFocusPastItsMiddle)
{
    struct Case {
        const char* name;
        int first, last, focus, n;
        bool changed;
        int newFirst, newLast, newFocus;
    };
    // 20 files, a strip of 5.
    const Case cases[] = {
        {"focus moves, strip stays", 0, 4, 0, 1, true, 0, 4, 1},
        {"past the middle: the strip moves", 0, 4, 2, 1, true, 1, 5, 3},
        {"backwards past the middle", 5, 9, 7, -1, true, 4, 8, 6},
        {"at the end: nothing", 15, 19, 19, 1, false, 15, 19, 19},
        {"at the start: nothing", 0, 4, 0, -1, false, 0, 4, 0},
    };
    for (const Case& c : cases) {
        CThumbScrollState s = StateWith(20, 20, c.first, c.last, c.focus, kMultiViewPreview);
        EXPECT_EQ(s.ScrollByWheel(kMultiViewPreview, c.n, 5, 1), c.changed) << c.name;
        EXPECT_EQ(s.First(), c.newFirst) << c.name;
        EXPECT_EQ(s.Last(), c.newLast) << c.name;
        EXPECT_EQ(s.Focus(), c.newFocus) << c.name;
    }
}

TEST(ThumbScrollState, TopIndexCellsAndCounts)
{
    CThumbScrollState s;
    s.Init(20, 20, kMultiViewGrid);
    EXPECT_EQ(s.Focus(), -1);
    s.SetTopIndex(10, 3, 3);
    EXPECT_EQ(s.First(), 10);
    EXPECT_EQ(s.Last(), 18);
    EXPECT_EQ(s.Focus(), 10);  // outside the page: moved onto it
    s.SetTopIndex(15, 3, 3);
    EXPECT_EQ(s.Last(), 19);  // the list ends first
    EXPECT_EQ(s.CellToIndex(4), 19);
    EXPECT_EQ(s.CellToIndex(5), -1);
    EXPECT_EQ(s.IndexToCell(17), 2);
    EXPECT_EQ(s.IndexToCell(3), 0);
    EXPECT_EQ(s.GetFocusCell(), 0);
    EXPECT_EQ(s.GetRemainingCount(), 4);

    CThumbScrollState small;
    small.Init(100, 4, kMultiViewGrid);
    small.SetTopIndex(0, 3, 3);
    EXPECT_EQ(small.Last(), 3);  // the capacity ends first

    small.Init(0, 0, kMultiViewPreview);
    EXPECT_EQ(small.Focus(), 0);
    EXPECT_EQ(small.GetRemainingCount(), 0);
}

TEST(ThumbScrollState, TheLoadedWindowReleasesWhatLeftIt)
{
    struct Case {
        const char* name;
        int total, loadedFirst, loadedLast, first, last, focus;
        bool centre;
        bool inside, release;
        int releaseFirst, releaseLast, windowFirst, windowLast;
    };
    // Capacity 100.
    const Case cases[] = {
        {"visible inside", 1000, 0, 99, 10, 18, 10, false, true, false, 0, 0, 0, 99},
        {"jump past the window", 1000, 0, 99, 300, 308, 300, false, false, true, 0, 99, 300, 399},
        {"forward into it", 1000, 0, 99, 95, 103, 95, false, false, true, 0, 94, 95, 194},
        {"back into it", 1000, 50, 149, 0, 8, 0, false, false, true, 100, 149, 0, 99},
        {"pulled back at the end", 150, 0, 99, 140, 148, 140, false, false, true, 0, 49, 50, 149},
        {"centred on the focus", 1000, 0, 99, 100, 108, 120, true, false, true, 0, 99, 116, 215},
        {"the same window again", 150, 50, 149, 141, 149, 0, true, true, false, 0, 0, 50, 149},
    };
    for (const Case& c : cases) {
        CThumbScrollState s = StateWith(c.total, 100, c.first, c.last, c.focus);
        s.SetLoadedWindow(c.loadedFirst, c.loadedLast);
        const LoadedWindowMove move = s.GetNewlyVisibleRange(c.total, 100, c.centre);
        EXPECT_EQ(move.visibleInside, c.inside) << c.name;
        EXPECT_EQ(move.release, c.release) << c.name;
        if (c.release) {
            EXPECT_EQ(move.releaseFirst, c.releaseFirst) << c.name;
            EXPECT_EQ(move.releaseLast, c.releaseLast) << c.name;
        }
        EXPECT_EQ(s.LoadedFirst(), c.windowFirst) << c.name;
        EXPECT_EQ(s.LoadedLast(), c.windowLast) << c.name;
    }

    // A window over the old one's middle that reaches out on both sides
    // releases nothing: the old one lies inside it.
    CThumbScrollState s = StateWith(1000, 200, 40, 48, 40);
    s.SetLoadedWindow(50, 99);
    const LoadedWindowMove move = s.GetNewlyVisibleRange(1000, 200, false);
    EXPECT_FALSE(move.release);
    EXPECT_EQ(s.PreviousLoadedFirst(), 50);
    EXPECT_EQ(s.PreviousLoadedLast(), 99);
}

}  // namespace

namespace {

// The arrow keys on pages of 3 columns x 2 rows.
struct KeyCase {
    const char* name;
    int total, first, focus;
    UINT key;
    int result;  // MoveFocusByKey
    int focusAfterMove;
    bool scrolls;  // ScrollForKey, when the move reached the edge
    int firstAfter, lastAfter, focusAfter;
};

TEST(ThumbScrollState, ArrowKeysMoveInsideThePageAndPageAtItsEdges)
{
    const KeyCase cases[] = {
        {"no focus", 30, 0, -1, VK_DOWN, -1, -1, false, 0, 5, -1},
        {"up at the list's start", 30, 0, 0, VK_UP, -1, 0, false, 0, 5, 0},
        {"up inside the page", 30, 6, 7, VK_UP, 0, 6, false, 6, 11, 6},
        {"up at the page's first: back one column", 30, 6, 6, VK_UP, 1, 6, true, 4, 9, 5},
        {"down inside the page", 30, 6, 10, VK_DOWN, 0, 11, false, 6, 11, 11},
        {"down at the page's last: on one column", 30, 6, 11, VK_DOWN, 1, 11, true, 8, 13, 12},
        {"down at the list's end", 30, 24, 29, VK_DOWN, -1, 29, false, 24, 29, 29},
        {"left in the first column of the list", 30, 0, 1, VK_LEFT, -1, 1, false, 0, 5, 1},
        {"left inside the page", 30, 6, 9, VK_LEFT, 0, 7, false, 6, 11, 7},
        {"left in the first column", 30, 6, 7, VK_LEFT, 1, 7, true, 4, 9, 5},
        {"left with a page one position in: back to 0", 30, 1, 1, VK_LEFT, 1, 1, true, 0, 5, 0},
        {"right inside the page", 30, 6, 8, VK_RIGHT, 0, 10, false, 6, 11, 10},
        {"right in the last column", 30, 6, 10, VK_RIGHT, 1, 10, true, 8, 13, 12},
        {"right on the last page", 30, 24, 28, VK_RIGHT, -1, 28, false, 24, 29, 28},
        // 29 positions: the last column holds one; the page ends at the list's end.
        {"down onto the partial column", 29, 22, 27, VK_DOWN, 1, 27, true, 23, 28, 28},
        {"right onto the partial column", 29, 22, 26, VK_RIGHT, 1, 26, true, 23, 28, 27},
    };
    for (const KeyCase& c : cases) {
        CThumbScrollState s;
        s.Init(c.total, c.total, kMultiViewGrid);
        s.SetTopIndex(c.first, 3, 2);
        s.SetFocus(c.focus);
        EXPECT_EQ(s.MoveFocusByKey(c.key, 2), c.result) << c.name;
        EXPECT_EQ(s.Focus(), c.focusAfterMove) << c.name;
        if (c.result == 1) {
            EXPECT_EQ(s.ScrollForKey(c.key, 2), c.scrolls) << c.name;
        }
        EXPECT_EQ(s.First(), c.firstAfter) << c.name;
        EXPECT_EQ(s.Last(), c.lastAfter) << c.name;
        EXPECT_EQ(s.Focus(), c.focusAfter) << c.name;
    }
}

TEST(ThumbScrollState, ScrollForKeyLeavesAPageAloneWhileTheFocusIsInside)
{
    CThumbScrollState s;
    s.Init(30, 30, kMultiViewGrid);
    s.SetTopIndex(6, 3, 2);
    s.SetFocus(8);
    EXPECT_FALSE(s.ScrollForKey(VK_DOWN, 2));
    EXPECT_EQ(s.First(), 6);
    EXPECT_EQ(s.Focus(), 8);
}

}  // namespace
