#include "clip/capture_chooser_rules.h"

#include <algorithm>

int ChooserRowAt(int y, int viewHeight, int count)
{
    if (count <= 0 || viewHeight <= 0)
        return -1;
    const double rowHeight = static_cast<double>(viewHeight) / count;
    const double row = static_cast<double>(std::max(y, 0)) / rowHeight;
    return row >= count ? count - 1 : static_cast<int>(row);
}

ChooserLayout ComputeChooserLayout(int top, int count, int rowHeight, int screenHeight, int captionHeight)
{
    const int listHeight = std::max(count, 0) * rowHeight;
    const int height = 2 * kChooserListMargin + listHeight;
    const int lowest = screenHeight - static_cast<int>(captionHeight * 1.5);
    const int bottom = top + height;
    return ChooserLayout{bottom > lowest ? top - (bottom - lowest) : top, height, listHeight};
}
