// Colour reduction to a palette: every index stays inside its palette.
#include "platform/image/image_quantizer.h"
#include "tests/platform/image/gradient_image.h"

#include <gtest/gtest.h>

namespace {

using namespace image_testing;

TEST(ImageQuantizer, QuantizerKeepsEveryIndexInsideItsPalette)
{
    const CImage photo = Gradient(64, 64, 32);
    for (int colours : {1, 2, 16, 256}) {
        const QuantizedImage q = QuantizeColors(photo.Image(), colours);
        ASSERT_LE(q.palette.size(), colours);
        ASSERT_EQ(q.indices.size(), 64u * 64u);
        for (unsigned char index : q.indices)
            ASSERT_LT(index, q.palette.size()) << colours;
    }
}

}  // namespace
