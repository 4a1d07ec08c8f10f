// The mouse-wheel range: a rectangle of a set size (image pixels) that the
// wheel grows and shrinks, keeping its width : height ratio unless only one
// side is asked for, and never reaching the visible part's size. The
// placement helpers put such a range around the pointer.
#pragma once

#include "platform/types/types.h"

// Which sides a wheel notch changes.
enum class WheelSides { Both, WidthOnly, HeightOnly };
// Shift alone: the width; Ctrl alone: the height; neither or both: both.
WheelSides WheelSidesFor(bool shift, bool ctrl);

class CWheelClipRange {
public:
    // The range for a w x h request within bounds bw x bh (the visible
    // image size); the range rectangle (0, 0, w - 1, h - 1).
    RECT SetSize(int bw, int bh, int w, int h);
    // One notch: delta > 0 grows by step, < 0 shrinks; 0 changes nothing.
    RECT StepByWheel(int delta, int step, WheelSides sides);
    // The range as large as the bounds.
    void ResetToBounds();

    RECT Rect() const { return m_rect; }
    int WidthLess1() const { return m_rect.right; }
    int HeightLess1() const { return m_rect.bottom; }
    double Ratio() const { return m_ratio; }

private:
    double m_ratio = 1.0;
    double m_widthLess1 = 0.0;
    double m_heightLess1 = 0.0;
    int m_boundsWidth = 0;
    int m_boundsHeight = 0;
    RECT m_rect{};
};

// Centres the inclusive image range r on pixel c (an odd span gains its
// lost pixel on the left, or on the right at column 0) and shifts it into
// the visible rectangle (right and bottom exclusive).
RECT CentreRangeOnPixel(const RECT& r, POINT c, const RECT& visible);
// Shifts a client rectangle into a surface of the given size; one still
// too wide or too tall becomes empty.
RECT ShiftIntoSurface(RECT c, SIZE surface);

// The smooth placement's figures.
struct SmoothPlacement {
    SIZE visible{};              // visible image size
    double imagePerClientX = 1;  // image pixels per client pixel
    double imagePerClientY = 1;
    double clientPerImageX = 1;  // client pixels per image pixel
    double clientPerImageY = 1;
    SIZE surface{};
};
// The client rectangle of the inclusive image range r centred on the
// pointer (surface client coordinates), not bound to pixel edges.
RECT SmoothRangeRect(const RECT& r, POINT pointer, const SmoothPlacement& f);
