// The stage's open and save dialogs: what they ask, the proposed name, the
// result by extension and where LastAccessDir ends up.
#include "clip/stage_image_files.h"
#include "clip/stage_save_names.h"
#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "imaging/file_path_info.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/scripted_dialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kUnsupportedExtension = QStringLiteral("対応していない拡張子が指定されました。");

class StageImageDialogsTest : public testing::Test {
protected:
    void SetUp() override
    {
        savedSettings = AppSettings;
        savedExeFolder = g_szExeFolder;
        g_szExeFolder = QStringLiteral("/opt/kestrel-program/");
        AppSettings.LastAccessDir = Folder();
        AppSettings.DefSaveFormat = 2;
        AppSettings.MakeFilenameAuto = 0;
    }
    void TearDown() override
    {
        AppSettings = savedSettings;
        g_szExeFolder = savedExeFolder;
    }

    QString Folder() const { return dir.path() + u'/'; }

    // A holder of an image read from a file.
    void FromFile(CLoadBitmap_for_Dlg* holder, const QString& name) { holder->path.SetPath(Folder() + name); }

    AppSettingsRecord savedSettings;
    QString savedExeFolder;
    QTemporaryDir dir;
    QTemporaryDir other;
};

TEST_F(StageImageDialogsTest, SaveDialogFiltersAndDefaultExtensionFollowTheSaveFormat)
{
    const struct {
        int format;
        QString filter;
        QString extension;
    } cases[] = {
        {2,
            "JPEG ﾌｧｲﾙ(jpg)|*.jpg|ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(bmp)|*.bmp|TIFF ﾌｧｲﾙ(tif)|*.tif|GIF ﾌｧｲﾙ(gif)|*.gif|PNG "
            "ﾌｧｲﾙ(png)|*.png||",
            "jpg"},
        {3,
            "TIFF ﾌｧｲﾙ(tif)|*.tif|ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(bmp)|*.bmp|JPEG ﾌｧｲﾙ(jpg)|*.jpg|GIF ﾌｧｲﾙ(gif)|*.gif|PNG "
            "ﾌｧｲﾙ(png)|*.png||",
            "tif"},
        {4,
            "GIF ﾌｧｲﾙ(gif)|*.gif|ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(bmp)|*.bmp|JPEG ﾌｧｲﾙ(jpg)|*.jpg|TIFF ﾌｧｲﾙ(tif)|*.tif|PNG "
            "ﾌｧｲﾙ(png)|*.png||",
            "gif"},
        {5,
            "PNG ﾌｧｲﾙ(png)|*.png|ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(bmp)|*.bmp|JPEG ﾌｧｲﾙ(jpg)|*.jpg|TIFF ﾌｧｲﾙ(tif)|*.tif|GIF "
            "ﾌｧｲﾙ(gif)|*.gif||",
            "png"},
        {1,
            "ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(bmp)|*.bmp|JPEG ﾌｧｲﾙ(jpg)|*.jpg|TIFF ﾌｧｲﾙ(tif)|*.tif|GIF ﾌｧｲﾙ(gif)|*.gif|PNG "
            "ﾌｧｲﾙ(png)|*.png||",
            "bmp"},
        {0,
            "ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(bmp)|*.bmp|JPEG ﾌｧｲﾙ(jpg)|*.jpg|TIFF ﾌｧｲﾙ(tif)|*.tif|GIF ﾌｧｲﾙ(gif)|*.gif|PNG "
            "ﾌｧｲﾙ(png)|*.png||",
            "bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(SaveImageDialogFilter(c.format), c.filter);
        AppSettings.DefSaveFormat = static_cast<BYTE>(c.format);
        CLoadBitmap_for_Dlg holder;
        FromFile(&holder, "photo.v2.bmp");
        ScriptedFileDialogs dialogs({CancelledDialog()});
        QString path;
        EXPECT_EQ(GetSaveImageFileName(holder, nullptr, &path), 0);
        ASSERT_EQ(dialogs.Requests().size(), 1);
        const FileDialogRequest request = dialogs.Requests()[0];
        EXPECT_EQ(request.kind, FileDialogKind::SaveFile);
        EXPECT_EQ(request.title, QStringLiteral("イメージファイルの保存"));
        EXPECT_EQ(request.nameFilters, NameFiltersFromFilterText(c.filter));
        EXPECT_EQ(request.defaultSuffix, c.extension);
        EXPECT_EQ(request.initialFolder, Folder());
        EXPECT_EQ(request.initialName, QStringLiteral("photo"));  // up to the first '.'
        EXPECT_EQ(AppSettings.LastAccessDir, Folder()) << "a cancelled save keeps the folder";
    }
}

TEST_F(StageImageDialogsTest, ChosenNameGivesItsTypeAndItsFolder)
{
    const struct {
        const char* typed;
        int result;
        const char* saved;  // the path returned, in the other folder
        QString message;
    } cases[] = {
        {"shot", 2, "shot.jpg", ""},  // the default extension is added
        {"shot.PNG", 5, "shot.PNG", ""},
        {"shot.tiff", 3, "shot.tiff", ""},
        {"shot.jpgx", 10, "shot.jpgx", kUnsupportedExtension},
        // The dialog itself refuses a name of no image type.
        {"shot.txt", 0, nullptr, QStringLiteral("対応していないファイルタイプです。")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        AppSettings.LastAccessDir = Folder();
        CLoadBitmap_for_Dlg holder;
        FromFile(&holder, "photo.bmp");
        ScriptedFileDialogs dialogs({ChosenPath(other.filePath(QString::fromLatin1(c.typed)))});
        ScriptedMessageBoxes boxes;
        QString path;
        EXPECT_EQ(GetSaveImageFileName(holder, nullptr, &path), c.result);
        EXPECT_EQ(boxes.Texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(holder.path.Path(), Folder() + "photo.bmp") << "the image keeps its own path";
        if (c.saved != nullptr) {
            EXPECT_EQ(path, other.filePath(QString::fromLatin1(c.saved)));
            EXPECT_EQ(AppSettings.LastAccessDir, other.path() + u'/');
        } else {
            EXPECT_EQ(AppSettings.LastAccessDir, Folder());
        }
    }
}

TEST_F(StageImageDialogsTest, AChosenPathOfNoImageTypeIsToldAndGives10)
{
    const struct {
        const char* path;
        int type;
    } cases[] = {{"/a/b.txt", 10}, {"/a/b", 10}, {"/a/b.BMP", 1}, {"/a/b.jpeg", 2}, {"/a/b.gif", 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ScriptedMessageBoxes boxes;
        EXPECT_EQ(TakeChosenSavePath(QString::fromLatin1(c.path)), c.type);
        EXPECT_EQ(boxes.Texts(), c.type == 10 ? QStringList{kUnsupportedExtension} : QStringList());
    }
}

TEST_F(StageImageDialogsTest, CapturesGetAnAutomaticNameAndOverlongOnesAreRefused)
{
    AppSettings.MakeFilenameAuto = 1;
    AppSettings.MakeFilenameOnlyCapture = 1;
    AppSettings.MakeFilenameHowto = 0;
    AppSettings.MakeFilenameDigit = 3;
    AppSettings.MakeFilenameExcludeSameFile = 1;
    AppSettings.MakeFilenameFrontStr = QStringLiteral("img");
    ASSERT_TRUE(WriteBytes(Folder() + "img001.jpg", "x"));
    CLoadBitmap_for_Dlg capture;  // never read from a file
    CLoadBitmap_for_Dlg loaded;
    FromFile(&loaded, "holiday.png");
    {
        ScriptedFileDialogs dialogs({CancelledDialog(), CancelledDialog()});
        QString path;
        GetSaveImageFileName(capture, nullptr, &path);
        GetSaveImageFileName(loaded, nullptr, &path);
        ASSERT_EQ(dialogs.Requests().size(), 2);
        EXPECT_EQ(dialogs.Requests()[0].initialName, QStringLiteral("img002"));
        EXPECT_EQ(dialogs.Requests()[1].initialName, QStringLiteral("holiday"));
    }
    AppSettings.LastAccessDir = "/" + QString(300, u'd') + "/";
    ScriptedFileDialogs dialogs;
    ScriptedMessageBoxes boxes;
    QString path;
    EXPECT_EQ(GetSaveImageFileName(capture, nullptr, &path), 0);
    EXPECT_TRUE(dialogs.Requests().isEmpty());
    EXPECT_EQ(boxes.Texts(), QStringList{SavePathTooLongMessage()});
}

TEST_F(StageImageDialogsTest, OpenDialogTakesThePathOrSendsLastAccessDirHome)
{
    CLoadBitmap_for_Dlg holder;
    {
        ScriptedFileDialogs dialogs({ChosenPath(other.filePath("pic.png"))});
        ASSERT_EQ(OpenImageDialog(&holder, nullptr), 1);
        ASSERT_EQ(dialogs.Requests().size(), 1);
        const FileDialogRequest request = dialogs.Requests()[0];
        EXPECT_EQ(request.kind, FileDialogKind::OpenFile);
        EXPECT_EQ(request.title, QStringLiteral("画像ファイルを開きます"));
        EXPECT_EQ(request.nameFilters,
            QStringList{QStringLiteral("ImageFiles(*.bmp;*.jpg;*.jpeg;*.tiff;*.tif;*.gif;*.png) "
                                       "(*.bmp *.jpg *.jpeg *.tiff *.tif *.gif *.png)")});
        EXPECT_EQ(request.initialFolder, Folder());
        EXPECT_EQ(holder.path.Path(), other.filePath("pic.png"));
        EXPECT_EQ(holder.path.Name(), QStringLiteral("pic.png"));
        EXPECT_EQ(AppSettings.LastAccessDir, other.path() + u'/');
    }
    ScriptedFileDialogs dialogs({CancelledDialog()});
    EXPECT_EQ(OpenImageDialog(&holder, nullptr), 0);
    EXPECT_EQ(AppSettings.LastAccessDir, g_szExeFolder);
    EXPECT_EQ(holder.path.Path(), other.filePath("pic.png")) << "a cancel keeps the path";
}

}  // namespace
