// The path holder: a path split into folder, name and extension, and rebuilt.
#include "imaging/file_path_info.h"

#include <gtest/gtest.h>

TEST(FilePathInfo, SplitsAndRebuildsPaths)
{
    CFilePathInfo info;
    EXPECT_EQ(info.Path(), "no_path");
    EXPECT_EQ(info.Name(), "no_name");
    EXPECT_EQ(info.Folder(), "no_directory");

    info.SetPath("/home/user/pic.2024.jpeg");
    EXPECT_EQ(info.Folder(), "/home/user/");
    EXPECT_EQ(info.Name(), "pic.2024.jpeg");
    QString out;
    info.GetBaseName(&out);
    EXPECT_EQ(out, "pic");
    info.GetExtension(&out);
    EXPECT_EQ(out, "jpeg");
    ASSERT_EQ(info.ChangeExtension(&out, "png"), 1);
    EXPECT_EQ(out, "/home/user/pic.2024.png");

    info.SetNameAndFolder("a.bmp", "/tmp");
    EXPECT_EQ(info.Path(), "/tmp/a.bmp");
    info.SetPath("/tmp/noext");
    EXPECT_EQ(info.ChangeExtension(&out, "png"), 0);
    info.SetPath(QString(600, u'x'));
    EXPECT_EQ(info.Path().size(), 520);
    info.Reset();
    EXPECT_EQ(info.Name(), "no_name");
}
