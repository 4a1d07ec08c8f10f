// The page number drawn for the preview on a memory DC: inside its
// rectangle at the page box's offset, in black on whatever lies beneath
// (transparent background), and nothing at all when numbers are off.
#include "print/page_number.h"
#include "print/print_layout.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// The bounding box of the dark pixels.
QRect DarkArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                area |= QRect(x, y, 1, 1);
    return area;
}

struct PreviewCanvas {
    CDC dc;
    CBitmap bitmap;
    PreviewCanvas(int w, int h)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, w, h);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, w, h, RGB(200, 200, 200));
    }
};

TEST(PageNumberPreview, DrawnInsideItsRectangleAtTheOffset)
{
    CPrintLayout layout;
    layout.SetResolution(254, 254);
    ASSERT_EQ(layout.Compute(1000, 500, CSize(10, 40), FIT_ACTUAL_SIZE), 1);

    const CSize box(300, 400);
    const RECT margins{20, 20, 30, 40};
    const POINT offset{50, 30};
    for (BYTE position : {BYTE(1), BYTE(2), BYTE(3)}) {
        PreviewCanvas canvas(400, 500);
        PrintJobOptions options;
        options.printPageNumbers = 1;
        options.numberFormat = 2;
        options.numberPosition = position;
        layout.DrawPageNumber(&canvas.dc, 1, box, margins, options, &offset);
        const QImage image = canvas.bitmap.GetImage()->copy();
        const QRect dark = DarkArea(image);
        ASSERT_FALSE(dark.isEmpty()) << int(position);

        const CSize extent = [&] {
            CPresetFont preset(28);  // the page numbers' font
            LOGFONTW lf = *preset.GetLogFont();
            lf.lfHeight = PageNumberFontHeight(box.cy);
            lf.lfWeight = FW_NORMAL;
            CFont font;
            font.CreateFontIndirectW(&lf);
            CFont* old = canvas.dc.SelectObject(&font);
            const CSize size = canvas.dc.GetTextExtent(QStringLiteral("1/1"));
            canvas.dc.SelectObject(old);
            return size;
        }();
        const RECT r = PageNumberRect(box.cx, box.cy, margins, position, extent.cx, extent.cy, &offset);
        const QRect allowed(r.left, r.top, r.right - r.left, r.bottom - r.top);
        EXPECT_TRUE(allowed.contains(dark)) << int(position);
        // The background stays as it was around the text.
        EXPECT_EQ(image.pixel(r.left, r.bottom - 1) & 0xFFFFFF, 0xC8C8C8u) << int(position);
    }
}

TEST(PageNumberPreview, NothingWhenNumbersAreOff)
{
    CPrintLayout layout;
    PreviewCanvas canvas(200, 200);
    const QImage before = canvas.bitmap.GetImage()->copy();
    PrintJobOptions options;
    options.printPageNumbers = 0;
    layout.DrawPageNumber(&canvas.dc, 1, CSize(200, 200), RECT{10, 10, 10, 10}, options);
    EXPECT_EQ(*canvas.bitmap.GetImage(), before);
}

}  // namespace
