// The bytes of a file list in each clipboard form: the DROPFILES block, the
// URI list and the file managers' copied-files list.
#include "platform/clipboard/drop_file_list.h"
#include "platform/clipboard/file_list_formats.h"

#include <gtest/gtest.h>

namespace {

const QStringList kPaths{QStringLiteral("/home/u/写真/a b.png"), QStringLiteral("/tmp/c%.jpg")};

TEST(FileListFormats, DropFileListBlockBytes)
{
    const QByteArray block = MakeDropFileList({QStringLiteral("/a"), QStringLiteral("/bc")});
    const QByteArray expected = QByteArray::fromHex("14000000"
                                                    "0000000000000000"
                                                    "00000000"
                                                    "01000000"
                                                    "2f00610000002f00620063000000"
                                                    "0000");
    EXPECT_EQ(block, expected);
    EXPECT_EQ(ReadDropFileList(MakeDropFileList(kPaths)), kPaths);
    EXPECT_EQ(MakeDropFileList({}).size(), 22);
}

TEST(FileListFormats, UriListAndGnomeCopiedFiles)
{
    const QByteArray a = "file:///home/u/%E5%86%99%E7%9C%9F/a%20b.png";
    const QByteArray c = "file:///tmp/c%25.jpg";
    EXPECT_EQ(FileUriListBytes(kPaths), a + "\r\n" + c + "\r\n");
    EXPECT_EQ(GnomeCopiedFilesBytes(kPaths), "copy\n" + a + "\n" + c);
}

}  // namespace
