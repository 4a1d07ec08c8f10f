// Encoded test pictures made with the codec libraries themselves: JPEG files
// of any component count and PNG files of any layout, with tRNS and bKGD.
#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

// A w x h JPEG whose sample (x, y, component) comes from sample(); color is
// the libjpeg colour space of the input (JCS_GRAYSCALE = 1, JCS_RGB = 2,
// JCS_CMYK = 4, JCS_UNKNOWN = 0 for other component counts).
QByteArray MakeJpeg(int w, int h, int components, int colorSpace,
    const std::function<int(int, int, int)>& sample, int quality = 95);

struct PngRecipe {
    int width = 4;
    int height = 3;
    int colorType = 2;  // PNG_COLOR_TYPE_*: 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA
    int bitDepth = 8;
    int paletteSize = 256;
    int trnsCount = 0;    // entries of the palette alpha table (palette images), all 255 ...
    int trnsZeroAt = -1;  // ... but this one, which is 0
    int trnsRed = -1, trnsGreen = -1, trnsBlue = -1;  // colour key (RGB images)
    int bkgdIndex = -1;
    int bkgdRed = -1, bkgdGreen = -1, bkgdBlue = -1;
    bool interlaced = false;
};
// Samples are (x * 40 + y * 7 + channel * 50) modulo the depth's range;
// palette entry i is (i, 255 - i, i / 2).
QByteArray MakePng(const PngRecipe& recipe);
int PngSample(const PngRecipe& recipe, int x, int y, int channel);
