// The print preview's geometry: the page box for both orientations, the scaled
// margins (never 0), the image rectangle of each fit mode, the band of the
// last page, the margin lines under the mouse and the paging buttons.
#include "print/print_preview_rules.h"

#include <gtest/gtest.h>

namespace {

testing::AssertionResult RectIs(const RECT& a, RECT e)
{
    if (a.left == e.left && a.top == e.top && a.right == e.right && a.bottom == e.bottom)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
        << "(" << a.left << "," << a.top << "," << a.right << "," << a.bottom << ") expected (" << e.left
        << "," << e.top << "," << e.right << "," << e.bottom << ")";
}

// A4 portrait at 100 dpi: 827 x 1169 printer pixels, 20 mm (79 px) margins.
PrintPageFigures A4Page()
{
    PrintPageFigures page;
    page.pageWidth = 827;
    page.pageHeight = 1169;
    page.marginLeft = page.marginRight = page.marginTop = page.marginBottom = 79;
    page.rowsPerPage = 1011;
    page.pageCount = 1;
    return page;
}

constexpr RECT kBox{44, 5, 256, 305};  // A4 portrait in a 300 x 310 area
constexpr RECT kMargins{20, 20, 20, 20};

TEST(PrintPreviewRules, PageBoxKeepsThePaperShapeCentred)
{
    EXPECT_TRUE(RectIs(PreviewPageBox(300, 310, 2100, 2970), kBox));
    EXPECT_TRUE(RectIs(PreviewPageBox(310, 300, 2970, 2100), RECT{5, 44, 305, 256}));  // landscape
    EXPECT_TRUE(RectIs(PreviewPageBox(301, 311, 2100, 2970), RECT{44, 5, 256, 306}));
    EXPECT_TRUE(RectIs(PreviewPageBox(300, 310, 0, 0), RECT{150, 155, 150, 155}));
}

TEST(PrintPreviewRules, MarginsAndImageScaledToTheBox)
{
    PrintPageFigures page = A4Page();
    EXPECT_TRUE(RectIs(PreviewMargins(page, 212, 300), kMargins));
    page.marginLeft = 0;
    page.marginTop = 2;  // 0.5 box pixels: drawn 1 wide
    EXPECT_TRUE(RectIs(PreviewMargins(page, 212, 300), RECT{1, 1, 20, 20}));

    const SIZE scaled = PreviewImageSize(A4Page(), SIZE{400, 200}, 212, 300);
    EXPECT_EQ(scaled.cx, 103);
    EXPECT_EQ(scaled.cy, 51);
    EXPECT_TRUE(ActualSizeFitsPage(kMargins, scaled, 212));
    EXPECT_FALSE(ActualSizeFitsPage(kMargins, PreviewImageSize(A4Page(), SIZE{1000, 200}, 212, 300), 212));
}

TEST(PrintPreviewRules, ImageRectangleOfEachFitMode)
{
    struct Case {
        const char* what;
        SIZE image;
        SIZE scaled;
        BYTE mode;
        RECT expected;
    };
    const Case cases[] = {
        {"width fitted", {400, 200}, {103, 51}, kFitWidthToMargins, {64, 25, 236, 111}},
        {"width fitted, taller than the page", {100, 1000}, {26, 257}, kFitWidthToMargins,
            {64, 25, 236, 285}},
        {"actual size", {400, 200}, {103, 51}, kFitActualSize, {64, 25, 167, 76}},
        {"actual size, wider than the page", {1000, 200}, {256, 51}, kFitActualSize, {64, 25, 256, 76}},
        {"actual size, taller than the page", {100, 2000}, {26, 513}, kFitActualSize, {64, 25, 90, 285}},
        {"one page, wide", {400, 200}, {103, 51}, kFitOnePage, {64, 25, 236, 111}},
        {"one page, tall", {100, 1000}, {26, 257}, kFitOnePage, {64, 25, 90, 285}},
        {"no image", {0, 0}, {0, 0}, kFitOnePage, {64, 25, 64, 25}},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(RectIs(PreviewImageRect(kBox, kMargins, c.image, c.scaled, c.mode), c.expected))
            << c.what;
}

TEST(PrintPreviewRules, LastPageShowsTheRowsLeft)
{
    // 100 rows, 30 a page: 4 pages, the last with 10 rows.
    PrintPageFigures page = A4Page();
    page.rowsPerPage = 30;
    page.pageCount = 4;
    const RECT rect{64, 25, 236, 285};
    struct Case {
        int page;
        int sourceY;
        int rows;
        int bottom;
    };
    const Case cases[] = {{1, 0, 30, 285}, {3, 60, 30, 285}, {4, 90, 10, 112}};
    for (const Case& c : cases) {
        const PreviewBand band = PreviewPageBand(rect, 100, page, c.page);
        EXPECT_EQ(band.sourceY, c.sourceY) << c.page;
        EXPECT_EQ(band.rows, c.rows) << c.page;
        EXPECT_TRUE(RectIs(band.target, RECT{64, 25, 236, c.bottom})) << c.page;
    }
    page.pageCount = 1;
    const PreviewBand single = PreviewPageBand(rect, 100, page, 1);
    EXPECT_EQ(single.sourceY, 0);
    EXPECT_EQ(single.rows, 100);
}

TEST(PrintPreviewRules, MarginLinesUnderTheMouse)
{
    // Lines at x 64 and 236, y 25 and 285.
    struct Case {
        POINT p;
        BYTE mode;
        RECT margins;
        int line;
    };
    const Case cases[] = {
        {{66, 150}, kFitWidthToMargins, kMargins, kLeftLine},
        {{67, 150}, kFitWidthToMargins, kMargins, kNoMarginLine},  // 3 pixels away
        {{236, 150}, kFitWidthToMargins, kMargins, kRightLine},
        {{236, 150}, kFitActualSize, kMargins, kNoMarginLine},
        {{236, 24}, kFitActualSize, kMargins, kTopLine}, {{150, 27}, kFitOnePage, kMargins, kTopLine},
        {{150, 283}, kFitOnePage, kMargins, kBottomLine},
        {{64, 25}, kFitOnePage, kMargins, kLeftLine},              // the left line first
        {{44, 150}, kFitOnePage, {1, 20, 20, 20}, kLeftLine},      // the box edge counts
        {{43, 150}, kFitOnePage, {1, 20, 20, 20}, kNoMarginLine},  // outside the box
    };
    for (const Case& c : cases)
        EXPECT_EQ(HitMarginLine(c.p, kBox, c.margins, c.mode), c.line) << c.p.x << "," << c.p.y;
}

TEST(PrintPreviewRules, PagingButtonsFollowThePage)
{
    struct Case {
        int page;
        int count;
        int shown;
        bool previous;
        bool next;
    };
    const Case cases[] = {
        {1, 1, 1, false, false},
        {1, 4, 1, false, true},
        {2, 4, 2, true, true},
        {4, 4, 4, true, false},
        {5, 3, 3, true, false},  // fewer pages after a recompute
        {1, 0, 1, false, false},
    };
    for (const Case& c : cases) {
        const PagingState s = LimitPaging(c.page, c.count);
        EXPECT_EQ(s.currentPage, c.shown) << c.page << "/" << c.count;
        EXPECT_EQ(s.previousEnabled, c.previous) << c.page << "/" << c.count;
        EXPECT_EQ(s.nextEnabled, c.next) << c.page << "/" << c.count;
    }
}

}  // namespace
