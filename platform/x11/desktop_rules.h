// Pure rules of the X11 desktop services: reading the icon property, the
// geometry of frames and grabs, and the key table of simulated input.
#pragma once

#include "platform/types/types.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <vector>

// Picks from a _NET_WM_ICON value (width, height, then width x height ARGB
// items, repeated) the smallest icon at least `wanted` pixels wide, else the
// largest. Items beyond the value's end are never read; a malformed value
// gives the icons before the fault, or a null image.
QImage PickNetWmIcon(const std::vector<unsigned long>& items, int wanted);

// Frame extents (left, right, top, bottom) as the window manager and
// client-side decorations give them.
struct FrameExtents {
    long left = 0;
    long right = 0;
    long top = 0;
    long bottom = 0;
};

// The client rectangle grown by the window manager's frame.
RECT GrowByFrame(const RECT& client, const FrameExtents& frame);
// The client rectangle shrunk by the invisible shadow margins of client-side decorations.
RECT ShrinkByFrame(const RECT& client, const FrameExtents& frame);

// The part of `rect` that lies on a screen of the given size; empty when none.
RECT ClipRectToScreen(const RECT& rect, SIZE screen);
bool IsRectEmptyArea(const RECT& rect);

// Sets the fourth byte of every 32-bit pixel to 0xFF. The server leaves it 0
// in screen images, while Format_RGB32 promises 0xFFRRGGBB: a painter copies
// the byte as it stands into images with alpha, where 0 means transparent.
void MakePixelsOpaque(std::uint32_t* pixels, size_t count);

// The X keysym of a virtual-key code; 0 when the key has none.
unsigned long KeysymOfVirtualKey(UINT virtualKey);

// The X pointer button of a wheel turn: 4 away from the user (up), 5 towards.
int WheelButtonOf(int notches);
