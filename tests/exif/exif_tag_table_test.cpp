// The table of known tags in line order, with show and clear flags from the
// masks.
#include "exif/exif_tag_mask.h"
#include "exif/exif_tag_table.h"

#include <gtest/gtest.h>
#include <set>

TEST(ExifTagTable, FlagsComeFromTheMasksInLineOrder)
{
    ExifTagMask show, clear;
    SetExifClearTag(29, 1, show);
    SetExifClearTag(306, 1, show);
    SetExifClearTag(33434, 1, clear);
    const CExifTagTable table(show, clear);
    EXPECT_EQ(table.Items().size(), 134u);
    EXPECT_EQ(table.CountSelected(), 2);
    EXPECT_EQ(table.Items().front().tag, 306);
    EXPECT_EQ(table.Items()[57].tag, 29);
    std::set<WORD> seen;
    for (const CExifTagTable::Item& item : table.Items()) {
        EXPECT_TRUE(seen.insert(item.tag).second) << item.tag;
        EXPECT_EQ(item.show, IsExifTagToClear(item.tag, show));
        EXPECT_EQ(item.clear, IsExifTagToClear(item.tag, clear));
    }
    // The 58 selectable tags come first.
    for (size_t i = 0; i < 58; ++i)
        EXPECT_NE(FindExifSelectableTag(table.Items()[i].tag), nullptr) << i;
}
