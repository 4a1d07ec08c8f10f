// Preset fonts made into real fonts: faces substituted, sizes from the
// height, and text extents that do not change between calls.
#include "imaging/preset_font.h"

#include <gtest/gtest.h>

namespace {

TEST(PresetFontText, ExtentsAreStableAndFollowTheHeight)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, 300, 60);
    dc.SelectObject(&bitmap);

    CPresetFont small(10), large(12), mincho(4);
    ASSERT_TRUE(small.CreateFont());
    ASSERT_TRUE(large.CreateFont());
    ASSERT_TRUE(mincho.CreateFont());
    EXPECT_EQ(small.GetFont()->GetQFont().family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(mincho.GetFont()->GetQFont().family(), QStringLiteral("IPAPMincho"));
    EXPECT_EQ(small.GetFont()->GetQFont().pixelSize(), 13);
    EXPECT_EQ(large.GetFont()->GetQFont().pixelSize(), 19);
    EXPECT_TRUE(small.GetFont()->GetQFont().bold());

    const QString text = QStringLiteral("倍率1.0倍表示");
    dc.SelectObject(small.GetFont());
    const CSize a = dc.GetTextExtent(text);
    EXPECT_EQ(dc.GetTextExtent(text), a);
    dc.SelectObject(large.GetFont());
    const CSize b = dc.GetTextExtent(text);
    EXPECT_GT(b.cx, a.cx);
    EXPECT_GT(b.cy, a.cy);
}

}  // namespace
