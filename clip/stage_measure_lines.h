// What the view stage needs of the measure tool's lines to draw them. Points
// are in measure units: an image pixel times 10000 plus the fraction of that
// pixel in 1/10000; an unset point is (-1, -1).
#pragma once

#include "platform/types/types.h"

// A point ready for drawing: its image pixel and the offset inside the
// magnified pixel, in client pixels.
struct MeasureDrawPoint {
    POINT pixel{-1, -1};
    POINT offset{0, 0};
};

class StageMeasureLines {
public:
    virtual ~StageMeasureLines() = default;
    virtual int LineCount() const = 0;
    // end 1 start, 2 end; (-1, -1) when unset or the line does not exist.
    virtual POINT GetPoint(int line, int end) const = 0;
    // The point with its fraction scaled to client pixels per image pixel.
    virtual MeasureDrawPoint GetDrawPoint(int line, int end, double scaleX, double scaleY) const = 0;
    virtual COLORREF LineColor(int line) const = 0;
};
