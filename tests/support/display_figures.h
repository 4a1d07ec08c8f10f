// The frame's figures of a plain 1920 x 1080 display, for tests of windows
// that place themselves by them: 8-pixel sizing frames (with the + 4), a
// 23-pixel caption, a 20-pixel menu and status bar, a 30-pixel toolbar.
#pragma once

#include "core/system_figures.h"

inline ScreenMetrics FullHdScreenMetrics()
{
    ScreenMetrics m;
    m.menuHeight = 20;
    m.captionHeight = 23;
    m.frameWidth = 8;
    m.frameHeight = 8;
    m.screenWidth = 1920;
    m.screenHeight = 1080;
    m.toolbarHeight = 30;
    m.statusBarHeight = 20;
    return m;
}
