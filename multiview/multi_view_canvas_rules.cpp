#include "multiview/multi_view_canvas_rules.h"

#include <algorithm>
#include <cmath>

HeaderTextPlace PlaceHeaderText(int slot, int innerWidth, int textWidth, int length)
{
    const int e = innerWidth / 10;
    const int f = (innerWidth - 2 * e) / 3 + 5;
    HeaderTextPlace place;
    if (textWidth >= f) {
        place.chars = textWidth > 0 ? static_cast<int>(static_cast<double>(f) / textWidth * length) : 0;
        place.x = slot == 0 ? 3 : slot == 1 ? f + e : innerWidth - f;
    } else {
        place.chars = length;
        place.x = slot == 0 ? 3 : slot == 1 ? f + e + (f - textWidth) / 2 : innerWidth - textWidth - 3;
    }
    return place;
}

ScrollThumb ScrollThumbFor(int innerWidth, int pageCells, int count, int first)
{
    ScrollThumb thumb;
    if (count <= 0 || innerWidth <= 0)
        return thumb;
    if (pageCells >= count)
        thumb.width = innerWidth;
    else
        thumb.width = std::max(7, RoundHalfAway(static_cast<double>(innerWidth) * pageCells / count));
    thumb.left = RoundHalfAway(static_cast<double>(innerWidth) * first / count);
    thumb.left = std::clamp(thumb.left, 0, innerWidth);
    thumb.width = std::min(thumb.width, innerWidth - thumb.left);
    return thumb;
}
