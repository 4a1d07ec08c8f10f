// The stage's file operations on a loaded folder: deleting the focus file
// and the selection (also when the question box lets another folder be
// loaded meanwhile), files added by other parts of the program, the file
// list on the clipboard, and a drop copied into the folder by the copier's
// thread.
#include "multiview/multi_view_stage.h"

#include "core/multi_view_globals.h"
#include "core/settings/app_settings.h"
#include "multiview/multi_view_state.h"
#include "multiview/thumbnail_list.h"
#include "multiview/thumbnail_loaders.h"
#include "platform/window/drop_files.h"
#include "tests/multiview/fake_multi_panel.h"
#include "tests/multiview/fake_thumbnail_decoder.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class MultiViewStageFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        AppSettings.MaxHBitmapNumber = 2000;
        GetMultiViewState() = MultiViewState{};
        GetMultiViewState().thumbSize = 144;
        ASSERT_TRUE(m_panel.Create());
        m_stage.SetPanelState(&m_panel);
        m_stage.List().SetThumbnailDecoder(m_decoder.Decoder());
        m_stage.List().SetAvailableMemoryMB([] { return DWORD{100000}; });
        ASSERT_TRUE(m_stage.Create(nullptr));
        m_stage.ShowWindow(SW_SHOW);
        m_a = MakePictureFolder(m_dir, QStringLiteral("a"), 6);
        m_b = MakePictureFolder(m_dir, QStringLiteral("b"), 6);
        Load(m_a);
    }
    void TearDown() override
    {
        m_stage.DestroyWindow();
        m_panel.DestroyWindow();
    }
    void Load(const QString& folder)
    {
        if (m_stage.List().GetFolder() == folder)
            return;
        m_panel.displayState = kMultiDisplayLoading;
        m_request = folder;
        m_stage.SendMessage(WM_MULTI_FOLDER_CHANGED, reinterpret_cast<WPARAM>(&m_request), kSortBitDate);
        ASSERT_EQ(m_stage.List().GetFolder(), folder);
        ASSERT_TRUE(PumpUntil([&] { return !m_stage.Loaders().AnyAlive(); }, 10000));
    }
    QStringList ListNames() const
    {
        QStringList names;
        for (int f = 0; f < m_stage.List().GetFileCount(); ++f)
            names << m_stage.List().GetFileName(f);
        return names;
    }
    static QStringList DiskNames(const QString& folder)
    {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }
    void SelectFiles(std::initializer_list<const char*> names)
    {
        CThumbnailList& list = m_stage.List();
        for (const char* name : names)
            list.SetSelection(list.GetDisplayIndex(list.FindFile(QString::fromLatin1(name))), 1);
    }

    QTemporaryDir m_dir;
    FakeThumbnailDecoder m_decoder;
    FakePanel m_panel;
    CDlgMultiViewStage m_stage;
    QString m_request;
    QString m_a;
    QString m_b;
};

TEST_F(MultiViewStageFilesTest, DeletingTheFocusFileAsksWithNoAsDefaultAndTakesItOutOfTheList)
{
    CThumbnailList& list = m_stage.List();
    m_stage.SetFocusPosition(list.GetDisplayIndex(list.FindFile("p0002.png")));
    {
        ScriptedMessageBoxes boxes({IDNO});
        EXPECT_EQ(m_stage.SendMessage(WM_MULTI_DELETE_ONE, 0, -1), 0);
        ASSERT_EQ(boxes.Requests().size(), 1);
        EXPECT_EQ(boxes.Requests()[0].text, "p0002.png を削除しますか？");
        EXPECT_EQ(boxes.Requests()[0].type & MB_DEFMASK, MB_DEFBUTTON2);
    }
    EXPECT_EQ(DiskNames(m_a).size(), 6);

    ScriptedMessageBoxes boxes({IDYES});
    EXPECT_EQ(m_stage.SendMessage(WM_MULTI_DELETE_ONE, 0, -1), 1);
    EXPECT_EQ(DiskNames(m_a), ListNames());
    EXPECT_FALSE(ListNames().contains("p0002.png"));
    EXPECT_TRUE(PumpUntil([&] { return m_panel.Count(WM_MULTICTL_REARM_WATCH) == 1; }));
    EXPECT_EQ(m_stage.Scroll().First(), 0);  // back to the top of the list

    // A file gone meanwhile: the failure is told and the list stays.
    QFile::remove(m_a + "/p0003.png");
    m_stage.SetFocusPosition(list.GetDisplayIndex(list.FindFile("p0003.png")));
    ScriptedMessageBoxes again({IDYES});
    EXPECT_EQ(m_stage.SendMessage(WM_MULTI_DELETE_ONE, 0, -1), 0);
    EXPECT_EQ(again.Texts().last(), "p0003.png の削除に失敗しました。");
    EXPECT_TRUE(ListNames().contains("p0003.png"));
}

TEST_F(MultiViewStageFilesTest, DeletingTheSelectionRemovesEveryFileAndItsEntry)
{
    SelectFiles({"p0000.png", "p0003.png", "p0005.png"});
    ScriptedMessageBoxes boxes({IDYES});
    EXPECT_EQ(m_stage.SendMessage(WM_MULTI_DELETE_SELECTED, 3), 1);
    EXPECT_EQ(boxes.Texts(), QStringList({"3個のファイルを削除しますか？"}));
    EXPECT_EQ(DiskNames(m_a), QStringList({"p0001.png", "p0002.png", "p0004.png"}));
    EXPECT_EQ(ListNames(), DiskNames(m_a));
    EXPECT_EQ(m_stage.List().GetSelectedCount(), 0);
}

TEST_F(MultiViewStageFilesTest, AFolderLoadedWhileTheQuestionIsOpenStopsTheDeleteAndTouchesNothing)
{
    // Both folders hold files of the same names.
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } cases[] = {
        {"one", WM_MULTI_DELETE_ONE, 0, -1},
        {"selection", WM_MULTI_DELETE_SELECTED, 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Load(m_a);
        CThumbnailList& list = m_stage.List();
        m_stage.SetFocusPosition(list.GetDisplayIndex(list.FindFile("p0001.png")));
        SelectFiles({"p0001.png", "p0004.png"});
        QStringList texts;
        SetMessageBoxHookForTesting([&](const MessageBoxRequest& r) {
            texts << r.text;
            if (texts.size() == 1)
                Load(m_b);  // the panel's folder change, run by the box's loop
            return IDYES;
        });
        EXPECT_EQ(m_stage.SendMessage(c.message, c.wParam, c.lParam), 0);
        SetMessageBoxHookForTesting({});
        ASSERT_EQ(texts.size(), 2);
        EXPECT_EQ(texts[1], "フォルダが切り替わったため、処理を中止しました。");
        EXPECT_EQ(DiskNames(m_a).size(), 6);
        EXPECT_EQ(DiskNames(m_b).size(), 6);
        EXPECT_EQ(ListNames(), DiskNames(m_b));
    }
}

TEST_F(MultiViewStageFilesTest, AFileWrittenIntoTheShownFolderIsAddedOrRefreshed)
{
    auto add = [&](const QString& path) {
        return m_stage.SendMessage(WM_MULTI_ADD_FILE, reinterpret_cast<WPARAM>(&path));
    };
    QFile(m_a + "/new.jpg").open(QIODevice::WriteOnly);
    QFile(m_a + "/notes.txt").open(QIODevice::WriteOnly);
    QFile(m_b + "/other.jpg").open(QIODevice::WriteOnly);
    EXPECT_EQ(add(m_a + "/notes.txt"), 0);  // not an image: the folder scan would not list it
    EXPECT_EQ(add(m_b + "/other.jpg"), 0);  // another folder
    EXPECT_EQ(add(m_a + "/missing.jpg"), 0);
    EXPECT_EQ(m_stage.List().GetFileCount(), 6);

    EXPECT_EQ(add(m_a + "/new.jpg"), 1);
    EXPECT_EQ(m_stage.List().GetFileCount(), 7);
    EXPECT_EQ(m_stage.List().FindFile("new.jpg"), 6);
    EXPECT_EQ(m_stage.Scroll().Total(), 7);
    // The empty file cannot be read: it shows the unreadable-file picture.
    EXPECT_TRUE(m_stage.List().IsThumbnailLoaded(m_stage.List().GetDisplayIndex(6)));
    EXPECT_EQ(m_stage.List().GetThumbnailState(6).decode, 0);
    EXPECT_EQ(add(m_a + "/new.jpg"), 1);  // again: refreshed, not added twice
    EXPECT_EQ(m_stage.List().GetFileCount(), 7);
    // The ranks take the new file in.
    EXPECT_EQ(m_stage.List().IsSortReady(6), 1);
}

TEST_F(MultiViewStageFilesTest, TheSelectionGoesToTheClipboardAsAFileList)
{
    SelectFiles({"p0001.png", "p0004.png"});
    ASSERT_EQ(m_stage.SendMessage(WM_MULTI_COPY_FILES, 2), 1);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    const QByteArray uris = data->data("text/uri-list");
    EXPECT_TRUE(uris.contains(QUrl::fromLocalFile(m_a + "/p0001.png").toEncoded() + "\r\n"));
    EXPECT_TRUE(uris.contains(QUrl::fromLocalFile(m_a + "/p0004.png").toEncoded() + "\r\n"));
    EXPECT_TRUE(data->data("x-special/gnome-copied-files").startsWith("copy\nfile://"));
}

TEST_F(MultiViewStageFilesTest, DroppedFilesAreCopiedByTheWorkerAndJoinTheList)
{
    QDir(m_dir.path()).mkdir("src");
    const QString source = m_dir.path() + "/src/dropped.png";
    QFile f(source);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("dropped");
    f.close();
    m_panel.displayState = kMultiDisplayFinished;  // nothing loads: the copy adds to the list
    HDROP drop = MakeDropRecord({source, m_dir.path() + "/src/gone.png"}, POINT{5, 5});
    ScriptedMessageBoxes boxes;
    m_stage.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(drop));
    ASSERT_TRUE(PumpUntil(
        [&] {
            return !m_stage.IsCopyingFiles() && g_bFileOperationBusy.load() == 0 &&
                QFile::exists(m_a + "/dropped.png") && m_stage.List().GetFileCount() == 7;
        },
        10000));
    PumpFor(50);
    EXPECT_EQ(m_stage.List().FindFile("dropped.png"), 6);
    // The second path no longer exists: told once at the end.
    EXPECT_EQ(boxes.Texts(), QStringList({"エラーにより、いくつかのファイルがコピーされませんでした。"}));
    EXPECT_EQ(DragQueryFileW(drop, 0xFFFFFFFFu, nullptr), 0u);  // the drop was finished
}

TEST_F(MultiViewStageFilesTest, ClosingDuringADropAnswersTheOpenQuestionWithStopAndWaitsForTheCopier)
{
    QDir(m_dir.path()).mkdir("src");
    for (const char* name : {"p0000.png", "later.png"}) {
        QFile f(m_dir.path() + "/src/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("dropped");
    }
    const QByteArray before = [&] {
        QFile f(m_a + "/p0000.png");
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    HDROP drop =
        MakeDropRecord({m_dir.path() + "/src/p0000.png", m_dir.path() + "/src/later.png"}, POINT{5, 5});
    // The name is taken: the question opens and waits for the user. The
    // program closes from inside its loop, as the frame's close would.
    bool questionSeen = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowTitle() == QStringLiteral("ファイルの上書き確認")) {
                questionSeen = true;
                EXPECT_EQ(g_bFileOperationBusy.load(), 1);
                closer.stop();
                m_stage.StopFileOperations();
            }
        }
    });
    closer.start(10);
    m_stage.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(drop));
    ASSERT_TRUE(PumpUntil([&] { return questionSeen && !m_stage.IsCopyingFiles(); }, 10000));
    m_stage.StopFileOperations();  // outside the question: waits for the copier to end
    EXPECT_EQ(g_bFileOperationBusy.load(), 0);
    QFile f(m_a + "/p0000.png");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_FALSE(QFile::exists(m_a + "/later.png"));
    EXPECT_EQ(DragQueryFileW(drop, 0xFFFFFFFFu, nullptr), 0u);
}

}  // namespace
