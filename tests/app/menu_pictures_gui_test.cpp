// The pictures of the menus and toolbars: every bitmap id the menus name has
// a drawing at both icon scales, and the toolbar strips hold the same
// pictures in their buttons' order.
#include "res/menu_pictures.h"

#include <QImage>
#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

std::vector<int> MenuBitmapIds()
{
    std::vector<int> ids;
    for (int id = 219; id <= 270; ++id)
        ids.push_back(id);
    for (int id : {275, 308, 309, 344, 354, 355, 360, 361, 375, 393, 394})
        ids.push_back(id);
    return ids;
}

// A drawing, not an empty square: some opaque pixels in more than one colour.
bool IsDrawn(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                colours.insert(image.pixel(x, y));
    return colours.size() > 1;
}

TEST(MenuPicturesGui, EveryMenuPictureAndToolbarStripIsDrawnAtBothScales)
{
    for (int scale : {1, 2}) {
        const int side = MenuPictureSide(scale);
        EXPECT_EQ(side, 16 * scale);
        for (int id : MenuBitmapIds()) {
            const QImage picture = MenuItemPicture(id, scale);
            ASSERT_FALSE(picture.isNull()) << id << " at scale " << scale;
            EXPECT_EQ(picture.size(), QSize(side, side)) << id;
            EXPECT_EQ(picture.format(), QImage::Format_ARGB32_Premultiplied) << id;
            EXPECT_TRUE(IsDrawn(picture)) << id << " at scale " << scale;
        }
        const struct {
            int toolbar;
            std::vector<int> pictures;
        } strips[] = {
            {128,
                {238, 239, 240, 275, 242, 243, 344, 258, 259, 260, 261, 262, 263, 264, 265, 244, 245, 246,
                    247, 248, 249, 250, 251, 252, 253, 254, 255, 256, 257, 268}},
            {134, {275, 242, 375, 266, 308, 309, 268}},
        };
        for (const auto& s : strips) {
            const QImage strip = ToolbarStrip(s.toolbar, scale);
            ASSERT_EQ(strip.size(), QSize(side * int(s.pictures.size()), side)) << s.toolbar;
            for (size_t i = 0; i < s.pictures.size(); ++i)
                EXPECT_EQ(strip.copy(int(i) * side, 0, side, side), MenuItemPicture(s.pictures[i], scale))
                    << "toolbar " << s.toolbar << " image " << i;
        }
    }
}

TEST(MenuPicturesGui, AnIdWithoutAPictureGivesANullImage)
{
    for (int scale : {1, 2}) {
        for (int id : {0, 218, 271, 276, 395, -1})
            EXPECT_TRUE(MenuItemPicture(id, scale).isNull()) << id;
        for (int toolbar : {0, 129, 133})
            EXPECT_TRUE(ToolbarStrip(toolbar, scale).isNull()) << toolbar;
    }
}

}  // namespace
