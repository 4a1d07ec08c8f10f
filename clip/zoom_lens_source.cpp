#include "clip/zoom_lens_source.h"

namespace {

constexpr int kRefusedRatio = 5;

// Shifts [low, high] into [0, limit - 1] without resizing it, and cuts it
// where the span is longer than the limit.
void ShiftInside(LONG& low, LONG& high, int limit)
{
    if (low < 0) {
        high -= low;
        low = 0;
    }
    if (high > limit - 1) {
        low -= high - (limit - 1);
        high = limit - 1;
    }
    if (low < 0)
        low = 0;
}

}  // namespace

RECT LensSourceSquare(POINT q, int w, int h)
{
    const int half = kLensSourceSide / 2;
    RECT r{q.x - half, q.y - half, q.x + half - 1, q.y + half - 1};
    ShiftInside(r.left, r.right, w);
    ShiftInside(r.top, r.bottom, h);
    return r;
}

bool LensSourceRefused(int surfaceWidth, int visibleWidth)
{
    return visibleWidth <= 0 || surfaceWidth / visibleWidth >= kRefusedRatio;
}
