// A smooth colour picture for the image class and the colour reduction.
#pragma once

#include "platform/image/image_class.h"

namespace image_testing {

// A smooth colour picture: many more than 256 colours.
inline CImage Gradient(int w, int h, int bpp, DWORD flags = 0)
{
    CImage image;
    image.Create(w, h, bpp, flags);
    if (bpp == 8) {
        RGBQUAD table[256];
        for (int i = 0; i < 256; ++i)
            table[i] = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 3), 0};
        image.SetColorTable(0, 256, table);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.GetRow(y)[x] = static_cast<BYTE>((x * 7 + y * 3) & 255);
        return image;
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.SetPixel(x, y,
                RGB(static_cast<BYTE>(x * 255 / w), static_cast<BYTE>(y * 255 / h),
                    static_cast<BYTE>((x + y) & 255)));
    if (flags & CImage::createAlphaChannel)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.GetRow(y)[x * 4 + 3] = static_cast<BYTE>(x * 255 / w);
    return image;
}

}  // namespace image_testing
