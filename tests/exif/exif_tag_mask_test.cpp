#include "exif/exif_tag_descriptions.h"
#include "exif/exif_tag_mask.h"

#include "tests/exif/exif_test_print.h"

#include <gtest/gtest.h>
#include <set>

TEST(ExifTagMask, TagBitsFollowTheWordLists)
{
    struct Case {
        WORD tag;
        int word;
        int bit;
    };
    const Case cases[] = {{0, 0, 0}, {29, 0, 9}, {19, 0, 6}, {270, 1, 0}, {315, 1, 5}, {33432, 2, 0},
        {34850, 2, 3}, {36864, 3, 0}, {37510, 3, 15}, {40964, 4, 0}, {41995, 4, 13}, {42037, 4, 21}};
    for (const Case& c : cases) {
        ExifTagMask mask;
        SetExifClearTag(c.tag, 1, mask);
        ExifTagMask expected;
        expected.words[c.word] = DWORD{1} << c.bit;
        EXPECT_EQ(mask, expected) << c.tag;
        EXPECT_EQ(IsExifTagToClear(c.tag, mask), 1);
        SetExifClearTag(c.tag, 0, mask);
        EXPECT_EQ(mask, ExifTagMask{}) << c.tag;
    }
}

TEST(ExifTagMask, TagsOutsideTheSelectionChangeNothing)
{
    ExifTagMask mask;
    mask.words[3] = 0xFFFF;
    const ExifTagMask before = mask;
    for (WORD tag : {2, 6, 256, 34665, 41728, 65535}) {
        SetExifClearTag(tag, 1, mask);
        EXPECT_EQ(IsExifTagToClear(tag, mask), 0) << tag;
    }
    EXPECT_EQ(mask, before);
}

TEST(ExifTagMask, GroupsCoverTheFiftyEightTagsOnce)
{
    ExifTagMask mask;
    SetExifClearGpsGroup(1, mask);
    ExifTagMask gpsOnly;
    gpsOnly.words[0] = 0x3FF;
    EXPECT_EQ(mask, gpsOnly);
    EXPECT_EQ(CountExifClearTags(mask), 10);

    SetExifClearCameraGroup(1, mask);
    EXPECT_EQ(CountExifClearTags(mask), 31);
    SetExifClearShootingGroup(1, mask);
    EXPECT_EQ(CountExifClearTags(mask), 58);
    // Every used bit is set and no other.
    const ExifTagMask all{{0x3FF, 0x3F, 0xF, 0xFFFF, 0x3FFFFF}};
    EXPECT_EQ(mask, all);

    SetExifClearCameraGroup(0, mask);
    EXPECT_EQ(CountExifClearTags(mask), 37);
    EXPECT_EQ(IsExifTagToClear(306, mask), 0);
    EXPECT_EQ(IsExifTagToClear(37121, mask), 1);
}

TEST(ExifTagMask, SelectableTableIsConsistent)
{
    std::set<WORD> tags;
    std::set<int> displayIds, clearIds, bits, lines;
    for (const ExifSelectableTag& t : ExifSelectableTags()) {
        tags.insert(t.tag);
        lines.insert(t.line);
        displayIds.insert(t.displayId);
        clearIds.insert(t.clearId);
        bits.insert(t.word * 32 + t.bit);
        EXPECT_TRUE(IsKnownExifTag(t.tag)) << t.tag;
    }
    EXPECT_EQ(tags.size(), 58u);
    EXPECT_EQ(displayIds.size(), 58u);
    EXPECT_EQ(clearIds.size(), 58u);
    EXPECT_EQ(bits.size(), 58u);
    // Every line place is taken once: 0 to 57.
    EXPECT_EQ(lines.size(), 58u);
    EXPECT_EQ(*lines.begin(), 0);
    EXPECT_EQ(*lines.rbegin(), 57);
}
