// Icons: drawn over what is below, with their hot spot and mask.
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_icons.h"
#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>

namespace {

using namespace gdi_testing;

TEST(GdiIcons, IconsDrawOverWhatIsBelowAndGiveTheirMask)
{
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(1, 1, qRgba(255, 0, 0, 255));
    HICON icon = CreateIconFromImage(picture, POINT{1, 2});
    ASSERT_NE(icon, nullptr);
    Canvas c(8, 8, RGB(0, 0, 255));
    ASSERT_TRUE(DrawIconEx(c.dc.GetSafeHdc(), 2, 2, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE));
    EXPECT_EQ(c.At(3, 3), RGB(255, 0, 0));
    EXPECT_EQ(c.At(2, 2), RGB(0, 0, 255));  // transparent pixels leave the blue

    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_EQ(info.xHotspot, 1u);
    EXPECT_EQ(info.yHotspot, 2u);
    EXPECT_EQ(info.hbmMask->image.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(info.hbmMask->image.pixel(0, 0), qRgb(255, 255, 255));
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    DestroyIcon(icon);
}

}  // namespace
