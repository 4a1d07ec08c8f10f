// The file dialog service adds the default suffix to a name typed without
// one, in the real dialog and behind the test hook alike.
#include "platform/dialog/common_dialogs.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(CommonDialogs, DefaultSuffixRule)
{
    const struct {
        const char* path;
        const char* suffix;
        const char* result;
    } cases[] = {
        {"/tmp/shot", "bmp", "/tmp/shot.bmp"},
        {"/tmp/shot", ".bmp", "/tmp/shot.bmp"},
        {"/tmp/shot.png", "bmp", "/tmp/shot.png"},
        {"/tmp/shot.", "bmp", "/tmp/shot."},
        {"/tmp/a.b/shot", "bmp", "/tmp/a.b/shot.bmp"},
        {"/tmp/shot", "", "/tmp/shot"},
        {"/tmp/", "bmp", "/tmp/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithDefaultSuffix(c.path, c.suffix), c.result) << c.path << " + " << c.suffix;
}

FileDialogRequest SaveRequest(const QString& folder)
{
    FileDialogRequest request;
    request.kind = FileDialogKind::SaveFile;
    request.initialFolder = folder;
    request.nameFilters = {"BMP (*.bmp)"};
    request.defaultSuffix = "bmp";
    return request;
}

TEST(CommonDialogs, HookedAnswerGetsTheDefaultSuffix)
{
    ScriptedFileDialogs dialogs({ChosenPath("/tmp/shot"), ChosenPath("/tmp/folder")});
    EXPECT_EQ(RunFileDialog(SaveRequest("/tmp")).path, "/tmp/shot.bmp");
    FileDialogRequest folder = SaveRequest("/tmp");
    folder.kind = FileDialogKind::Folder;
    EXPECT_EQ(RunFileDialog(folder).path, "/tmp/folder") << "a folder keeps its name";
}

TEST(CommonDialogs, RealSaveDialogAddsTheDefaultSuffix)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    bool typed = false;
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
        if (!name || typed)
            return;
        typed = true;
        name->setText("shot");
        QMetaObject::invokeMethod(dialog, "accept");  // as the Save button does
    });
    typist.start(10);
    const FileDialogAnswer answer = RunFileDialog(SaveRequest(dir.path()));
    EXPECT_TRUE(typed);
    EXPECT_TRUE(answer.accepted);
    EXPECT_EQ(answer.path, dir.filePath("shot.bmp"));
}

}  // namespace
