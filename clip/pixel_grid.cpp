#include "clip/pixel_grid.h"

#include "core/geometry.h"

#include <cmath>

bool PixelGridShown(double ratio, int level)
{
    return std::isfinite(ratio) && RoundToInt(ratio) >= level;
}

std::vector<int> PixelGridLines(double ratio, int extent)
{
    std::vector<int> lines;
    if (!(ratio > 0.0) || !std::isfinite(ratio))
        return lines;
    float sum = 0.0f;
    for (;;) {
        const float next = static_cast<float>(sum + ratio);
        if (next <= sum)
            break;  // too fine a ratio for single precision to move on
        sum = next;
        const int at = static_cast<int>(sum);
        if (at >= extent)
            break;
        lines.push_back(at);
    }
    return lines;
}

void DrawPixelGrid(CDC* dc, SIZE surface, int visibleWidth, int visibleHeight, const PixelGridStyle& style)
{
    if (!dc || visibleWidth <= 0 || visibleHeight <= 0)
        return;
    const double rx = static_cast<double>(surface.cx) / visibleWidth;
    const double ry = static_cast<double>(surface.cy) / visibleHeight;
    if (!PixelGridShown(rx, style.level))
        return;
    CPen pen(style.penStyle, 1, style.color);
    CPen* oldPen = dc->SelectObject(&pen);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    for (int x : PixelGridLines(rx, surface.cx)) {
        dc->MoveTo(x, 1);
        dc->LineTo(x, surface.cy);
    }
    for (int y : PixelGridLines(ry, surface.cy)) {
        dc->MoveTo(1, y);
        dc->LineTo(surface.cx, y);
    }
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldPen);
}
