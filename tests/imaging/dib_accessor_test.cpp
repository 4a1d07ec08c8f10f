// The pixel view over bottom-up rows: pixels at every depth, and reads out of
// range reported.
#include "imaging/dib_accessor.h"
#include "tests/support/scripted_dialogs.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

TEST(DibAccessor, ReadsPixelsTopDownAtEveryDepth)
{
    // 9 x 2 picture; memory row 1 is the top of the picture.
    RGBQUAD palette[256] = {};
    for (int i = 0; i < 256; ++i)
        palette[i] = RGBQUAD{static_cast<BYTE>(i), 0, static_cast<BYTE>(255 - i), 0};
    struct Case {
        int bpp, x;
        std::vector<BYTE> topRow;
        COLORREF expected;
    };
    const Case cases[] = {
        {1, 0, {0x80, 0, 0, 0}, RGB(254, 0, 1)},
        {1, 8, {0, 0x80, 0, 0}, RGB(254, 0, 1)},
        {1, 1, {0x80, 0, 0, 0}, RGB(255, 0, 0)},
        {4, 0, {0xA5, 0, 0, 0}, RGB(255 - 10, 0, 10)},
        {4, 1, {0xA5, 0, 0, 0}, RGB(255 - 5, 0, 5)},
        {8, 2, {0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0}, RGB(248, 0, 7)},
        {24, 1, std::vector<BYTE>(28, 0), RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        CDibAccessor view;
        view.SetWidth(9);
        view.SetHeight(2);
        view.SetBitCount(c.bpp);
        std::vector<BYTE> block(view.rowSize * 2, 0xEE);
        std::memcpy(
            block.data() + view.rowSize, c.topRow.data(), std::min<size_t>(c.topRow.size(), view.rowSize));
        view.SetBits(block.data());
        view.SetPalette(palette);
        EXPECT_EQ(view.GetPixel(c.x, 0), c.expected) << c.bpp << " bits at x " << c.x;
    }
    CDibAccessor view;
    view.SetWidth(2);
    view.SetHeight(2);
    view.SetBitCount(24);
    BYTE block[16] = {1, 2, 3, 4, 5, 6, 0, 0, 10, 20, 30, 40, 50, 60, 0, 0};
    view.SetBits(block);
    EXPECT_EQ(view.GetPixel(0, 0), RGB(30, 20, 10));  // the last row in memory
    EXPECT_EQ(view.GetPixel(1, 1), RGB(6, 5, 4));
}

TEST(DibAccessor, OutOfRangeIsReportedAndAnsweredWithTheBlockStart)
{
    ScriptedMessageBoxes boxes;
    CDibAccessor view;
    EXPECT_EQ(view.GetPixelPtr(0, 0), nullptr);
    BYTE block[8] = {};
    view.SetWidth(1);
    view.SetHeight(2);
    view.SetBitCount(8);
    view.SetBits(block);
    EXPECT_EQ(view.GetPixelPtr(1, 0), block);
    EXPECT_EQ(view.GetPixelPtr(0, -1), block);
    EXPECT_EQ(view.GetPixelPtr(0, 0), block + 4);
    EXPECT_EQ(
        boxes.Texts(), QStringList({"internal error!! : out of range.", "internal error!! : out of range."}));
}
