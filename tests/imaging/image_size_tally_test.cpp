// The image-size tally's two orders, its growth, and the dialog number helpers.
#include "imaging/image_size_tally.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// "WxH:count" of every used entry, in table order.
std::string Dump(const CImageSizeTally& t)
{
    std::string out;
    for (int i = 0; i < t.GetUsedCount(); ++i) {
        const SIZE s = t.GetSize(i);
        out += std::to_string(s.cx) + "x" + std::to_string(s.cy) + ":" + std::to_string(t.GetCount(i)) + " ";
    }
    return out;
}

CImageSizeTally Tally(BYTE mode, int n, const std::vector<SIZE>& adds)
{
    CImageSizeTally t(n, mode);
    for (const SIZE& s : adds)
        t.Add(s);
    return t;
}

}  // namespace

TEST(ImageSizeTally, OrdersByAreaOrByArrival)
{
    struct Case {
        BYTE mode;
        std::vector<SIZE> adds;
        bool sort;
        std::string expected;
    };
    const Case cases[] = {
        {1, {{100, 50}, {100, 50}}, false, "100x50:2 "},
        // Equal areas keep their order of arrival until counts differ.
        {1, {{100, 50}, {50, 100}, {200, 200}}, false, "200x200:1 100x50:1 50x100:1 "},
        {1, {{10, 10}, {300, 300}, {20, 20}, {5, 5}}, false, "300x300:1 20x20:1 10x10:1 5x5:1 "},
        // Sorting reorders within one area only (a new area sorts first).
        {1, {{100, 50}, {50, 100}, {50, 100}}, false, "100x50:1 50x100:2 "},
        {1, {{100, 50}, {50, 100}, {50, 100}}, true, "50x100:2 100x50:1 "},
        {1, {{100, 50}, {50, 100}, {50, 100}, {10, 10}}, false, "50x100:2 100x50:1 10x10:1 "},
        {1, {{10, 10}, {100, 50}, {10, 10}, {10, 10}}, true, "100x50:1 10x10:3 "},
        {1, {{100, 50}, {50, 100}, {50, 100}, {40, 40}}, false, "50x100:2 100x50:1 40x40:1 "},
        // Plain: order of arrival; sorting orders the whole table by count.
        {0, {{10, 10}, {300, 300}, {300, 300}, {20, 20}}, false, "10x10:1 300x300:2 20x20:1 "},
        {0, {{10, 10}, {300, 300}, {300, 300}, {20, 20}}, true, "300x300:2 10x10:1 20x20:1 "},
        {0, {{1, 1}, {2, 2}, {3, 3}, {3, 3}, {2, 2}, {3, 3}}, true, "3x3:3 2x2:2 1x1:1 "},
    };
    for (const Case& c : cases) {
        CImageSizeTally t = Tally(c.mode, 6, c.adds);
        if (c.sort)
            t.SortByCount();
        EXPECT_EQ(Dump(t), c.expected) << "mode " << int(c.mode);
    }
}

TEST(ImageSizeTally, GrowsOneEntryAtATimeBeyondItsCapacity)
{
    for (BYTE mode : {BYTE(0), BYTE(1)}) {
        CImageSizeTally t(2, mode);
        EXPECT_EQ(t.GetCapacity(), 3);
        EXPECT_EQ(t.GetUsedCount(), 0);
        for (int i = 1; i <= 5; ++i) {
            t.Add(SIZE{i * 10, i * 10});
            EXPECT_EQ(t.GetCapacity(), std::max(3, i)) << "mode " << int(mode);
            EXPECT_EQ(t.GetUsedCount(), i);
        }
        EXPECT_EQ(Dump(t),
            mode == 1 ? "50x50:1 40x40:1 30x30:1 20x20:1 10x10:1 "
                      : "10x10:1 20x20:1 30x30:1 40x40:1 50x50:1 ");
        // A full table grows for a size of an area already present too; the
        // new size goes after that area's run (here the last place).
        t.Add(SIZE{20, 5});
        EXPECT_EQ(t.GetCapacity(), 6);
        EXPECT_EQ(t.GetSize(5), (SIZE{20, 5}));
    }
}

TEST(ImageSizeTally, AreasBeyond32BitsStayOrdered)
{
    CImageSizeTally t = Tally(1, 6, {{50000, 50000}, {60000, 60000}, {46341, 46341}, {100, 100}});
    EXPECT_EQ(Dump(t), "60000x60000:1 50000x50000:1 46341x46341:1 100x100:1 ");
    EXPECT_EQ(SizeArea(SIZE{60000, 60000}), 3600000000LL);
}

TEST(ImageSizeTally, NumberHelpers)
{
    struct Digits {
        int v, digits;
    };
    for (const Digits d : {Digits{0, 1}, Digits{9, 1}, Digits{10, 2}, Digits{99, 2}, Digits{100, 3},
             Digits{999999999, 9}, Digits{1000000000, 10}, Digits{2147483647, 10}, Digits{-5, 1}})
        EXPECT_EQ(CountDecimalDigits(d.v), d.digits) << d.v;

    EXPECT_EQ(ScaleForHighDpiAt(25, 1.25), 30);
    EXPECT_EQ(ScaleForHighDpiAt(25, 1.249), 25);
    EXPECT_EQ(ScaleForHighDpiAt(25, double(1.249f)), 25);
    EXPECT_EQ(ScaleForHighDpiAt(5, 1.5), 6);
    EXPECT_EQ(ScaleForHighDpiAt(-5, 1.5), -6);  // half away from zero
    EXPECT_EQ(ScaleForHighDpiAt(-15, 1.5), -18);
}

TEST(ImageSizeTally, AspectRatioWithinOneAndAHalfPercent)
{
    struct Case {
        SIZE s[3];
        int same;
    };
    const Case cases[] = {
        {{{400, 300}, {800, 600}, {0, 0}}, 1},
        {{{400, 300}, {0, 0}, {0, 0}}, 1},
        {{{1000, 1000}, {1015, 1000}, {985, 1000}}, 1},  // the bounds are inclusive
        {{{1000, 1000}, {1016, 1000}, {1000, 1000}}, 0},
        {{{1000, 1000}, {1000, 1000}, {984, 1000}}, 0},
        {{{400, 300}, {300, 400}, {400, 300}}, 0},
        {{{400, 300}, {400, 0}, {0, 0}}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSameAspectRatio(c.s), c.same) << c.s[1].cx << "x" << c.s[1].cy;
}
