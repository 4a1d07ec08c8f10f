#include "core/file_types.h"

#include <gtest/gtest.h>

TEST(FileTypes, ExtensionTable)
{
    struct Case {
        const char* path;
        ImageFileType type;
        ImageFileKind kind;
        ImageTypeFlag flag;
    };
    const Case cases[] = {
        {"/p/a.bmp", kImageTypeBmp, kImageKindBmp, kImageFlagBmp},
        {"/p/a.JPEG", kImageTypeJpeg, kImageKindJpeg, kImageFlagJpeg},
        {"/p/a.Jpg", kImageTypeJpeg, kImageKindJpeg, kImageFlagJpeg},
        {"a.tif", kImageTypeTiff, kImageKindTiff, kImageFlagTiff},
        {"a.TIFF", kImageTypeTiff, kImageKindTiff, kImageFlagTiff},
        {"a.gif", kImageTypeGif, kImageKindGif, kImageFlagGif},
        {"a.png", kImageTypePng, kImageKindPng, kImageFlagPng},
        {"a.jpe", kImageTypeNone, kImageKindNone, kImageFlagNone},
        {"/photo.old/readme", kImageTypeNone, kImageKindNone, kImageFlagNone},
        {"/photo.png/readme", kImageTypeNone, kImageKindNone, kImageFlagNone},
        {"noext", kImageTypeNone, kImageKindNone, kImageFlagNone},
        {"a.png.", kImageTypeNone, kImageKindNone, kImageFlagNone},
    };
    for (const Case& c : cases) {
        const QString path = QString::fromUtf8(c.path);
        EXPECT_EQ(GetImageTypeOfPath(path), c.type) << c.path;
        EXPECT_EQ(GetImageTypeOfString(path), c.type) << c.path;
        EXPECT_EQ(GetImageTypeFromPath(path), c.kind) << c.path;
        EXPECT_EQ(GetImageTypeFlagFromPath(path), c.flag) << c.path;
    }
    // Only ASCII letters fold: a full-width "ｐｎｇ" is not an extension of ours.
    EXPECT_EQ(GetImageTypeFromExtension(QStringLiteral("ＰＮＧ")), kImageTypeNone);
}

TEST(FileTypes, ExtensionIsTheTextAfterTheLastDotOfThePath)
{
    EXPECT_EQ(GetFileExtension(QStringLiteral("/photo.old/readme")), QStringLiteral("old/readme"));
    EXPECT_EQ(GetFileExtension(QStringLiteral("/a/b")), QString());
    EXPECT_EQ(GetFileExtension(QStringLiteral("x.tar.gz")), QStringLiteral("gz"));
    // The string form looks at the first 519 characters only.
    const QString longName = QString(600, u'a') + QStringLiteral(".png");
    EXPECT_EQ(GetFileExtension(longName), QStringLiteral("png"));
    EXPECT_EQ(GetFileExtensionOfString(longName), QString());
}

TEST(FileTypes, PaletteSizes)
{
    const std::pair<int, int> cases[] = {{1, 2}, {4, 16}, {8, 256}, {16, 0}, {24, 0}, {32, 0}, {0, 0}};
    for (const auto& [bits, entries] : cases)
        EXPECT_EQ(GetPaletteSizeForBitCount(bits), entries) << bits;
}
