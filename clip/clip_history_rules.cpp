#include "clip/clip_history_rules.h"

#include "core/histories.h"
#include "res/dialog_199_clip_history.h"

SIZE ClipHistoryRowSize(const RECT& row)
{
    return SIZE{row.right - row.left + 1, row.bottom - row.top + 1};
}

bool IsClipHistoryRowSelectable(const RECT& row, SIZE maxSize, std::optional<SIZE> image)
{
    return IsRectWithinMaxImageSize(row, maxSize) && image && row.right < image->cx && row.bottom < image->cy;
}

RECT ApplyClipHistoryEdge(const RECT& row, int field, std::optional<int> typed, SIZE maxSize)
{
    if (!typed)
        return row;
    RECT edited = row;
    switch (field) {
    case kFieldLeft:
        edited.left = *typed;
        break;
    case kFieldTop:
        edited.top = *typed;
        break;
    case kFieldRight:
        edited.right = *typed;
        break;
    case kFieldBottom:
        edited.bottom = *typed;
        break;
    default:
        return row;
    }
    if (IsRectWithinMaxImageSize(row, maxSize) && !IsRectWithinMaxImageSize(edited, maxSize))
        return row;
    return edited;
}

int FindClipHistoryRow(std::span<const RECT> rows, const RECT& r)
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i] == r)
            return static_cast<int>(i);
    return -1;
}
