// The print layout: pages and margins in printer pixels, the three fit modes,
// rows per page and page count, each page's band, the refusals, and the page
// number's text, font and rectangle.
#include "print/page_number.h"
#include "print/print_layout.h"

#include <gtest/gtest.h>

namespace {

// At 254 dpi a tenth of a millimetre of paper is one printer pixel and a
// hundredth of a millimetre of margin a tenth of one, which keeps the
// expected figures readable.
constexpr double kDpi = 254.0;

struct LayoutCase {
    const char* name;
    double dpi;
    int paperWidth, paperHeight;  // tenths of a millimetre
    RECT margins;                 // hundredths of a millimetre (left, top, right, bottom)
    CSize image;
    int fitMode;
    int pages;
    int rowsPerPage;
    double scaleX, scaleY;
    CSize pageSize;
    RECT marginPixels;
};

class ComputeTable : public testing::TestWithParam<LayoutCase> { };

TEST_P(ComputeTable, GivesPagesRowsScaleAndMargins)
{
    const LayoutCase& c = GetParam();
    CPrintLayout layout;
    layout.SetResolution(c.dpi, c.dpi);
    layout.SetDefaultMargins(c.margins.left, c.margins.right, c.margins.top, c.margins.bottom);
    EXPECT_EQ(layout.Compute(c.paperWidth, c.paperHeight, c.image, c.fitMode), c.pages);
    EXPECT_EQ(layout.GetPageCount(), c.pages);
    EXPECT_EQ(layout.GetRowsPerPage(), c.rowsPerPage);
    EXPECT_EQ(layout.GetBandWidth(), c.image.cx);
    EXPECT_DOUBLE_EQ(layout.GetScaleX(), c.scaleX);
    EXPECT_DOUBLE_EQ(layout.GetScaleY(), c.scaleY);
    EXPECT_EQ(layout.GetPageSize(), c.pageSize);
    EXPECT_EQ(layout.GetMargins(), c.marginPixels);
}

const RECT kTenPixels{100, 100, 100, 100};

INSTANTIATE_TEST_SUITE_P(PrintLayout, ComputeTable,
    testing::Values(
        // Printable 980 x 1480: the width fills it at scale 2, 740 rows a page.
        LayoutCase{"FitWidth", kDpi, 1000, 1500, kTenPixels, {490, 1000}, FIT_MARGIN_WIDTH, 2, 740, 2.0, 2.0,
            {1000, 1500}, {10, 10, 10, 10}},
        // Printable height 30: 100 rows are 4 pages at one printer pixel each.
        LayoutCase{"ActualSizeShortLastPage", kDpi, 1000, 50, kTenPixels, {50, 100}, FIT_ACTUAL_SIZE, 4, 30,
            1.0, 1.0, {1000, 50}, {10, 10, 10, 10}},
        LayoutCase{"ActualSizeExactMultiple", kDpi, 1000, 50, kTenPixels, {50, 90}, FIT_ACTUAL_SIZE, 3, 30,
            1.0, 1.0, {1000, 50}, {10, 10, 10, 10}},
        // An image wider than the printable width runs on at scale 1.
        LayoutCase{"ActualSizeWiderThanPage", kDpi, 1000, 1500, kTenPixels, {3000, 100}, FIT_ACTUAL_SIZE, 1,
            1480, 1.0, 1.0, {1000, 1500}, {10, 10, 10, 10}},
        // A wide image is held by the printable width, a tall one by the height.
        LayoutCase{"OnePageWide", kDpi, 1000, 1500, kTenPixels, {1960, 100}, FIT_ONE_PAGE, 1, 100, 0.5, 0.5,
            {1000, 1500}, {10, 10, 10, 10}},
        LayoutCase{"OnePageTall", kDpi, 1000, 1500, kTenPixels, {100, 2960}, FIT_ONE_PAGE, 1, 2960, 0.5, 0.5,
            {1000, 1500}, {10, 10, 10, 10}},
        // The page is truncated (3507.87 -> 3507), the margins rounded half
        // away from zero (0.5 -> 1, 1.5 -> 2, 2.5 -> 3, 0.4 -> 0 at 254 dpi).
        LayoutCase{"A4At300Dpi", 300.0, 2100, 2970, {0, 0, 0, 0}, {2480, 3508}, FIT_ACTUAL_SIZE, 1, 3508, 1.0,
            1.0, {2480, 3507}, {0, 0, 0, 0}},
        LayoutCase{"MarginRounding", kDpi, 1000, 1000, {5, 15, 25, 4}, {100, 100}, FIT_ACTUAL_SIZE, 1, 998,
            1.0, 1.0, {1000, 1000}, {1, 2, 3, 0}},
        // Less than half a row per page would round to none: one row a page.
        LayoutCase{"AtLeastOneRow", kDpi, 1000, 1000, {0, 4995, 0, 4995}, {1, 5}, FIT_MARGIN_WIDTH, 5, 1,
            1000.0, 1000.0, {1000, 1000}, {0, 500, 0, 500}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintLayout, RefusesWhatCannotBeLaidOut)
{
    struct Refusal {
        const char* name;
        double dpiX, dpiY;
        RECT margins;
        CSize image;
    };
    const Refusal cases[] = {
        {"no resolution", 0.0, 0.0, {}, {10, 10}},
        {"no vertical resolution", 300.0, 0.0, {}, {10, 10}},
        {"empty image", kDpi, kDpi, {}, {0, 10}},
        {"margins as wide as the page", kDpi, kDpi, {5000, 0, 5000, 0}, {10, 10}},
        {"margins taller than the page", kDpi, kDpi, {0, 6000, 0, 5000}, {10, 10}},
    };
    for (const Refusal& c : cases) {
        CPrintLayout layout;
        layout.SetResolution(c.dpiX, c.dpiY);
        layout.SetDefaultMargins(c.margins.left, c.margins.right, c.margins.top, c.margins.bottom);
        EXPECT_EQ(layout.Compute(1000, 1000, c.image, FIT_MARGIN_WIDTH), 0) << c.name;
        EXPECT_EQ(layout.GetRowsPerPage(), 0) << c.name;
        EXPECT_EQ(layout.BandOfPage(0), PrintBand{}) << c.name;
    }
}

TEST(PrintLayout, BandsCoverTheImageFromTheTop)
{
    CPrintLayout layout;
    layout.SetResolution(kDpi, kDpi);
    layout.SetDefaultMargins(100, 100, 100, 100);
    ASSERT_EQ(layout.Compute(1000, 50, CSize(50, 100), FIT_ACTUAL_SIZE), 4);
    const PrintBand expected[] = {
        {0, 70, 30, 50, 30}, {30, 40, 30, 50, 30}, {60, 10, 30, 50, 30},
        {90, 0, 10, 50, 10},  // the short last page is not stretched
    };
    for (int page = 0; page < 4; ++page)
        EXPECT_EQ(layout.BandOfPage(page), expected[page]) << "page " << page;
    EXPECT_EQ(layout.BandOfPage(4), PrintBand{});
}

TEST(PrintLayout, BandHeightsFollowTheScale)
{
    CPrintLayout layout;
    layout.SetResolution(kDpi, kDpi);
    layout.SetDefaultMargins(100, 100, 100, 100);
    ASSERT_EQ(layout.Compute(1000, 1500, CSize(490, 1000), FIT_MARGIN_WIDTH), 2);
    EXPECT_EQ(layout.BandOfPage(0), (PrintBand{0, 260, 740, 980, 1480}));
    EXPECT_EQ(layout.BandOfPage(1), (PrintBand{740, 0, 260, 980, 520}));
}

TEST(PrintLayout, TallImageBandsStayInRange)
{
    // A 1920 x 35,000 scroll capture at 1200 dpi on A4.
    CPrintLayout layout;
    layout.SetResolution(1200, 1200);
    layout.SetDefaultMargins(2000, 2000, 2000, 2000);
    const int pages = layout.Compute(2100, 2970, CSize(1920, 35000), FIT_MARGIN_WIDTH);
    ASSERT_GT(pages, 1);
    int rows = 0;
    for (int page = 0; page < pages; ++page) {
        const PrintBand band = layout.BandOfPage(page);
        EXPECT_EQ(band.sourceY, 35000 - band.topRow - band.rows) << page;
        EXPECT_EQ(band.topRow, rows) << page;
        rows += band.rows;
    }
    EXPECT_EQ(rows, 35000);
}

TEST(PageNumber, TextByFormat)
{
    EXPECT_EQ(PageNumberText(3, 4, 1), "3");
    EXPECT_EQ(PageNumberText(3, 4, 2), "3/4");
    EXPECT_EQ(PageNumberText(12, 40, 0), "12/40");
}

TEST(PageNumber, FontIsAHundredthOfThePageAndAtLeastEightPixels)
{
    const std::pair<int, LONG> cases[] = {{0, -8}, {799, -8}, {800, -8}, {900, -9}, {7015, -70}};
    for (auto [pageHeight, height] : cases)
        EXPECT_EQ(PageNumberFontHeight(pageHeight), height) << pageHeight;
}

TEST(PageNumber, RectangleByPosition)
{
    const RECT margins{10, 20, 30, 40};
    const POINT offset{5, 7};
    struct Case {
        BYTE position;
        const POINT* offset;
        RECT rect;
    };
    const Case cases[] = {
        {0, nullptr, {10, 1480, 970, 1500}},  // any other position keeps the full width
        {1, nullptr, {10, 1480, 50, 1500}},
        {2, nullptr, {490, 1480, 530, 1500}},
        {3, nullptr, {950, 1480, 970, 1500}},
        {2, &offset, {495, 1487, 535, 1507}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageNumberRect(1000, 1500, margins, c.position, 20, 10, c.offset), c.rect)
            << int(c.position);
}

}  // namespace
