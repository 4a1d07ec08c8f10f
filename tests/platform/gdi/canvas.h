// A memory DC with a bitmap to draw on and read back.
#pragma once

#include "platform/gdi/gdi.h"

#include <QRandomGenerator>

#include <optional>

namespace gdi_testing {

// A memory DC with a bitmap of w x h filled with noise (or one colour).
struct Canvas {
    CDC dc;
    CBitmap bitmap;
    Canvas(int w, int h, std::optional<COLORREF> fill = std::nullopt)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, w, h);
        dc.SelectObject(&bitmap);
        QImage* img = bitmap.GetImage();
        QRandomGenerator rng(42);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img->setPixel(
                    x, y, fill ? PixelFromColorref(*fill) : (0xFF000000u | (rng.generate() & 0xFFFFFF)));
    }
    QImage Copy() const { return bitmap.GetImage()->copy(); }
    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
};

}  // namespace gdi_testing
