// Figures of the screen and of window frames: size, logical DPI, caption,
// menu, sizing frame and scroll bar.
#pragma once

#include "platform/types/types.h"
#include "platform/x11/desktop_rules.h"

// Window-frame figures in pixels at the screen's scale.
struct FrameMetrics {
    int menuHeight = 0;
    int captionHeight = 0;
    int sizeFrameWidth = 0;
    int sizeFrameHeight = 0;
    int verticalScrollWidth = 0;
};

// The classic desktop figures at 96 dpi: menu 20, caption 23, sizing frame 4,
// scroll bar 17.
FrameMetrics FixedFrameMetrics();

constexpr int kMinCaptionHeight = 16;
constexpr long kMaxFrameExtent = 256;

// The figures of a window manager's frame: the sizing frame is the side
// border (the wider of left and right, both ways), the caption what the top
// border holds above it, at least kMinCaptionHeight. Menu and scroll bar keep
// the fixed figures. Extents that no frame has (negative, or wider than
// kMaxFrameExtent) give the fixed figures.
FrameMetrics FrameMetricsFromExtents(const FrameExtents& extents);

// The frame figures the program lays its windows out by: those of the
// window manager's frame when the program's windows are on an X display whose
// manager tells its frame, the fixed figures otherwise.
FrameMetrics QueryFrameMetrics();

// The primary screen's size in device pixels; 0 x 0 without a screen.
SIZE QueryScreenSize();

// The primary screen's logical dots per inch; 96 without a screen.
void QueryScreenLogicalDpi(int* dpiX, int* dpiY);
