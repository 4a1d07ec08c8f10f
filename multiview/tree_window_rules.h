// What the two tree windows share, kept free of windows: the figures their
// sizes are made of, where they first stand beside a panel, and the key
// throttle that keeps a held arrow from listing a folder at every repeat.
#pragma once

#include "platform/types/types.h"

// FW and FH are the sizing frame's width and height plus 4, CAP the caption's
// height; the screen's size bounds the stored sizes.
struct TreeWindowFigures {
    int fw = 0;
    int fh = 0;
    int cap = 0;
    int screenWidth = 0;
    int screenHeight = 0;
};

// The window's first place: its left edge at the horizontal middle of the
// panel's window rectangle, its top one caption height below the panel's
// top; the size stays.
POINT TreeWindowDefaultPosition(const RECT& panel, int captionHeight);

// Each selection change lists a folder, which is slow: while an arrow key is
// held, a key press is dropped until this long after the last change.
inline constexpr DWORD kTreeKeyThrottleMs = 500;
bool DropHeldArrowKey(bool arrowHeld, DWORD now, DWORD lastChange);

// The drag codes the trees report their mouse with.
inline constexpr int kFileTreeFolderDragCode = 256;
inline constexpr int kFileTreeFileDragCode = 257;
inline constexpr int kFolderTreeDragCode = 258;
