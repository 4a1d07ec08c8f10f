// Drawing on surfaces: raster operations, exclusive-or restoring, keyed and
// stretched copies, lines, clipping and text.
#include "platform/gdi/gdi.h"
#include "tests/platform/gdi/canvas.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

using namespace gdi_testing;

TEST(GdiRaster, ExclusiveOrDrawnTwiceRestoresEveryPixel)
{
    Canvas c(240, 160);
    const QImage before = c.Copy();
    CPen dotted(PS_DOT, 1, RGB(255, 255, 255));
    CPen solid(PS_SOLID, 1, RGB(0x12, 0x34, 0x56));
    CPen wide(PS_SOLID, 3, RGB(200, 10, 10));
    c.dc.SetROP2(R2_XORPEN);
    c.dc.SelectStockObject(NULL_BRUSH);
    for (CPen* pen : {&solid, &dotted, &wide}) {
        c.dc.SelectObject(pen);
        for (int pass = 0; pass < 2; ++pass) {
            c.dc.Rectangle(10, 12, 200, 150);
            c.dc.MoveTo(3, 3);
            c.dc.LineTo(230, 97);
        }
        EXPECT_EQ(c.Copy(), before);
    }
    // The band is really drawn between the two passes.
    c.dc.SelectObject(&solid);
    c.dc.Rectangle(10, 12, 200, 150);
    EXPECT_NE(c.Copy(), before);
    c.dc.Rectangle(10, 12, 200, 150);
    const RECT focus{5, 5, 100, 60};
    c.dc.DrawFocusRect(&focus);
    c.dc.DrawFocusRect(&focus);
    c.dc.PatBlt(20, 20, 50, 50, DSTINVERT);
    c.dc.PatBlt(20, 20, 50, 50, DSTINVERT);
    EXPECT_EQ(c.Copy(), before);
}

TEST(GdiRaster, RectangleOutlineCoversRightAndBottomMinusOne)
{
    Canvas c(20, 20, RGB(0, 0, 0));
    CPen pen(PS_SOLID, 1, RGB(255, 255, 255));
    c.dc.SelectObject(&pen);
    c.dc.SelectStockObject(NULL_BRUSH);
    c.dc.Rectangle(2, 3, 10, 8);
    EXPECT_EQ(c.At(2, 3), RGB(255, 255, 255));
    EXPECT_EQ(c.At(9, 7), RGB(255, 255, 255));
    EXPECT_EQ(c.At(10, 7), RGB(0, 0, 0));
    EXPECT_EQ(c.At(9, 8), RGB(0, 0, 0));
    EXPECT_EQ(c.At(5, 5), RGB(0, 0, 0));  // hollow inside
    // Without a pen the filled figure leaves out the right column and bottom row.
    CBrush white(RGB(255, 255, 255));
    c.dc.SelectStockObject(NULL_PEN);
    c.dc.SelectObject(&white);
    c.dc.Rectangle(12, 12, 16, 16);
    EXPECT_EQ(c.At(14, 14), RGB(255, 255, 255));
    EXPECT_EQ(c.At(15, 14), RGB(0, 0, 0));
    EXPECT_EQ(c.At(14, 15), RGB(0, 0, 0));
    c.dc.SelectObject(&pen);
    // A line leaves out its last point.
    c.dc.MoveTo(0, 15);
    c.dc.LineTo(5, 15);
    EXPECT_EQ(c.At(4, 15), RGB(255, 255, 255));
    EXPECT_EQ(c.At(5, 15), RGB(0, 0, 0));
}

TEST(GdiRaster, BlockTransferOperationsMixSourceAndDestination)
{
    const COLORREF src = RGB(0xF0, 0x0F, 0x55);
    const COLORREF dst = RGB(0x3C, 0xC3, 0xAA);
    struct Case {
        DWORD rop;
        COLORREF expected;
    };
    const Case cases[] = {
        {SRCCOPY, src},
        {SRCPAINT, src | dst},
        {SRCINVERT, src ^ dst},
        {SRCAND, src & dst},
        {DSNA, dst & ~src & 0xFFFFFF},
        {MERGEPAINT, (~src | dst) & 0xFFFFFF},
        {DSTINVERT, ~dst & 0xFFFFFF},
        {NOTSRCCOPY, ~src & 0xFFFFFF},
        {BLACKNESS, 0},
        {WHITENESS, 0xFFFFFF},
    };
    for (const Case& k : cases) {
        Canvas s(4, 4, src), d(4, 4, dst);
        ASSERT_TRUE(d.dc.BitBlt(1, 1, 2, 2, &s.dc, 0, 0, k.rop));
        EXPECT_EQ(d.At(1, 1), k.expected) << std::hex << k.rop;
        EXPECT_EQ(d.At(2, 2), k.expected) << std::hex << k.rop;
        EXPECT_EQ(d.At(0, 0), dst) << std::hex << k.rop;
        EXPECT_EQ(qAlpha(d.bitmap.GetImage()->pixel(1, 1)), 255);
    }
}

TEST(GdiRaster, PatternFillUsesTheSelectedBrushAndClipRegion)
{
    Canvas c(10, 10, RGB(0, 0, 0));
    CBrush red(RGB(255, 0, 0));
    c.dc.SelectObject(&red);
    CRgn clip;
    clip.CreateRectRgn(0, 0, 5, 10);
    c.dc.SelectClipRgn(&clip);
    c.dc.PatBlt(0, 0, 10, 10, PATCOPY);
    EXPECT_EQ(c.At(4, 4), RGB(255, 0, 0));
    EXPECT_EQ(c.At(5, 4), RGB(0, 0, 0));
    c.dc.SelectClipRgn(nullptr);
    c.dc.PatBlt(0, 0, 10, 10, PATCOPY);
    EXPECT_EQ(c.At(9, 9), RGB(255, 0, 0));

    // Each clipping call answers the kind of region left.
    EXPECT_EQ(c.dc.SelectClipRgn(&clip), SIMPLEREGION);
    EXPECT_EQ(c.dc.ExcludeClipRect(1, 1, 2, 2), COMPLEXREGION);
    EXPECT_EQ(c.dc.IntersectClipRect(3, 3, 5, 5), SIMPLEREGION);
    EXPECT_EQ(c.dc.IntersectClipRect(6, 6, 8, 8), NULLREGION);
    c.dc.SelectClipRgn(nullptr);
    EXPECT_EQ(c.dc.ExcludeClipRect(0, 0, 10, 5), SIMPLEREGION);
}

TEST(GdiRaster, TransparentCopyLeavesKeyColouredPixelsOut)
{
    const COLORREF key = RGB(240, 240, 240);
    Canvas src(6, 6, key), dst(6, 6, RGB(1, 2, 3));
    src.dc.SetPixel(2, 3, RGB(200, 0, 0));
    src.dc.SetPixel(4, 4, RGB(240, 240, 241));  // near the key, still drawn
    ASSERT_TRUE(dst.dc.TransparentBlt(0, 0, 6, 6, &src.dc, 0, 0, 6, 6, key));
    EXPECT_EQ(dst.At(2, 3), RGB(200, 0, 0));
    EXPECT_EQ(dst.At(4, 4), RGB(240, 240, 241));
    EXPECT_EQ(dst.At(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(dst.At(5, 5), RGB(1, 2, 3));
}

TEST(GdiRaster, StretchModesNearestAndSmooth)
{
    // Two pixels, black and white, stretched to eight and shrunk to one.
    Canvas src(2, 1, RGB(0, 0, 0));
    src.dc.SetPixel(1, 0, RGB(255, 255, 255));
    Canvas wide(8, 1, RGB(9, 9, 9)), narrow(1, 1, RGB(9, 9, 9));

    wide.dc.SetStretchBltMode(COLORONCOLOR);
    wide.dc.StretchBlt(0, 0, 8, 1, &src.dc, 0, 0, 2, 1, SRCCOPY);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(wide.At(x, 0), x < 4 ? RGB(0, 0, 0) : RGB(255, 255, 255)) << x;

    narrow.dc.SetStretchBltMode(COLORONCOLOR);
    narrow.dc.StretchBlt(0, 0, 1, 1, &src.dc, 0, 0, 2, 1, SRCCOPY);
    const COLORREF nearest = narrow.At(0, 0);
    EXPECT_TRUE(nearest == RGB(0, 0, 0) || nearest == RGB(255, 255, 255));

    narrow.dc.SetStretchBltMode(HALFTONE);
    narrow.dc.StretchBlt(0, 0, 1, 1, &src.dc, 0, 0, 2, 1, SRCCOPY);
    const int grey = GetRValue(narrow.At(0, 0));
    EXPECT_GT(grey, 96);
    EXPECT_LT(grey, 160);

    // A negative width mirrors.
    wide.dc.SetStretchBltMode(COLORONCOLOR);
    wide.dc.StretchBlt(7, 0, -8, 1, &src.dc, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(wide.At(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(wide.At(7, 0), RGB(0, 0, 0));
}

TEST(GdiRaster, StretchOfAPartReadsThatPartAlsoOntoItsOwnBitmap)
{
    // Four pixels in a row; the middle two stretched to four.
    Canvas c(8, 1, RGB(9, 9, 9));
    const COLORREF colours[] = {RGB(10, 0, 0), RGB(0, 20, 0), RGB(0, 0, 30), RGB(40, 40, 0)};
    for (int x = 0; x < 4; ++x)
        c.dc.SetPixel(x, 0, colours[x]);
    c.dc.SetStretchBltMode(COLORONCOLOR);
    // Onto its own bitmap, overlapping the source part.
    c.dc.StretchBlt(2, 0, 4, 1, &c.dc, 1, 0, 2, 1, SRCCOPY);
    const COLORREF expected[] = {colours[0], colours[1], colours[1], colours[1], colours[2], colours[2]};
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(c.At(x, 0), expected[x]) << x;
    // A part reaching outside the source reads black there.
    Canvas wide(4, 1, RGB(9, 9, 9));
    wide.dc.SetStretchBltMode(COLORONCOLOR);
    wide.dc.StretchBlt(0, 0, 4, 1, &c.dc, 7, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(wide.At(0, 0), RGB(9, 9, 9));
    EXPECT_EQ(wide.At(3, 0), RGB(0, 0, 0));
}

TEST(GdiRaster, TextExtentsAreStableAndGrowWithText)
{
    Canvas c(200, 40, RGB(255, 255, 255));
    LOGFONTW lf;
    lf.lfHeight = -13;
    lf.lfWeight = FW_BOLD;
    const char16_t face[] = u"ＭＳ Ｐゴシック";
    std::memcpy(lf.lfFaceName, face, sizeof face);
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirectW(&lf));
    EXPECT_EQ(font.GetQFont().family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(font.GetQFont().pixelSize(), 13);
    c.dc.SelectObject(&font);
    const CSize a = c.dc.GetTextExtent(QStringLiteral("保存の品質"));
    const CSize b = c.dc.GetTextExtent(QStringLiteral("保存の品質"));
    EXPECT_EQ(a, b);
    EXPECT_GT(a.cx, 0);
    EXPECT_GT(c.dc.GetTextExtent(QStringLiteral("保存の品質指定")).cx, a.cx);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(2, 2, QStringLiteral("品質"));
    bool inked = false;
    for (int x = 0; x < 40 && !inked; ++x)
        for (int y = 0; y < 20 && !inked; ++y)
            inked = c.At(x, y) != RGB(255, 255, 255);
    EXPECT_TRUE(inked);
}

}  // namespace
