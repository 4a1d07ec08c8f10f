#include "clip/range_cursor.h"

namespace {

constexpr int kPannedCursor = 158;
constexpr int kTwoClickCursor = 166;
constexpr int kFixedRangeCursor = 211;
constexpr int kWheelWidthCursor = 208;
constexpr int kWheelHeightCursor = 205;
constexpr int kWheelCursor = 168;

}  // namespace

int RangeCursorId(const RangeCursorState& s)
{
    if (s.panned)
        return kPannedCursor;
    if (!s.selecting)
        return 0;
    if (s.method == 2)
        return kTwoClickCursor;
    if (s.fixedRange)
        return kFixedRangeCursor;
    if (s.shift && !s.ctrl)
        return kWheelWidthCursor;
    if (s.ctrl && !s.shift)
        return kWheelHeightCursor;
    return kWheelCursor;
}

int WheelResizeCursorId(int delta, bool shift, bool ctrl)
{
    const bool grow = delta > 0;
    if (shift && !ctrl)
        return grow ? 206 : 207;
    if (ctrl && !shift)
        return grow ? 203 : 204;
    return grow ? 165 : 167;
}
