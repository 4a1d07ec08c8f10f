// The multi-view panel against a recording stage and frame: the load
// requests and the display state they start, the load / stop button with the
// folder watch, the history, missing folders, folders offered by other
// windows, the thumbnail size, the clear question, the sort controls, the
// status-bar guide, the button states and the state kept for the next panel.
#include "core/app_state.h"
#include "core/frame_messages.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "multiview/multi_control_state.h"
#include "multiview/multi_control_window.h"
#include "multiview/multi_view_state.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A window that keeps the private messages and commands it receives; the
// folder of a folder change is read as it arrives.
class Recorder : public CWnd {
public:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    QList<Message> received;
    QStringList folders;  // of WM_MULTI_FOLDER_CHANGED

    bool Make()
    {
        return CreateEx(0, QStringLiteral("recorder"), WS_POPUP, RECT{300, 200, 420, 280}, nullptr, 0);
    }
    QList<Message> Of(UINT message) const
    {
        QList<Message> found;
        for (const Message& m : received)
            if (m.message == message)
                found.append(m);
        return found;
    }
    QList<UINT> Messages() const
    {
        QList<UINT> all;
        for (const Message& m : received)
            all.append(m.message);
        return all;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_USER || message == WM_COMMAND) {
            received.append(Message{message, wParam, lParam});
            if (message == WM_MULTI_FOLDER_CHANGED)
                folders << *reinterpret_cast<const QString*>(wParam);
            if (message == WM_MULTI_COPY_FILES)
                return copyResult;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    LRESULT copyResult = 1;
};

class Windows : public AppStateSource {
public:
    HWND frame = nullptr;
    HWND stage = nullptr;
    HWND Window(AppWindow w) const override
    {
        if (w == AppWindow::MainFrame)
            return frame;
        if (w == AppWindow::MultiViewStage)
            return stage;
        return nullptr;
    }
    bool IsWindowVisible(HWND) const override { return true; }
    RECT WindowRect(HWND w) const override
    {
        RECT r{};
        ::GetWindowRect(w, &r);
        return r;
    }
};

// The panel with a stand-in for the stage's list and view.
class TestPanel : public CDlgMultiControlWindow {
public:
    bool stageVisible = true;
    QString stageFolder;
    int fileCount = 0;
    int focus = -1;
    int selected = 0;
    bool sortReady = true;
    QList<std::pair<int, int>> listOrders;

protected:
    bool IsStageVisible() const override { return stageVisible; }
    QString StageFolder() const override { return stageFolder; }
    int StageFileCount() const override { return fileCount; }
    int StageFocus() const override { return focus; }
    void SetStageFocus(int position) override { focus = position; }
    int StageSelectedCount() const override { return selected; }
    bool IsStageSortReady(int) const override { return sortReady; }
    int LoadedThumbnailCount() const override { return 0; }
    void SetStageListOrder(int key, int descending) override { listOrders.append({key, descending}); }
};

class MultiControlGui : public testing::Test {
protected:
    void SetUp() override
    {
        SetAllPanelButtonsAvailableForTesting(true);
        GetMultiViewPanelCopies() = MultiViewPanelCopies{};
        GetMultiViewState().thumbSize = kThumbSizeMin;
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(frame.Make());
        ASSERT_TRUE(stage.Make());
        windows.frame = frame.GetSafeHwnd();
        windows.stage = stage.GetSafeHwnd();
        SetAppStateSource(&windows);
        ASSERT_TRUE(panel.Create(&frame));
    }
    void TearDown() override
    {
        SetAllPanelButtonsAvailableForTesting(false);
        if (panel.GetSafeHwnd())
            panel.DestroyWindow();
        SetAppStateSource(nullptr);
        GetMultiViewPanelCopies() = MultiViewPanelCopies{};
    }
    // A folder under the test's folder holding the files named.
    QString MakeFolder(const QString& name, const QStringList& files = {QStringLiteral("a.jpg")})
    {
        const QString folder = m_dir.path() + QLatin1Char('/') + name;
        EXPECT_TRUE(QDir().mkpath(folder));
        for (const QString& file : files) {
            QFile f(folder + QLatin1Char('/') + file);
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("x");
        }
        return folder;
    }
    void Click(int id) { panel.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    bool Enabled(int id) const { return panel.GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    bool Visible(int id) const { return panel.GetDlgItem(id)->IsWindowVisible() != FALSE; }
    QString Text(int id) const
    {
        QString text;
        panel.GetDlgItemText(id, text);
        return text;
    }
    void Pump() { PumpFor(20); }
    // Loads the folder as the stage does: the panel asks, the stage shows it.
    void Load(const QString& folder)
    {
        ASSERT_TRUE(panel.SwitchToFolder(folder, false, false));
        Pump();
        panel.stageFolder = panel.RequestedFolder();
        panel.fileCount = 1;
    }

    QTemporaryDir m_dir;
    Recorder frame;
    Recorder stage;
    Windows windows;
    TestPanel panel;
};

TEST_F(MultiControlGui, ANewFolderStartsLoadingUnsortedWithTheDateOrderFirstAndIsWatched)
{
    const QString a = MakeFolder(QStringLiteral("a"));
    // A sort key chosen for the folder before.
    panel.SendMessage(WM_MULTICTL_ENABLE_SORT, kSortBitsAll);
    panel.CheckDlgButton(IDC_MULTICTL_SORT_NAME, 1);
    Click(IDC_MULTICTL_SORT_NAME);
    ASSERT_EQ(panel.SortKey(), kSortByName);

    Load(a + QLatin1Char('/'));  // a trailing separator is dropped
    ASSERT_EQ(stage.Of(WM_MULTI_FOLDER_CHANGED).size(), 1);
    EXPECT_EQ(stage.folders, QStringList{a});
    EXPECT_EQ(stage.Of(WM_MULTI_FOLDER_CHANGED)[0].lParam, LPARAM{kSortBitDate});
    EXPECT_EQ(panel.SortKey(), kSortNone);
    EXPECT_EQ(panel.Descending(), 0);
    EXPECT_EQ(panel.listOrders.last(), (std::pair{0, 0}));
    EXPECT_EQ(panel.DisplayState(), kMultiDisplayLoading);
    EXPECT_EQ(panel.ShownImage(IDC_MULTICTL_LOAD_STOP), 301);  // "stop"
    for (int id :
        {IDC_MULTICTL_SORT_NAME, IDC_MULTICTL_SORT_DATE, IDC_MULTICTL_SORT_SIZE, IDC_MULTICTL_DESCENDING})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_MULTICTL_SORT_NAME), 0u);
    EXPECT_TRUE(panel.IsWatching());
    EXPECT_EQ(panel.History(0), a);

    // The folder shown already is not loaded again.
    EXPECT_FALSE(panel.SwitchToFolder(a, false, false));
    panel.RequestFolderLoad(FolderLoadKind::ComboTextToHistory, false);
    Pump();
    EXPECT_EQ(stage.Of(WM_MULTI_FOLDER_CHANGED).size(), 1);
}

TEST_F(MultiControlGui, LoadStopFlipsBetweenLoadingAndStoppedAndAFinishedLoadWaitsForAChange)
{
    const QString a = MakeFolder(QStringLiteral("a"));
    Load(a);
    Click(IDC_MULTICTL_LOAD_STOP);
    EXPECT_EQ(panel.DisplayState(), kMultiDisplayStopped);
    EXPECT_EQ(panel.ShownImage(IDC_MULTICTL_LOAD_STOP), 300);  // "load"
    Click(IDC_MULTICTL_LOAD_STOP);
    EXPECT_EQ(panel.DisplayState(), kMultiDisplayLoading);
    Pump();
    QList<WPARAM> pauses;
    for (const Recorder::Message& m : stage.Of(WM_MULTI_PAUSE_LOAD))
        pauses << m.wParam;
    EXPECT_EQ(pauses, (QList<WPARAM>{kMultiLoadStop, kMultiLoadResume}));
    EXPECT_TRUE(stage.Of(WM_MULTI_CLEAR).isEmpty());

    // The stage's loader finished: the button has nothing to do.
    panel.SendMessage(WM_MULTICTL_DISPLAY_STATE, kMultiDisplayFinished);
    EXPECT_EQ(panel.ShownImage(IDC_MULTICTL_LOAD_STOP), 300);
    Click(IDC_MULTICTL_LOAD_STOP);
    EXPECT_FALSE(Enabled(IDC_MULTICTL_LOAD_STOP));
    EXPECT_EQ(panel.DisplayState(), kMultiDisplayFinished);

    // A file written into the folder is seen within a tick of the watch; the
    // view stays as it is until the user reloads.
    stage.received.clear();
    QFile f(a + QStringLiteral("/new.png"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ASSERT_TRUE(PumpUntil([&] { return panel.ChangedFlag() == 1; }, 2500));
    EXPECT_TRUE(Enabled(IDC_MULTICTL_LOAD_STOP));
    EXPECT_TRUE(stage.received.isEmpty());

    Click(IDC_MULTICTL_LOAD_STOP);
    Pump();
    EXPECT_EQ(stage.Messages(), (QList<UINT>{WM_MULTI_CLEAR, WM_MULTI_PAUSE_LOAD}));
    EXPECT_EQ(stage.Of(WM_MULTI_PAUSE_LOAD)[0].wParam, kMultiLoadResume);
    EXPECT_EQ(panel.DisplayState(), kMultiDisplayLoading);
    EXPECT_FALSE(panel.IsWatching());  // until the stage asks for the folder again
    EXPECT_FALSE(Visible(IDC_MULTICTL_TOTALS));

    // The stage's reload request loads the folder once more and clears the change.
    panel.stageFolder.clear();
    panel.fileCount = 0;
    panel.SendMessage(WM_MULTICTL_RELOAD);
    Pump();
    EXPECT_EQ(stage.folders.size(), 2);
    EXPECT_EQ(panel.ChangedFlag(), 0);
    EXPECT_TRUE(panel.IsWatching());
}

TEST_F(MultiControlGui, HistoryKeepsTwentyFoldersNewestFirst)
{
    QStringList folders;
    for (int i = 0; i < 21; ++i)
        folders << MakeFolder(QStringLiteral("f%1").arg(i));
    for (const QString& folder : folders)
        ASSERT_TRUE(panel.SwitchToFolder(folder, false, false));
    auto* combo = dynamic_cast<CComboBox*>(panel.GetDlgItem(IDC_MULTICTL_FOLDER));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetCount(), 20);
    EXPECT_EQ(panel.History(0), folders[20]);
    EXPECT_EQ(panel.History(19), folders[1]);
    EXPECT_EQ(combo->GetCurSel(), 0);

    // Choosing an entry from the list moves it to the top and loads it.
    combo->SetCurSel(10);
    panel.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MULTICTL_FOLDER, CBN_CLOSEUP), 0);
    Pump();
    EXPECT_EQ(panel.History(0), folders[10]);
    EXPECT_EQ(panel.History(1), folders[20]);
    EXPECT_EQ(stage.folders.last(), folders[10]);
}

TEST_F(MultiControlGui, MissingFoldersAreNamedAndLeaveTheViewAlone)
{
    ScriptedMessageBoxes boxes;
    const QString missing = m_dir.path() + QStringLiteral("/missing");
    panel.SetDlgItemText(IDC_MULTICTL_FOLDER, missing);
    panel.RequestFolderLoad(FolderLoadKind::ComboTextToHistory, false);
    EXPECT_EQ(panel.DisplayState(), kMultiDisplayFinished);
    EXPECT_FALSE(Enabled(IDC_MULTICTL_LOAD_STOP));

    // Typed and confirmed with Enter.
    panel.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MULTICTL_FOLDER, CBN_EDITCHANGE), 0);
    ASSERT_TRUE(panel.ComboEdited());
    MSG enter{};
    enter.hwnd = panel.GetDlgItem(IDC_MULTICTL_FOLDER)->GetSafeHwnd();
    enter.message = WM_KEYDOWN;
    enter.wParam = VK_RETURN;
    EXPECT_TRUE(panel.PreTranslateMessage(&enter));
    Pump();
    EXPECT_EQ(boxes.Texts(),
        (QStringList{QStringLiteral("指定のフォルダは存在しません。"),
            QStringLiteral("指定されたフォルダは存在しません。")}));
    EXPECT_TRUE(stage.Of(WM_MULTI_FOLDER_CHANGED).isEmpty());
    EXPECT_TRUE(panel.History(0).isEmpty());

    // The folder shown already, typed again, is no missing folder.
    const QString a = MakeFolder(QStringLiteral("a"));
    Load(a);
    panel.SetDlgItemText(IDC_MULTICTL_FOLDER, a);
    panel.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MULTICTL_FOLDER, CBN_EDITCHANGE), 0);
    EXPECT_TRUE(panel.PreTranslateMessage(&enter));
    EXPECT_EQ(boxes.Texts().size(), 2);
}

TEST_F(MultiControlGui, OtherWindowsOfferAFolderOnlyWhenItHoldsAnImage)
{
    const QString text = MakeFolder(QStringLiteral("text"), {QStringLiteral("a.txt"), QStringLiteral("b")});
    const QString pictures =
        MakeFolder(QStringLiteral("pictures"), {QStringLiteral("a.txt"), QStringLiteral("b.PNG")});
    EXPECT_EQ(panel.SendMessage(WM_MULTICTL_SET_FOLDER, reinterpret_cast<WPARAM>(&text)), 0);
    EXPECT_EQ(panel.SendMessage(WM_MULTICTL_SET_FOLDER, reinterpret_cast<WPARAM>(&pictures)), 1);
    Pump();
    EXPECT_EQ(stage.folders, QStringList{pictures});
}

TEST_F(MultiControlGui, ThumbnailSizeKeepsWithinItsRange)
{
    auto* slider = dynamic_cast<CSliderCtrl*>(panel.GetDlgItem(IDC_MULTICTL_THUMB_SIZE));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->GetPos(), 48);
    EXPECT_EQ(panel.SendMessage(WM_MULTICTL_SET_THUMB_SIZE, 47), 0);
    EXPECT_EQ(panel.SendMessage(WM_MULTICTL_SET_THUMB_SIZE, 145), 0);
    EXPECT_EQ(GetMultiViewState().thumbSize, 48);

    EXPECT_EQ(panel.SendMessage(WM_MULTICTL_STEP_THUMB_SIZE, static_cast<WPARAM>(-120)), 0);
    EXPECT_EQ(GetMultiViewState().thumbSize, 48);
    EXPECT_TRUE(stage.Of(WM_MULTI_VIEW_MODE_CHANGED).isEmpty());

    EXPECT_EQ(panel.SendMessage(WM_MULTICTL_SET_THUMB_SIZE, 144), 1);
    EXPECT_EQ(slider->GetPos(), 144);
    EXPECT_EQ(panel.SendMessage(WM_MULTICTL_STEP_THUMB_SIZE, 120), 0);
    EXPECT_EQ(panel.SendMessage(WM_MULTICTL_STEP_THUMB_SIZE, static_cast<WPARAM>(-120)), 1);
    EXPECT_EQ(GetMultiViewState().thumbSize, 140);
    EXPECT_EQ(slider->GetPos(), 140);
    ASSERT_EQ(stage.Of(WM_MULTI_VIEW_MODE_CHANGED).size(), 1);  // the stage lays out again

    // A drag that stops between steps keeps to the steps.
    slider->SetPos(99);
    panel.SendMessage(
        WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 99), reinterpret_cast<LPARAM>(slider->GetSafeHwnd()));
    EXPECT_EQ(GetMultiViewState().thumbSize, 100);
    EXPECT_EQ(slider->GetPos(), 100);
}

TEST_F(MultiControlGui, ViewModeButtonsGiveThePreviewAFocus)
{
    Click(IDC_MULTICTL_GRID_VIEW);  // the mode on already
    EXPECT_TRUE(stage.Of(WM_MULTI_VIEW_MODE_CHANGED).isEmpty());
    EXPECT_EQ(panel.ShownImage(IDC_MULTICTL_GRID_VIEW), 285);
    Click(IDC_MULTICTL_PREVIEW_VIEW);
    EXPECT_EQ(panel.ViewMode(), kMultiViewPreview);
    EXPECT_EQ(panel.focus, 0);
    EXPECT_EQ(panel.ShownImage(IDC_MULTICTL_GRID_VIEW), 286);
    EXPECT_EQ(panel.ShownImage(IDC_MULTICTL_PREVIEW_VIEW), 291);
    ASSERT_EQ(stage.Of(WM_MULTI_VIEW_MODE_CHANGED).size(), 1);
    EXPECT_EQ(stage.Of(WM_MULTI_VIEW_MODE_CHANGED)[0].wParam, WPARAM{kMultiViewPreview});
}

TEST_F(MultiControlGui, ClearingAsksFirstAndNoLeavesViewAndTotals)
{
    panel.ShowWindow(SW_SHOW);
    panel.SendMessage(WM_MULTICTL_TOTALS, 12);
    panel.SendMessage(WM_MULTICTL_SELECTED_COUNT, 3);
    EXPECT_EQ(Text(IDC_MULTICTL_TOTALS), QStringLiteral("選択/総数 : 3/12"));
    {
        ScriptedMessageBoxes boxes({IDNO});
        Click(IDC_MULTICTL_CLEAR_VIEW);
        EXPECT_EQ(
            boxes.Texts(), QStringList{QStringLiteral("サムネイル表示をクリアします。よろしいですか？")});
    }
    Pump();
    EXPECT_TRUE(stage.Of(WM_MULTI_CLEAR).isEmpty());
    EXPECT_TRUE(Visible(IDC_MULTICTL_TOTALS));
    {
        ScriptedMessageBoxes boxes({IDYES});
        Click(IDC_MULTICTL_CLEAR_VIEW);
    }
    Pump();
    EXPECT_EQ(stage.Of(WM_MULTI_CLEAR).size(), 1);
    EXPECT_FALSE(Visible(IDC_MULTICTL_TOTALS));
    EXPECT_EQ(frame.Of(WM_FRAME_CLOSE_EXIFVIEW).size(), 1);
}

TEST_F(MultiControlGui, SortControlsFollowTheOrdersTheStageHasBuilt)
{
    panel.SendMessage(WM_MULTICTL_ENABLE_SORT, kSortBitName | kSortBitDate);
    EXPECT_TRUE(Enabled(IDC_MULTICTL_SORT_NAME));
    EXPECT_TRUE(Enabled(IDC_MULTICTL_SORT_DATE));
    EXPECT_FALSE(Enabled(IDC_MULTICTL_SORT_SIZE));
    EXPECT_TRUE(Enabled(IDC_MULTICTL_DESCENDING));

    panel.CheckDlgButton(IDC_MULTICTL_SORT_DATE, 1);
    Click(IDC_MULTICTL_SORT_DATE);
    Click(IDC_MULTICTL_SORT_DATE);  // the same key again
    ASSERT_EQ(stage.Of(WM_MULTI_SORT_MODE_CHANGED).size(), 1);
    EXPECT_EQ(stage.Of(WM_MULTI_SORT_MODE_CHANGED)[0].wParam, WPARAM{kSortByDate});
    EXPECT_EQ(stage.Of(WM_MULTI_SORT_MODE_CHANGED)[0].lParam, LPARAM{kSortNone});

    Click(IDC_MULTICTL_DESCENDING);
    EXPECT_EQ(panel.Descending(), 1);
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_MULTICTL_DESCENDING), 1u);
    ASSERT_EQ(stage.Of(WM_MULTI_SORT_ORDER_CHANGED).size(), 1);
    EXPECT_EQ(stage.Of(WM_MULTI_SORT_ORDER_CHANGED)[0].wParam, 1u);

    panel.SendMessage(WM_MULTICTL_DISABLE_SORT, kSortBitName);
    EXPECT_FALSE(Enabled(IDC_MULTICTL_SORT_NAME));
    EXPECT_TRUE(Enabled(IDC_MULTICTL_SORT_DATE));
    panel.SendMessage(WM_MULTICTL_ENABLE_SORT, 0);
    EXPECT_FALSE(Enabled(IDC_MULTICTL_SORT_DATE));
    EXPECT_FALSE(Enabled(IDC_MULTICTL_DESCENDING));
}

TEST_F(MultiControlGui, TheGuideNamesTheButtonUnderTheMouseOnce)
{
    RECT r{};
    panel.GetDlgItem(IDC_MULTICTL_LOAD_STOP)->GetWindowRect(&r);
    panel.ScreenToClient(&r);
    const LPARAM inside = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    panel.SendMessage(WM_MOUSEMOVE, 0, inside);
    panel.SendMessage(WM_MOUSEMOVE, 0, inside);
    panel.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 1, r.top + 1));  // on its 2-pixel margin
    QList<WPARAM> topics;
    for (const Recorder::Message& m : frame.Of(WM_FRAME_STATUS_MULTI))
        topics << m.wParam;
    EXPECT_EQ(topics, (QList<WPARAM>{0, 1, 0}));  // the first from the panel's making
}

TEST_F(MultiControlGui, ButtonsFollowTheFocusAndSelectionAndOperationsNeedThem)
{
    panel.ShowWindow(SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return !Enabled(IDC_MULTICTL_COPY_PICTURE); }, 2000));
    EXPECT_FALSE(Enabled(IDC_MULTICTL_DELETE));
    {
        ScriptedMessageBoxes boxes;
        Click(IDC_MULTICTL_COPY_PICTURE);
        Click(IDC_MULTICTL_COPY_FILES);
        EXPECT_EQ(boxes.Texts(),
            (QStringList{QStringLiteral("ファイルが選択されていません。"),
                QStringLiteral("選択されているファイルがありません。")}));
    }
    panel.focus = 2;
    panel.fileCount = 5;
    panel.selected = 1;
    ASSERT_TRUE(PumpUntil([&] { return Enabled(IDC_MULTICTL_DELETE); }, 2000));
    EXPECT_TRUE(Enabled(IDC_MULTICTL_COPY_PICTURE));
    EXPECT_TRUE(Enabled(IDC_MULTICTL_CLEAR_VIEW));

    Click(IDC_MULTICTL_COPY_PICTURE);
    EXPECT_EQ(stage.Messages(), (QList<UINT>{WM_MULTI_COPY_PICTURE, WM_MULTI_RENDER}));
    EXPECT_EQ(stage.Of(WM_MULTI_COPY_PICTURE)[0].wParam, 2u);
    {
        ScriptedMessageBoxes boxes;
        stage.copyResult = 0;
        Click(IDC_MULTICTL_COPY_FILES);
        EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("クリップボードへのコピーに失敗しました。")});
    }
    // One file is deleted in the folder the stage's names come from.
    panel.stageFolder = QStringLiteral("/shown");
    QString deleteFolder;
    stage.received.clear();
    Click(IDC_MULTICTL_DELETE);
    ASSERT_EQ(stage.Of(WM_MULTI_DELETE_ONE).size(), 1);
    EXPECT_EQ(stage.Of(WM_MULTI_DELETE_ONE)[0].lParam, -1);
    panel.selected = 3;
    Click(IDC_MULTICTL_DELETE);
    ASSERT_EQ(stage.Of(WM_MULTI_DELETE_SELECTED).size(), 1);
    EXPECT_EQ(stage.Of(WM_MULTI_DELETE_SELECTED)[0].wParam, 3u);
}

TEST_F(MultiControlGui, EveryOperationButtonHasItsWork)
{
    SetAllPanelButtonsAvailableForTesting(false);
    TestPanel fresh;
    fresh.focus = 2;
    fresh.fileCount = 5;
    fresh.selected = 3;
    ASSERT_TRUE(fresh.Create(&frame));
    fresh.ShowWindow(SW_SHOW);
    PumpUntil([] { return false; }, 400);  // the button timer runs meanwhile
    const auto enabled = [&](int id) { return fresh.GetDlgItem(id)->IsWindowEnabled() != FALSE; };
    for (int id : {IDC_MULTICTL_CLEAR_VIEW, IDC_MULTICTL_COPY_PICTURE, IDC_MULTICTL_OPEN_IN_CLIP,
             IDC_MULTICTL_DELETE, IDC_MULTICTL_COPY_FILES, IDC_MULTICTL_EXIF_CLEAR, IDC_MULTICTL_EXIF_SHOW,
             IDC_MULTICTL_BATCH_SHRINK, IDC_MULTICTL_RENAME_ONE, IDC_MULTICTL_RENAME_BATCH})
        EXPECT_TRUE(enabled(id)) << id;
    fresh.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MULTICTL_BATCH_SHRINK, BN_CLICKED), 0);
    EXPECT_EQ(stage.Of(WM_MULTI_BATCH_SHRINK).size(), 1);
    fresh.DestroyWindow();
}

TEST_F(MultiControlGui, TheNextPanelOfTheRunTakesTheHistoryButStartsUnsortedAndStopped)
{
    const QString a = MakeFolder(QStringLiteral("a"));
    Load(a);
    panel.SendMessage(WM_MULTICTL_DISPLAY_STATE, kMultiDisplayFinished);
    Click(IDC_MULTICTL_PREVIEW_VIEW);
    panel.DestroyWindow();
    EXPECT_EQ(GetMultiViewPanelCopies().history[0], a);

    TestPanel next;
    ASSERT_TRUE(next.Create(&frame));
    EXPECT_EQ(next.History(0), a);
    EXPECT_EQ(next.GetDlgItem(IDC_MULTICTL_FOLDER)->GetWindowText(), a);
    EXPECT_EQ(next.ViewMode(), kMultiViewPreview);
    EXPECT_EQ(next.SortKey(), kSortNone);
    EXPECT_EQ(next.DisplayState(), kMultiDisplayStopped);
    next.DestroyWindow();
}

}  // namespace
