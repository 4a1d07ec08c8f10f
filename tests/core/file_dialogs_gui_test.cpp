#include "core/file_dialogs.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A path of exactly n characters below the folder.
QString PathOfLength(const QString& folder, int n)
{
    const QString head = folder + u'/';
    return head + QString(n - head.size(), u'p');
}

}  // namespace

TEST(FileDialogs, ImageDialogAsksWithTheSixFiltersAndReturnsThePath)
{
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("写真.png"));
    ScriptedFileDialogs dialogs({ChosenPath(chosen), CancelledDialog()});
    QString path = QStringLiteral("old");
    QString name = QStringLiteral("old");
    EXPECT_EQ(ShowImageFileDialog(nullptr, dir.path(), path, name, 2), 1);
    EXPECT_EQ(path, chosen);
    EXPECT_EQ(name, QStringLiteral("写真.png"));
    EXPECT_EQ(ShowImageFileDialog(nullptr, dir.path(), path, name, 1), 0);  // cancelled
    EXPECT_TRUE(path.isEmpty());
    EXPECT_TRUE(name.isEmpty());

    const QList<FileDialogRequest> requests = dialogs.Requests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0].kind, FileDialogKind::SaveFile);
    EXPECT_EQ(requests[1].kind, FileDialogKind::OpenFile);
    EXPECT_EQ(requests[0].initialFolder, dir.path());
    EXPECT_EQ(requests[0].nameFilters,
        (QStringList{"ALL (*.bmp *.jpg *.jpeg *.tif *.tiff *.gif *.png)", "BMP (*.bmp)", "JPG (*.jpg *.jpeg)",
            "TIF (*.tif *.tiff)", "GIF (*.gif)", "PNG (*.png)"}));
    EXPECT_TRUE(requests[0].title.isEmpty());
    EXPECT_TRUE(requests[0].initialName.isEmpty());
}

TEST(FileDialogs, ImageDialogRefusesAMissingFolderAndOverlongPaths)
{
    QTemporaryDir dir;
    ScriptedFileDialogs dialogs(
        {ChosenPath(PathOfLength(dir.path(), 520)), ChosenPath(PathOfLength(dir.path(), 519))});
    QString path, name;
    EXPECT_EQ(ShowImageFileDialog(nullptr, dir.filePath(QStringLiteral("missing")), path, name, 1), 0);
    EXPECT_TRUE(dialogs.Requests().isEmpty());  // nothing shown

    EXPECT_EQ(ShowImageFileDialog(nullptr, dir.path(), path, name, 1), 0);  // 520: not cut, refused
    EXPECT_TRUE(path.isEmpty());
    EXPECT_EQ(ShowImageFileDialog(nullptr, dir.path(), path, name, 1), 1);
    EXPECT_EQ(path.size(), 519);
}

TEST(FileDialogs, BrowseForFolderResults)
{
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("保存先"));
    ScriptedFileDialogs dialogs({CancelledDialog(), ChosenPath(chosen),
        ChosenPath(PathOfLength(dir.path(), 259)), ChosenPath(PathOfLength(dir.path(), 260))});
    struct Case {
        int result;
        QString path;
    };
    const Case cases[] = {{0, {}}, {1, chosen}, {1, PathOfLength(dir.path(), 259)}, {2, {}}};
    for (const Case& c : cases) {
        QString path = dir.path();
        EXPECT_EQ(BrowseForFolder(nullptr, path, QStringLiteral("保存フォルダの選択")), c.result);
        EXPECT_EQ(path, c.path);
    }
    const FileDialogRequest first = dialogs.Requests().value(0);
    EXPECT_EQ(first.kind, FileDialogKind::Folder);
    EXPECT_EQ(first.initialFolder, dir.path());  // opens on the folder given
    EXPECT_EQ(first.title, QStringLiteral("保存フォルダの選択"));
}

TEST(FileDialogs, RealDialogOpensAFileAndAFolder)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.jpg"));
    QFile(file).open(QIODevice::WriteOnly);
    QStringList shownFilters;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        shownFilters = dialog->nameFilters();
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept();  // as the OK button does
    });
    QString path, name;
    EXPECT_EQ(ShowImageFileDialog(nullptr, dir.path(), path, name, 1), 1);
    EXPECT_EQ(path, file);
    EXPECT_EQ(name, QStringLiteral("a.jpg"));
    EXPECT_EQ(shownFilters.size(), 6);

    // Saving: the typed name comes back as entered, no extension added.
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(QStringLiteral("新しい名前"));
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    EXPECT_EQ(ShowImageFileDialog(nullptr, dir.path(), path, name, 2), 1);
    EXPECT_EQ(path, dir.filePath(QStringLiteral("新しい名前")));

    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    QString folder = dir.path();
    EXPECT_EQ(BrowseForFolder(nullptr, folder, QStringLiteral("フォルダの選択")), 0);
    EXPECT_TRUE(folder.isEmpty());

    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            static_cast<QDialog*>(dialog)->accept();  // as the OK button does  // the folder it opened on
    });
    folder = dir.path();
    EXPECT_EQ(BrowseForFolder(nullptr, folder, QStringLiteral("フォルダの選択")), 1);
    EXPECT_EQ(folder, dir.path());
}
