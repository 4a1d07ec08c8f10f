// The stage's mouse and keys as the user gives them: clicks with Ctrl and
// Shift, the rubber band on the grid's gaps, the wheel, the page and arrow
// keys, the drag-out threshold and the right-click menu's items.
#include "multiview/multi_view_stage.h"

#include "core/app_state.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "core/settings/app_settings.h"
#include "core/shared_paths.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "multiview/multi_view_state.h"
#include "multiview/thumbnail_list.h"
#include "multiview/thumbnail_loaders.h"
#include "platform/dragdrop/file_drag.h"
#include "res/dialog_279_multi_control.h"
#include "tests/multiview/fake_multi_panel.h"
#include "tests/multiview/fake_thumbnail_decoder.h"
#include "tests/support/fake_print_out_printer.h"
#include "tests/support/print_dialog_script.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/synthetic_input.h"

#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

class CMultiViewStageTestAccess {
public:
    static bool Painting(const CDlgMultiViewStage& s) { return s.m_paintTimer != 0; }
};

namespace {

class MultiModeSource : public AppStateSource {
public:
    int AppMode() const override { return 2; }
};

// A folder of 20 files on a page of 3 x 3 cells (144 pixels) of the
// smallest stage, ranked and painted.
class StageInputTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_saved = AppSettings;
        AppSettings.MaxHBitmapNumber = 2000;
        AppSettings.PageChangeRange = 2;
        AppSettings.IncludeMaskFile = 1;
        AppSettings.MaxSaveSizeWidth = 10000;
        AppSettings.MaxSaveSizeHeight = 10000;
        GetMultiViewState() = MultiViewState{};
        GetMultiViewState().thumbSize = 144;
        SetAppStateSource(&m_app);
        ASSERT_TRUE(m_panel.Create());
        m_stage.SetPanelState(&m_panel);
        m_stage.List().SetThumbnailDecoder(m_decoder.Decoder());
        m_stage.List().SetAvailableMemoryMB([] { return DWORD{100000}; });
        ASSERT_TRUE(m_stage.Create(nullptr));
        m_stage.ShowWindow(SW_SHOW);
        m_folder = MakePictureFolder(m_dir, QStringLiteral("a"), 20);
        m_stage.SendMessage(WM_MULTI_FOLDER_CHANGED, reinterpret_cast<WPARAM>(&m_folder), kSortBitDate);
        ASSERT_TRUE(PumpUntil(
            [&] {
                return !m_stage.Loaders().AnyAlive() && m_stage.List().GetValidBits() == kSortBitsAll &&
                    !CMultiViewStageTestAccess::Painting(m_stage);
            },
            10000));
        ASSERT_EQ(m_stage.Grid().Columns(), 3);
        ASSERT_EQ(m_stage.Grid().Rows(), 3);
        m_panel.received.clear();
    }
    void TearDown() override
    {
        SetFileDragHookForTest({});
        m_stage.DestroyWindow();
        m_panel.DestroyWindow();
        SetAppStateSource(nullptr);
        AppSettings = m_saved;
    }

    QWidget* Widget() { return m_stage.GetWidget(); }
    // The grid's top-left corner in the stage's client area.
    QPoint GridOrigin()
    {
        RECT r{};
        m_stage.GetDlgItem(IDC_MULTI_GRID)->GetWindowRect(&r);
        POINT p{r.left, r.top};
        m_stage.ScreenToClient(&p);
        return QPoint(p.x, p.y);
    }
    QPoint CellCentre(int cell)
    {
        const RECT r = m_stage.Grid().GetCellRect(cell);
        return GridOrigin() + QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // A point in the gap left of a cell, level with its middle.
    QPoint GapLeftOf(int cell)
    {
        const RECT r = m_stage.Grid().GetCellRect(cell);
        return GridOrigin() + QPoint(r.left - 5, (r.top + r.bottom) / 2);
    }
    void Click(int cell, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        MouseClick(Widget(), CellCentre(cell), Qt::LeftButton, mods);
    }
    std::vector<int> Selected()
    {
        std::vector<int> out;
        for (int p = 0; p < m_stage.List().GetFileCount(); ++p)
            if (m_stage.List().IsSelected(p))
                out.push_back(p);
        return out;
    }
    int LastSelectedCount()
    {
        const FakePanel::Message* m = m_panel.LastOf(WM_MULTICTL_SELECTED_COUNT);
        return m ? static_cast<int>(m->wParam) : -1;
    }
    void Key(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        KeyClick(Widget(), qtKey, QString(), mods);
        PumpFor(10);
    }
    void WaitPainted()
    {
        ASSERT_TRUE(PumpUntil([&] { return !CMultiViewStageTestAccess::Painting(m_stage); }, 5000));
    }

    AppSettingsRecord m_saved;
    QTemporaryDir m_dir;
    MultiModeSource m_app;
    FakeThumbnailDecoder m_decoder;
    FakePanel m_panel;
    CDlgMultiViewStage m_stage;
    QString m_folder;
};

TEST_F(StageInputTest, ClicksWithCtrlAndShiftChooseTheFocusAndTheSelection)
{
    Click(1);
    EXPECT_EQ(m_stage.Scroll().Focus(), 1);
    EXPECT_EQ(Selected(), (std::vector<int>{1}));
    EXPECT_EQ(LastSelectedCount(), 1);

    Click(4, Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 4}));
    EXPECT_EQ(m_stage.Scroll().Focus(), 4);

    // Ctrl on the focus file unselects it and leaves no focus.
    Click(4, Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{1}));
    EXPECT_EQ(m_stage.Scroll().Focus(), -1);
    EXPECT_EQ(LastSelectedCount(), 1);

    // Shift without a focus: from the nearest selected file before the click.
    Click(5, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(m_stage.Scroll().Focus(), 5);

    // A plain click starts afresh; a press and a release on different cells is no click.
    Click(7);
    EXPECT_EQ(Selected(), (std::vector<int>{7}));
    SendMouse(Widget(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {}, CellCentre(2));
    SendMouse(Widget(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {}, CellCentre(3));
    EXPECT_EQ(Selected(), (std::vector<int>{7}));
}

TEST_F(StageInputTest, ARubberBandSelectsTheCellsItCoversAndNothingInsideAGap)
{
    // From the gap left of cell 0 (column 0) across to column 1, rows 0..1.
    const QPoint start = GapLeftOf(0);
    EXPECT_FALSE(m_stage.IsRubberBandActive());
    SendMouse(Widget(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {}, start);
    EXPECT_TRUE(m_stage.IsRubberBandActive());
    SendMouse(Widget(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {}, CellCentre(4));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 3, 4}));
    EXPECT_EQ(LastSelectedCount(), 4);
    EXPECT_EQ(m_stage.Scroll().Focus(), 4);  // the moving corner
    SendMouse(Widget(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {}, CellCentre(4));
    EXPECT_FALSE(m_stage.IsRubberBandActive());
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 3, 4}));

    // A band that stays in the gap between columns 0 and 1 selects nothing.
    const QPoint gap = GapLeftOf(3);
    SendMouse(Widget(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {}, gap);
    SendMouse(Widget(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {}, gap + QPoint(0, 200));
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(LastSelectedCount(), 0);
    SendMouse(Widget(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {}, gap + QPoint(0, 200));
    EXPECT_TRUE(Selected().empty());
}

TEST_F(StageInputTest, ABandHeldPastTheRightEdgePagesForward)
{
    SendMouse(Widget(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {}, GapLeftOf(0));
    RECT grid{};
    m_stage.GetDlgItem(IDC_MULTI_GRID)->GetClientRect(&grid);
    const QPoint edge = GridOrigin() + QPoint(grid.right - 1, 100);
    SendMouse(Widget(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {}, edge);
    EXPECT_EQ(m_stage.Scroll().First(), 9);
    // The band kept its start in the list's first column.
    EXPECT_TRUE(m_stage.List().IsSelected(0));
    SendMouse(Widget(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {}, edge);
}

TEST_F(StageInputTest, TheWheelPagesOrStepsTheThumbnailSizeWithCtrl)
{
    const QPoint centre = Widget()->mapToGlobal(CellCentre(4));
    const auto wheel = [&](short delta, UINT flags) {
        return m_stage.SendMessage(
            WM_MOUSEWHEEL, MAKEWPARAM(flags, static_cast<WORD>(delta)), MAKELPARAM(centre.x(), centre.y()));
    };
    EXPECT_EQ(wheel(0, 0), TRUE);
    EXPECT_EQ(m_stage.Scroll().First(), 0);
    wheel(-120, 0);
    EXPECT_EQ(m_stage.Scroll().First(), 9);
    // The hover reports the file under the cursor.
    EXPECT_GE(m_panel.Count(WM_MULTICTL_FILE_TEXT), 1);
    wheel(120, 0);
    EXPECT_EQ(m_stage.Scroll().First(), 0);

    wheel(120, MK_CONTROL);
    const FakePanel::Message* step = m_panel.LastOf(WM_MULTICTL_STEP_THUMB_SIZE);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(static_cast<INT_PTR>(step->wParam), 120);
    EXPECT_EQ(m_stage.Scroll().First(), 0);
}

TEST_F(StageInputTest, PageAndArrowKeysMoveThePageAndTheFocus)
{
    Click(0);
    WaitPainted();
    // PageDown acts as one wheel notch towards the end.
    Key(Qt::Key_PageDown);
    ASSERT_TRUE(PumpUntil([&] { return m_stage.Scroll().First() == 9; }, 2000));
    WaitPainted();
    Key(Qt::Key_PageUp);
    ASSERT_TRUE(PumpUntil([&] { return m_stage.Scroll().First() == 0; }, 2000));
    WaitPainted();

    m_stage.SetFocusPosition(0);
    Key(Qt::Key_Right);
    EXPECT_EQ(m_stage.Scroll().Focus(), 3);
    EXPECT_EQ(Selected(), (std::vector<int>{3}));
    Key(Qt::Key_Down);
    EXPECT_EQ(m_stage.Scroll().Focus(), 4);
    // From the last column the page moves on by one column.
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(m_stage.Scroll().Focus(), 10);
    EXPECT_EQ(m_stage.Scroll().First(), 3);
    EXPECT_EQ(Selected(), (std::vector<int>{10}));
    EXPECT_GE(m_panel.Count(WM_MULTICTL_FILE_TEXT), 1);

    // 1 and 2 switch the panel's view.
    Key(Qt::Key_2);
    const FakePanel::Message* command = m_panel.LastOf(WM_COMMAND);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(LOWORD(command->wParam), IDC_MULTICTL_PREVIEW_VIEW);
}

TEST_F(StageInputTest, InPreviewModeUpAndDownDoNothingAndRightStepsByOne)
{
    m_panel.viewMode = kMultiViewPreview;
    m_stage.SendMessage(WM_MULTI_VIEW_MODE_CHANGED, kMultiViewPreview);
    WaitPainted();
    m_stage.SetFocusPosition(0);
    Key(Qt::Key_Down);
    Key(Qt::Key_Up);
    EXPECT_EQ(m_stage.Scroll().Focus(), 0);
    Key(Qt::Key_Right);
    EXPECT_EQ(m_stage.Scroll().Focus(), 1);
    EXPECT_EQ(Selected(), (std::vector<int>{1}));
}

TEST_F(StageInputTest, ADragOfTheSelectionStartsBeyondFivePixels)
{
    QStringList dragged;
    int drags = 0;
    SetFileDragHookForTest([&](HWND, const QStringList& paths) {
        ++drags;
        dragged = paths;
        return DROPEFFECT_COPY;
    });
    Click(1);
    Click(2, Qt::ControlModifier);
    const QPoint at = CellCentre(2);
    SendMouse(Widget(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {}, at);
    SendMouse(Widget(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {}, at + QPoint(5, -5));
    EXPECT_EQ(drags, 0);
    SendMouse(Widget(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {}, at + QPoint(0, 6));
    ASSERT_EQ(drags, 1);
    ASSERT_EQ(dragged.size(), 2);
    const CThumbnailList& list = m_stage.List();
    EXPECT_EQ(dragged[0], list.GetFilePath(list.GetSortIndex(1)));
    EXPECT_EQ(dragged[1], list.GetFilePath(list.GetSortIndex(2)));
    SendMouse(Widget(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {}, at + QPoint(0, 6));
}

TEST_F(StageInputTest, TheRightClickMenuGreysWhatCannotRunAndItsCopyFilesReachesThePanel)
{
    Click(3);
    QStringList enabled;
    QStringList all;
    QTimer::singleShot(0, [&] {
        PumpUntil([] { return QApplication::activePopupWidget() != nullptr; }, 1000);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* a : menu->actions()) {
            all.append(a->text());
            if (a->isEnabled())
                enabled.append(a->text());
        }
        menu->close();
    });
    SendMouse(Widget(), QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {}, CellCentre(3));
    EXPECT_EQ(all.size(), 8);
    EXPECT_EQ(enabled,
        (QStringList{QStringLiteral("編集モードで表示"), QStringLiteral("クリップボードへコピー"),
            QStringLiteral("ファイルのコピー"), QStringLiteral("ファイル削除(単独)"),
            QStringLiteral("一括縮小変換"), QStringLiteral("ファイル名変更(個別)"),
            QStringLiteral("ファイル名変更(一括)"), QStringLiteral("印刷")}));

    m_stage.SendMessage(WM_COMMAND, MAKEWPARAM(32904, 0), 0);
    const FakePanel::Message* command = m_panel.LastOf(WM_COMMAND);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(LOWORD(command->wParam), IDC_MULTICTL_COPY_FILES);
}

TEST_F(StageInputTest, AnEmptyListTakesNoClick)
{
    m_stage.SendMessage(WM_MULTI_CLEAR);
    PumpFor(20);
    Click(0);
    EXPECT_EQ(m_panel.Count(WM_MULTICTL_SELECTED_COUNT), 0);
}

}  // namespace

namespace {

class StagePictureTest : public StageInputTest {
protected:
    int PositionOf(const QString& name)
    {
        const CThumbnailList& list = m_stage.List();
        for (int p = 0; p < list.GetFileCount(); ++p)
            if (list.GetFileName(list.GetSortIndex(p)) == name)
                return p;
        return -1;
    }
    // Replaces a file of the folder by a real picture of that size.
    void WritePicture(const QString& name, int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(qRgb(10, 120, 200));
        ASSERT_TRUE(image.save(m_folder + QLatin1Char('/') + name, "PNG"));
    }
    SIZE LoaderSize()
    {
        LONG w = 0;
        LONG h = 0;
        m_stage.List().GetFullImageLoader()->GetSize(&w, &h);
        return SIZE{w, h};
    }
};

TEST_F(StagePictureTest, AWholePictureLoadsAndThePreviewsPictureServesOnlyItsOwnFile)
{
    WritePicture(QStringLiteral("p0001.png"), 30, 20);
    WritePicture(QStringLiteral("p0002.png"), 50, 40);
    ScriptedMessageBoxes boxes;
    const int first = PositionOf(QStringLiteral("p0001.png"));
    const int second = PositionOf(QStringLiteral("p0002.png"));
    ASSERT_GE(first, 0);
    ASSERT_GE(second, 0);

    bool mustFree = false;
    EXPECT_EQ(m_stage.LoadItemImage(first, &mustFree), 1);
    EXPECT_TRUE(mustFree);
    EXPECT_EQ(LoaderSize().cx, 30);
    // Not a picture at all (its thumbnail turns into the placeholder), and no file at all.
    const int broken = PositionOf(QStringLiteral("p0000.png"));
    EXPECT_EQ(m_stage.LoadItemImage(broken, &mustFree), 0);
    EXPECT_EQ(m_stage.List().GetThumbnailState(m_stage.List().GetSortIndex(broken)).thumbnail, 0);
    EXPECT_TRUE(m_stage.List().IsThumbnailLoaded(broken));
    EXPECT_EQ(m_stage.LoadItemImage(500, &mustFree), 0);
    EXPECT_FALSE(mustFree);

    // The preview shows the first file; a command on another cell gets that cell's picture.
    m_panel.viewMode = kMultiViewPreview;
    m_stage.SendMessage(WM_MULTI_VIEW_MODE_CHANGED, kMultiViewPreview);
    WaitPainted();
    m_stage.SendMessage(WM_MULTI_SET_PREVIEW_ITEM, static_cast<WPARAM>(first));
    EXPECT_EQ(m_stage.LoadItemImage(first, &mustFree), 1);
    EXPECT_FALSE(mustFree);
    EXPECT_EQ(LoaderSize().cx, 30);
    EXPECT_EQ(m_stage.LoadItemImage(second, &mustFree), 1);
    EXPECT_TRUE(mustFree);
    EXPECT_EQ(LoaderSize().cx, 50);
    EXPECT_EQ(LoaderSize().cy, 40);
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join(u'|').toStdString();
}

TEST_F(StagePictureTest, PrintingTheFocusOrTheContextItemRunsTheDialogOnItsPicture)
{
    WritePicture(QStringLiteral("p0004.png"), 70, 30);
    FakePrintOutPrinter printer;
    ScriptedMessageBoxes boxes;
    const auto printAndClose = [](CDlgPrintOut& d) {
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PRINT_START, BN_CLICKED), 0);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PRINT_CLOSE, BN_CLICKED), 0);
    };
    // The frame's command prints the focus.
    m_stage.SetFocusPosition(PositionOf(QStringLiteral("p0004.png")));
    {
        PrintDialogScript script(printAndClose);
        EXPECT_EQ(m_stage.SendMessage(WM_MULTI_PRINT), 1);
        EXPECT_TRUE(script.Ran());
    }
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(printer.jobs[0].image.cx, 70);
    EXPECT_EQ(printer.jobs[0].image.cy, 30);
    // A file that is no picture is told and prints nothing.
    m_stage.SetFocusPosition(PositionOf(QStringLiteral("p0000.png")));
    EXPECT_EQ(m_stage.SendMessage(WM_MULTI_PRINT), 1);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("印刷データの作成に失敗しました。")});
    EXPECT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(CDlgPrintOut::Running(), nullptr);
}

TEST_F(StagePictureTest, OpeningInClipModeHandsTheFilesPathOver)
{
    const int position = PositionOf(QStringLiteral("p0003.png"));
    ASSERT_GE(position, 0);
    g_szOpenFilePath.clear();
    EXPECT_EQ(m_stage.SendMessage(WM_MULTI_OPEN_IN_CLIP_MODE, static_cast<WPARAM>(position)), 1);
    EXPECT_EQ(g_szOpenFilePath, m_folder + QStringLiteral("/p0003.png"));
}

}  // namespace
