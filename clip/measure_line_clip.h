// The part of a measure line that lies in the view, in measure units (an
// image pixel times 10000 plus its fraction in 1/10000).
#pragma once

#include "platform/types/types.h"

#include <optional>

// The rectangle's edges times 10000.
RECT ToFixedRect(const RECT& r);

struct ClippedMeasureLine {
    POINT from{};
    POINT to{};
    bool fromInside = true;  // the end is the line's own, not a crossing with the view's edge
    bool toInside = true;
};

// Clips the line a-b against v (edges included). An end outside v is moved
// to its crossing with the first edge that its outcode names and the line
// meets, tried in the order left, right, top, bottom. None when an end finds
// no crossing: the line does not pass through v.
std::optional<ClippedMeasureLine> ClipMeasureLine(POINT a, POINT b, const RECT& v);

// A value in measure units as pixel and offset in client pixels:
// pixel = value / 10000, offset = trunc((value mod 10000) / 10000 x scale).
struct SplitMeasureValue {
    int pixel = 0;
    int offset = 0;
};
SplitMeasureValue SplitMeasureUnits(int value, double scale);
