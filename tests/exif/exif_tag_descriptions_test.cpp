// Descriptions of known tags, and the character code of a comment's prefix.
#include "exif/exif_tag_descriptions.h"

#include "tests/exif/exif_test_print.h"

#include <gtest/gtest.h>

TEST(ExifTagDescriptions, KnownAndUnknownTags)
{
    EXPECT_EQ(KnownExifTagCount(), 134);
    EXPECT_EQ(GetExifTagDescription(33434), QStringLiteral("露出時間"));
    EXPECT_EQ(GetExifTagDescription(0), QStringLiteral("GPS タグのバージョン"));
    EXPECT_EQ(GetExifTagDescription(42240), QStringLiteral("再生ガンマ"));
    EXPECT_EQ(GetExifTagDescription(1234), QStringLiteral("un support tag no"));
    EXPECT_EQ(GetExifTagDescription(33434, 1), QStringLiteral("露"));
    for (int i = 1; i < KnownExifTagCount(); ++i)
        EXPECT_LT(KnownExifTagAt(i - 1), KnownExifTagAt(i));
}

TEST(ExifTagDescriptions, CharacterCodes)
{
    struct Case {
        const char* prefix;
        int code;
    };
    const Case cases[] = {{"ASCII\0\0\0", 1}, {"JIS\0\0\0\0\0", 2}, {"UNICODE\0", 3}, {"\0\0\0\0\0\0\0\0", 4},
        {"ASCII\0\0x", 4}, {"unicode\0", 4}};
    for (const Case& c : cases)
        EXPECT_EQ(GetExifCharCode(reinterpret_cast<const BYTE*>(c.prefix)), c.code) << c.prefix;
}
