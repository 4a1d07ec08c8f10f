// Figures of the screen and of window frames: size, logical DPI, caption,
// menu, sizing frame and scroll bar.
#pragma once

#include "platform/types.h"

// Window-frame figures in pixels at the screen's scale.
struct FrameMetrics {
    int menuHeight = 0;
    int captionHeight = 0;
    int sizeFrameWidth = 0;
    int sizeFrameHeight = 0;
    int verticalScrollWidth = 0;
};

// The frame figures the program lays its windows out by. Window managers draw
// their own frames of many shapes, so these are the classic desktop figures
// at 96 dpi (menu 20, caption 23, sizing frame 4, scroll bar 17).
FrameMetrics QueryFrameMetrics();

// The primary screen's size in device pixels; 0 x 0 without a screen.
SIZE QueryScreenSize();

// The primary screen's logical dots per inch; 96 without a screen.
void QueryScreenLogicalDpi(int* dpiX, int* dpiY);
