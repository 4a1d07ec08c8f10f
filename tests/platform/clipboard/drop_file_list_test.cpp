#include "platform/clipboard/drop_file_list.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A block as the program builds it: the header, then wide paths.
QByteArray FileListBlock(const QStringList& paths, BOOL wide = TRUE)
{
    DROPFILES header;
    header.pFiles = sizeof header;
    header.fWide = wide;
    QByteArray block(reinterpret_cast<const char*>(&header), sizeof header);
    for (const QString& path : paths)
        block.append(reinterpret_cast<const char*>(path.utf16()), (path.size() + 1) * 2);
    block.append(2, '\0');
    return block;
}

TEST(DropFileList, ReadsThePathsInOrder)
{
    const QStringList paths{QStringLiteral("/home/u/写真/a.png"), QStringLiteral("/tmp/b c.jpg")};
    EXPECT_EQ(ReadDropFileList(FileListBlock(paths)), paths);
    EXPECT_EQ(ReadDropFileList(FileListBlock({})), QStringList{});
}

TEST(DropFileList, RefusesBlocksThatAreNoFileList)
{
    const QByteArray good = FileListBlock({QStringLiteral("/a")});
    QByteArray offsetOutside = good;
    const DWORD far = DWORD(good.size() + 2);
    std::memcpy(offsetOutside.data(), &far, sizeof far);
    QByteArray offsetIntoHeader = good;
    const DWORD inside = 4;
    std::memcpy(offsetIntoHeader.data(), &inside, sizeof inside);

    const struct {
        const char* what;
        QByteArray block;
    } cases[] = {
        {"shorter than the header", good.left(19)},
        {"last path not ended", good.left(good.size() - 4)},
        {"list not closed", good.left(good.size() - 2)},
        {"offset past the end", offsetOutside},
        {"offset into the header", offsetIntoHeader},
        {"narrow paths", FileListBlock({QStringLiteral("/a")}, FALSE)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadDropFileList(c.block), std::nullopt) << c.what;
}

}  // namespace
