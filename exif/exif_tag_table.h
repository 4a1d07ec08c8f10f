// The tags a reader knows, in the order in which their lines are shown and
// their values are cleared, each with a show flag and a clear flag.
#pragma once

#include "exif/exif_tag_mask.h"
#include "platform/types/types.h"

#include <vector>

class CExifTagTable {
public:
    struct Item {
        WORD tag;
        BYTE show;
        BYTE clear;
    };

    // All known tags, the 58 selectable ones first in line order; their
    // flags come from the two masks, every other tag's flags are 0.
    CExifTagTable(const ExifTagMask& showMask, const ExifTagMask& clearMask);

    const std::vector<Item>& Items() const { return m_items; }
    // Number of tags whose show flag is 1.
    int CountSelected() const;

private:
    std::vector<Item> m_items;
};
