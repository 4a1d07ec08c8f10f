// The path holder's file dialogs: the extension and length rules applied to
// the chosen name, and what the holder keeps.
#include "imaging/file_path_info.h"
#include "tests/support/scripted_dialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FilePathDialog, ExtensionAndLengthRules)
{
    const QString longJpeg = "/tmp/" + QString(260, u'a') + ".jpg";
    const QString longText = "/tmp/" + QString(260, u'a') + ".txt";
    struct Case {
        const char* what;
        BOOL open;
        QString defaultExt;
        QString chosen;
        int result;
        QString message;
    };
    const Case cases[] = {
        {"open, matching", TRUE, "png", "/tmp/a.PNG", 1, ""},
        {"open, other extension", TRUE, "png", "/tmp/a.bmp", 0,
            "ファイルを開けませんでした。有効なファイル名を指定して下さい。"},
        {"save, other image type", FALSE, "png", "/tmp/a.gif", 1, ""},
        {"save, not an image", FALSE, "png", "/tmp/a.txt", 0, "対応していないファイルタイプです。"},
        {"no default extension", FALSE, "", "/tmp/a.txt", 1, ""},
        {"long image path", FALSE, "jpg", longJpeg, 1, ""},
        {"long other path", FALSE, "", longText, 0, "指定されたファイルパスが長すぎます。"},
    };
    for (const Case& c : cases) {
        ScriptedFileDialogs dialogs({ChosenPath(c.chosen)});
        ScriptedMessageBoxes boxes;
        CFilePathInfo info;
        info.SetPath("/old/before.bmp");
        EXPECT_EQ(info.ShowFileDialog(c.open, "title", "PNG|*.png|All|*.png;*.bmp||", "/tmp", c.defaultExt),
            c.result)
            << c.what;
        EXPECT_EQ(boxes.Texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message}) << c.what;
        if (c.result == 1) {
            EXPECT_EQ(info.Path(), c.chosen.left(520)) << c.what;
            EXPECT_EQ(info.Folder(), "/tmp/") << c.what;
        } else {
            EXPECT_EQ(info.Path(), "/old/before.bmp") << c.what;
        }
        ASSERT_EQ(dialogs.Requests().size(), 1);
        EXPECT_EQ(dialogs.Requests()[0].nameFilters, QStringList({"PNG (*.png)", "All (*.png *.bmp)"}));
        EXPECT_EQ(dialogs.Requests()[0].kind, c.open ? FileDialogKind::OpenFile : FileDialogKind::SaveFile);
    }
    ScriptedFileDialogs cancelled({CancelledDialog()});
    CFilePathInfo info;
    EXPECT_EQ(info.ShowFileDialog(TRUE, "t", "", "/tmp", ""), 0);
    EXPECT_EQ(info.Path(), "no_path");
}

TEST(FilePathDialog, OpenItemDialogTakesTheChosenFile)
{
    QTemporaryDir dir;
    const QString chosen = dir.filePath("pic.png");
    ScriptedFileDialogs dialogs({ChosenPath(chosen)});
    CFilePathInfo info;
    ASSERT_EQ(info.ShowOpenItemDialog(nullptr, dir.path()), 1);
    EXPECT_EQ(info.Path(), chosen);
    EXPECT_EQ(info.Name(), "pic.png");
    EXPECT_EQ(info.Folder(), dir.path() + "/");
}

TEST(FilePathDialog, NameTypedWithoutExtensionGetsTheDefaultOne)
{
    struct Case {
        BOOL open;
        QString defaultExt;
        QString typed;
        QString taken;
    };
    const Case cases[] = {
        {FALSE, "bmp", "/tmp/shot", "/tmp/shot.bmp"},
        {TRUE, "png", "/tmp/shot", "/tmp/shot.png"},
        {FALSE, "bmp", "/tmp/shot.jpg", "/tmp/shot.jpg"},
        {FALSE, "", "/tmp/shot", "/tmp/shot"},
    };
    for (const Case& c : cases) {
        ScriptedFileDialogs dialogs({ChosenPath(c.typed)});
        ScriptedMessageBoxes boxes;
        CFilePathInfo info;
        EXPECT_EQ(info.ShowFileDialog(c.open, "title", "BMP|*.bmp||", "/tmp", c.defaultExt), 1)
            << qPrintable(c.typed);
        EXPECT_EQ(info.Path(), c.taken);
        EXPECT_EQ(boxes.Texts(), QStringList()) << qPrintable(c.typed);
        ASSERT_EQ(dialogs.Requests().size(), 1);
        EXPECT_EQ(dialogs.Requests()[0].defaultSuffix, c.defaultExt);
    }
}
