#include "clip/clip_window_rules.h"

#include "clip/control_panel_sizes.h"  // RoundHalfUp: a fraction of one half or more rounds up

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSnapFrom = 200;    // both sides at least this: the longer one snaps to tens
constexpr int kSmallestSide = 5;  // zooming out keeps a side above this
constexpr int kCascadeRightMargin = 35;

// The zoom factor m^|level| in single precision.
float ZoomFactor(float m, int level)
{
    float f = 1.0f;
    for (int i = 0; i < std::abs(level); ++i)
        f *= m;
    return f;
}

}  // namespace

SIZE ClipMaxShownSize(int screenWidth, int screenHeight)
{
    return SIZE{screenWidth / 5 * 4, screenHeight / 5 * 4};
}

SIZE ClipInitialShownSize(SIZE image, SIZE maxShown)
{
    if (image.cx <= 0 || image.cy <= 0)
        return image;
    const double r = static_cast<double>(image.cx) / image.cy;
    SIZE shown = image;
    if (shown.cx >= maxShown.cx)
        shown = SIZE{maxShown.cx, static_cast<LONG>(maxShown.cx / r)};
    if (shown.cy >= maxShown.cy)
        shown = SIZE{static_cast<LONG>(maxShown.cy * r), maxShown.cy};
    return shown;
}

ClipZoomStep ClipZoomByNotch(int level, bool zoomIn, UINT magPercent, SIZE image, SIZE maxShown, SIZE shown)
{
    const float m = static_cast<float>(magPercent) / 100.0f;
    // The base size: the clip itself, or squeezed to fit the largest shown size.
    double bw = image.cx, bh = image.cy;
    if (!(image.cx < maxShown.cx && image.cy < maxShown.cy)) {
        const double d = std::max(
            static_cast<double>(image.cx) / maxShown.cx, static_cast<double>(image.cy) / maxShown.cy);
        bw = std::trunc(image.cx / d);
        bh = std::trunc(image.cy / d);
    }
    level += zoomIn ? 1 : -1;
    int nw = 0, nh = 0;
    for (;;) {
        const float f = ZoomFactor(m, level);
        if (level >= 0) {
            nw = RoundHalfUp(static_cast<float>(bw) * f);
            nh = RoundHalfUp(static_cast<float>(bh) * f);
            if (nw <= maxShown.cx && nh <= maxShown.cy)
                break;
            --level;
        } else {
            nw = std::max(1, RoundHalfUp(static_cast<float>(bw) / f));
            nh = std::max(1, RoundHalfUp(static_cast<float>(bh) / f));
            if (nw > kSmallestSide || nh > kSmallestSide)
                break;
            ++level;
        }
    }
    if (nw >= kSnapFrom && nh >= kSnapFrom) {
        const double q = static_cast<double>(nw) / nh;
        if (nw > nh) {
            nw = RoundHalfUp(nw / 10.0) * 10;
            nh = static_cast<int>(nw / q);
        } else {
            nh = RoundHalfUp(nh / 10.0) * 10;
            nw = static_cast<int>(nh * q);
        }
    }
    // A zoom that passes the clip's own size stops at it once.
    if ((shown.cx < image.cx && nw > image.cx) || (shown.cx > image.cx && nw < image.cx)) {
        nw = image.cx;
        nh = image.cy;
    }
    return ClipZoomStep{level, SIZE{nw, nh}};
}

QString ClipWindowTitle(int index, SIZE shown, SIZE image)
{
    const float factor = image.cx > 0 ? static_cast<float>(shown.cx) / static_cast<float>(image.cx) : 0.0f;
    char text[160];
    std::snprintf(text, sizeof text, "%s%d %3.3f倍 (%d×%d)", "Clip", index + 1, static_cast<double>(factor),
        static_cast<int>(shown.cx), static_cast<int>(shown.cy));
    return QString::fromUtf8(text);
}

SIZE ClipWindowOuterSize(
    int buttonsRight, int buttonRowHeight, const RECT& picture, const ClipFrameFigures& f)
{
    const int width = std::max<int>(buttonsRight, picture.right) + 2 * f.frameWidth + 5;
    const int height =
        f.captionHeight + 5 + 2 * f.frameHeight + (picture.bottom - picture.top) + buttonRowHeight;
    return SIZE{width, height};
}

POINT ClipInitialPosition(const ClipPlacementInput& in)
{
    const POINT centred{in.centred.x >= 0 && in.centred.y >= 0 ? in.centred.x : 0, in.centred.y};
    POINT p = centred;
    const bool hasPrevious = in.previous.right > in.previous.left && in.previous.bottom > in.previous.top;
    if (hasPrevious) {
        p = POINT{in.previous.left + in.captionHeight, in.previous.top + in.captionHeight};
        const int bottomLimit = in.screen.cy - static_cast<int>(2.5 * in.captionHeight);
        if (p.x + in.size.cx > in.screen.cx - kCascadeRightMargin || p.y + in.size.cy > bottomLimit)
            p = centred;
    }
    if (in.useRemembered && in.remembered.x != -1 && in.remembered.y != -1)
        p = in.remembered;
    // The caption stays reachable: never above or left of the work area.
    if (in.workArea.right > in.workArea.left && in.workArea.bottom > in.workArea.top) {
        p.x = std::max<LONG>(p.x, in.workArea.left);
        p.y = std::max<LONG>(p.y, in.workArea.top);
    }
    return p;
}

ClipPixel ClipColorAt(
    int x, int y, int shownWidth, const BITMAPINFOHEADER& header, const BYTE* bits, const RGBQUAD* palette)
{
    ClipPixel pixel;
    const int width = header.biWidth;
    const int height = std::abs(header.biHeight);
    const int bpp = header.biBitCount;
    if (bits == nullptr || width <= 0 || height <= 0 || shownWidth <= 0 ||
        (bpp != 8 && bpp != 24 && bpp != 32) || (bpp == 8 && palette == nullptr))
        return pixel;
    const float s = static_cast<float>(shownWidth) / static_cast<float>(width);
    const float fx = static_cast<float>(x) / s;
    const float fy = static_cast<float>(y) / s;
    if (fx < 0.0f || fy < 0.0f)
        return pixel;
    const int px = static_cast<int>(fx);
    const int py = static_cast<int>(fy);
    if (px >= width || py >= height)
        return pixel;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
    const int row = header.biHeight > 0 ? height - py - 1 : py;
    const BYTE* line = bits + stride * static_cast<std::size_t>(row);
    BYTE blue = 0, green = 0, red = 0;
    if (bpp == 8) {
        pixel.paletteIndex = line[px];
        const RGBQUAD& c = palette[pixel.paletteIndex];
        blue = c.rgbBlue, green = c.rgbGreen, red = c.rgbRed;
    } else {
        const BYTE* p = line + static_cast<std::size_t>(px) * (bpp / 8);
        blue = p[0], green = p[1], red = p[2];
    }
    pixel.found = true;
    pixel.color =
        static_cast<COLORREF>(red) | static_cast<COLORREF>(green) << 8 | static_cast<COLORREF>(blue) << 16;
    return pixel;
}

QString ClipSaveResultMessage(int code)
{
    switch (code) {
    case 1:
        return QString();
    case 2:
        return QStringLiteral("失敗！: ディスクの容量が足りない可能性があります。");
    case 3:
        return QStringLiteral("ファイル保存に必要なメモリの確保に失敗しました。");
    case 4:
        return QStringLiteral("ファイルの作成に失敗しました。");
    case 5:
        return QStringLiteral("イメージ変換に失敗しました。");
    case 6:
        return QStringLiteral("有効なファイル名を取得できませんでした。");
    case 7:
    case 8:
        return QStringLiteral("ファイルの保存に失敗しました。");
    case 9:
        return QStringLiteral("対応していないフォーマットです。");
    default:
        return QStringLiteral("未定義のエラー");
    }
}

bool ClipSaveSizeAllowed(SIZE requested, int minimum, int maxWidth, int maxHeight)
{
    return requested.cx >= minimum && requested.cx <= maxWidth && requested.cy >= minimum &&
        requested.cy <= maxHeight;
}

int ClipSaveChoiceAfterZoom(SIZE shown, SIZE image)
{
    return shown.cx == image.cx && shown.cy == image.cy ? 0 : 1;
}
