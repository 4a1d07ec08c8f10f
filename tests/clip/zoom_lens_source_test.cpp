#include "clip/zoom_lens_source.h"

#include <gtest/gtest.h>

namespace {

TEST(ZoomLensSource, TheSquareSurroundsThePixelAndStaysInsideTheImage)
{
    struct Case {
        POINT q;
        int w, h;
        RECT r;
    };
    const Case cases[] = {
        {{100, 80}, 400, 300, {85, 65, 114, 94}},
        {{3, 5}, 400, 300, {0, 0, 29, 29}},            // near the top-left corner
        {{399, 299}, 400, 300, {370, 270, 399, 299}},  // near the bottom-right corner
        {{15, 290}, 400, 300, {0, 270, 29, 299}}, {{385, 15}, 400, 300, {370, 0, 399, 29}},
        {{10, 10}, 30, 30, {0, 0, 29, 29}},  // the smallest image the lens opens for
        {{5, 5}, 20, 12, {0, 0, 19, 11}},    // smaller: the whole image, never outside it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.q.x << "," << c.q.y << " in " << c.w << "x" << c.h);
        const RECT r = LensSourceSquare(c.q, c.w, c.h);
        EXPECT_EQ(r.left, c.r.left);
        EXPECT_EQ(r.top, c.r.top);
        EXPECT_EQ(r.right, c.r.right);
        EXPECT_EQ(r.bottom, c.r.bottom);
    }
}

TEST(ZoomLensSource, RefusedFromFiveClientPixelsPerImagePixel)
{
    EXPECT_FALSE(LensSourceRefused(800, 800));
    EXPECT_FALSE(LensSourceRefused(800, 161));  // 4.97
    EXPECT_TRUE(LensSourceRefused(800, 160));   // 5
    EXPECT_TRUE(LensSourceRefused(800, 40));
    EXPECT_TRUE(LensSourceRefused(800, 0));
}

}  // namespace
