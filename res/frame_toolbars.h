// The main frame's toolbars: 128 (clip mode, 30 images) and 134 (multi view,
// 7 images). Buttons are numbered across their images in order; separators
// take none.
#pragma once

#include "platform/types/types.h"

#include <span>

struct FrameToolbarButton {
    int image;  // -1 for a separator
    UINT command;
    bool checkStyle;

    bool IsSeparator() const { return image < 0; }
};

struct FrameToolbar {
    UINT id;
    int imageCount;
    std::span<const FrameToolbarButton> buttons;
};

extern const FrameToolbar kToolbar128Main;
extern const FrameToolbar kToolbar134MultiView;
