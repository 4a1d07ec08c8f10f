// The off-screen drawing buffer: creation rules, copies opaque and keyed,
// and the messages of drawing before creation.
#include "imaging/virtual_window.h"
#include "tests/support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace {

// A destination: a memory DC over a bitmap of one colour.
struct Target {
    CDC dc;
    CBitmap bitmap;
    explicit Target(COLORREF fill, int w = 40, int h = 30)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, w, h);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, w, h, fill);
    }
    QImage Copy() const { return bitmap.GetImage()->copy(); }
};

TEST(VirtualWindow, EmptyRectangleFailsAndLaterDrawingSaysSo)
{
    ScriptedMessageBoxes boxes;
    Target t(RGB(1, 2, 3));
    CVirtualWindow v;
    EXPECT_EQ(v.Create(&t.dc, RECT{5, 5, 5, 20}), 0);
    EXPECT_EQ(v.Create(&t.dc, RECT{0, 7, 10, 7}), 0);
    EXPECT_EQ(v.Create(nullptr, RECT{0, 0, 10, 10}), 0);
    EXPECT_FALSE(v.IsCreated());
    const QImage before = t.Copy();
    EXPECT_EQ(v.DrawTo(&t.dc, 0, 0, RECT{0, 0, 10, 10}), 0);
    EXPECT_EQ(v.DrawInFrame(&t.dc, RECT{0, 0, 10, 10}, 1), 0);
    EXPECT_EQ(v.DrawInset(&t.dc, RECT{0, 0, 10, 10}, 3, 0), 0);
    EXPECT_EQ(v.GrabScreen(RECT{0, 0, 10, 10}), 0);
    EXPECT_EQ(boxes.Texts(),
        QStringList(
            {QStringLiteral("No create virtual window 4"), QStringLiteral("No create virtual window 3"),
                QStringLiteral("No create virtual window 3"), QStringLiteral("No create virtual window 1")}));
    EXPECT_EQ(t.Copy(), before);
}

TEST(VirtualWindow, SecondCreateKeepsTheFirstBitmap)
{
    Target t(0);
    CVirtualWindow v;
    v.SetBackColor(RGB(10, 20, 30));  // before the first Create: the fill colour
    ASSERT_EQ(v.Create(&t.dc, RECT{0, 0, 16, 8}), 1);
    EXPECT_EQ(v.GetMemDC()->GetPixel(15, 7), RGB(10, 20, 30));
    v.GetMemDC()->SetPixel(3, 3, RGB(255, 0, 0));
    ASSERT_EQ(v.Create(&t.dc, RECT{0, 0, 100, 100}), 1);
    EXPECT_EQ(v.GetMemDC()->GetCurrentBitmap()->GetSize(), CSize(16, 8));
    EXPECT_EQ(v.GetMemDC()->GetPixel(3, 3), RGB(10, 20, 30));  // filled again
    v.Free();
    ASSERT_EQ(v.Create(&t.dc, RECT{2, 2, 42, 22}), 1);
    EXPECT_EQ(v.GetMemDC()->GetCurrentBitmap()->GetSize(), CSize(40, 20));
}

TEST(VirtualWindow, CopiesLandAtTheirPointsAndKeyedCopiesSkipTheBackground)
{
    const COLORREF back = GetSysColor(COLOR_BTNFACE);
    const COLORREF dest = RGB(9, 9, 9);
    CVirtualWindow v;
    Target t(dest);
    ASSERT_EQ(v.Create(&t.dc, RECT{0, 0, 10, 10}), 1);

    // A keyed copy of a buffer that was only cleared changes nothing.
    v.Clear(RECT{0, 0, 10, 10});
    const QImage before = t.Copy();
    EXPECT_EQ(v.DrawInFrame(&t.dc, RECT{0, 0, 10, 10}, 0), 1);
    EXPECT_EQ(t.Copy(), before);

    v.GetMemDC()->SetPixel(0, 0, RGB(200, 0, 0));
    EXPECT_EQ(v.DrawInFrame(&t.dc, RECT{0, 0, 10, 10}, 2), 1);  // keyed
    EXPECT_EQ(t.dc.GetPixel(1, 1), RGB(200, 0, 0));
    EXPECT_EQ(t.dc.GetPixel(2, 2), dest);

    EXPECT_EQ(v.DrawInset(&t.dc, RECT{0, 0, 10, 10}, 5, 1), 1);  // opaque
    EXPECT_EQ(t.dc.GetPixel(5, 5), RGB(200, 0, 0));
    EXPECT_EQ(t.dc.GetPixel(6, 6), back);
    EXPECT_EQ(t.dc.GetPixel(15, 15), dest);

    EXPECT_EQ(v.DrawTo(&t.dc, 30, 20, RECT{0, 0, 2, 2}, POINT{0, 0}), 1);
    EXPECT_EQ(t.dc.GetPixel(30, 20), RGB(200, 0, 0));
    EXPECT_EQ(t.dc.GetPixel(31, 21), back);
    EXPECT_EQ(t.dc.GetPixel(32, 22), dest);
    EXPECT_EQ(v.DrawTo(nullptr, 0, 0, RECT{0, 0, 2, 2}), 0);
}

TEST(VirtualWindow, GrabScreenCopiesFromTheDisplay)
{
    Target t(0);
    CVirtualWindow v;
    ASSERT_EQ(v.Create(&t.dc, RECT{0, 0, 8, 8}), 1);
    EXPECT_EQ(v.GrabScreen(RECT{0, 0, 8, 8}), 1);
}

}  // namespace
