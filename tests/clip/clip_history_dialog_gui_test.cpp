// The clip history dialog against a recording stage and panel: what it opens
// with, the rows that may be chosen, the preview, protection, edits and their
// rollback, the view state it borrows and gives back, what every way out
// stores, and the order of button 1112's messages. The last case shows the
// preview on the real view stage.
#include "clip/clip_history_dialog.h"
#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "core/app_state.h"
#include "core/settings/app_settings.h"
#include "core/settings/settings_keys.h"
#include "core/stage_state.h"
#include "tests/clip/view_stage_fixture.h"
#include "tests/support/modal_script.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <QApplication>
#include <QLineEdit>
#include <QList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// One message as a recording window saw it, with the view state of that moment.
struct Heard {
    QString window;
    UINT message;
    WPARAM wParam;
    RECT rect;  // the RECT* of the messages that carry one
    int method;
    int stageMode;
};

bool CarriesRect(UINT message)
{
    return message == WM_STAGE_VIEW_FIX_AREA || message == WM_CLIPCTL_FIX_RANGE ||
        message == WM_CLIPCTL_SET_PREV_RECT;
}

class Recorder : public CWnd {
public:
    Recorder(QString name, QList<Heard>* log) : m_name(std::move(name)), m_log(log) { }
    bool Make() { return CreateEx(0, m_name, WS_POPUP, RECT{0, 0, 120, 80}, nullptr, 0); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_USER || message == WM_COMMAND) {
            const RECT r = CarriesRect(message) && wParam ? *reinterpret_cast<const RECT*>(wParam) : RECT{};
            m_log->append(Heard{m_name, message, wParam, r, g_nRangeSelectMethod, g_nStageMode});
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    QString m_name;
    QList<Heard>* m_log;
};

class Windows : public AppStateSource {
public:
    HWND stage = nullptr;
    HWND panel = nullptr;
    HWND Window(AppWindow w) const override
    {
        return w == AppWindow::ViewStage ? stage : w == AppWindow::ControlPanel ? panel : nullptr;
    }
};

// The dialog with the stage's image size given by the test.
class TestDialog : public CDlgClipHistory {
public:
    std::optional<SIZE> image;

protected:
    std::optional<SIZE> StageImageSize() const override { return image; }
};

constexpr RECT RowRect(int row)
{
    return RECT{10 * row, 5 * row, 10 * row + 99, 5 * row + 49};
}

class ClipHistoryDialog : public testing::Test {
protected:
    void SetUp() override
    {
        m_settings = AppSettings;
        m_method = g_nRangeSelectMethod;
        m_stageMode = g_nStageMode;
        ASSERT_TRUE(m_dir.isValid());
        ApplyAllSettingDefaults(AppSettings, m_dir.path() + QStringLiteral("/"), SIZE{1920, 1080});
        for (int row = 0; row < kClipHistoryRowCount; ++row)
            AppSettings.*kClipRectMembers[row] = RowRect(row);
        AppSettings.MaxSaveSizeWidth = 4000;
        AppSettings.MaxSaveSizeHeight = 3000;
        AppSettings.ClipHistoryProtect = 0;
        AppSettings.ClipHistory = 1;
        AppSettings.PrevSaveRect = RECT{-1, -1, -1, -1};
        AppSettings.ViewRangeCorr = 1;
        AppSettings.HighlightZoomAreaWheel = 0;
        g_nRangeSelectMethod = 2;
        g_nStageMode = kStageModeNormal;
        ASSERT_TRUE(stage.Make());
        ASSERT_TRUE(panel.Make());
        windows.stage = stage.GetSafeHwnd();
        windows.panel = panel.GetSafeHwnd();
        SetAppStateSource(&windows);
        dialog.image = SIZE{800, 600};
    }
    void TearDown() override
    {
        SetAppStateSource(nullptr);
        stage.DestroyWindow();
        panel.DestroyWindow();
        AppSettings = m_settings;
        g_nRangeSelectMethod = m_method;
        g_nStageMode = m_stageMode;
    }

    INT_PTR Run(const std::function<void(CDlgClipHistory&)>& script)
    {
        return RunModalScript<CDlgClipHistory>(dialog, script);
    }
    QList<Heard> Of(const QString& window, UINT message) const
    {
        QList<Heard> found;
        for (const Heard& h : log)
            if (h.window == window && h.message == message)
                found.append(h);
        return found;
    }
    int IndexOf(const QString& window, UINT message) const
    {
        for (int i = 0; i < log.size(); ++i)
            if (log[i].window == window && log[i].message == message)
                return i;
        return -1;
    }

    static bool Enabled(CDlgClipHistory& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    static bool Checked(CDlgClipHistory& d, int id) { return d.IsDlgButtonChecked(id) == 1; }
    // The rows whose select button is marked.
    static QList<int> MarkedRows(CDlgClipHistory& d)
    {
        QList<int> rows;
        for (int row = 0; row < kClipHistoryRowCount; ++row)
            if (Checked(d, ClipHistorySelectId(row)))
                rows.append(row);
        return rows;
    }
    static QLineEdit* Box(CDlgClipHistory& d, int row, int field)
    {
        return qobject_cast<QLineEdit*>(d.GetDlgItem(ClipHistoryEditId(row, field))->GetWidget());
    }
    static QStringList Shown(CDlgClipHistory& d, int row)
    {
        QStringList values;
        for (int field = 0; field < kClipHistoryFieldCount; ++field)
            values << Box(d, row, field)->text();
        return values;
    }
    // Types into an edit as a user would (a read-only edit takes nothing),
    // then moves the focus on, which checks the value.
    static void TypeAndLeave(CDlgClipHistory& d, int row, int field, const QString& text)
    {
        QLineEdit* box = Box(d, row, field);
        box->setFocus();
        PumpUntil([&] { return box->hasFocus(); }, 500);
        box->selectAll();
        KeyClick(box, Qt::Key_Delete);
        TypeText(box, text);
        d.GetDlgItem(IDC_CLIP_HISTORY_POLICY_NEVER)->GetWidget()->setFocus();
        PumpUntil([&] { return !box->hasFocus(); }, 500);
    }
    // Esc on the focused control, as a user's key arrives.
    static void PressEscape(CDlgClipHistory& d)
    {
        KeyClick(QApplication::focusWidget() ? nullptr : d.GetWidget(), Qt::Key_Escape);
    }
    static void Click(CDlgClipHistory& d, int id)
    {
        QWidget* w = d.GetDlgItem(id)->GetWidget();
        MouseClick(w, QPoint(w->width() / 2, w->height() / 2));
    }

    QList<Heard> log;
    Recorder stage{QStringLiteral("stage"), &log};
    Recorder panel{QStringLiteral("panel"), &log};
    Windows windows;
    TestDialog dialog;

private:
    QTemporaryDir m_dir;
    AppSettingsRecord m_settings;
    int m_method = 0;
    int m_stageMode = 0;
};

TEST_F(ClipHistoryDialog, WithoutAnImageNoRowCanBeChosen)
{
    dialog.image.reset();
    AppSettings.PrevSaveRect = RowRect(4);
    bool allDisabled = true, fixedEnabled = true;
    QList<int> marked{-1};
    QStringList firstRow, policies;
    bool saveCheckVisible = true;
    Run([&](CDlgClipHistory& d) {
        for (int row = 0; row < kClipHistoryRowCount; ++row)
            allDisabled = allDisabled && !Enabled(d, ClipHistorySelectId(row));
        fixedEnabled = Enabled(d, IDC_CLIP_HISTORY_CLOSE_FIXED);
        marked = MarkedRows(d);
        firstRow = Shown(d, 1);
        for (int id = IDC_CLIP_HISTORY_POLICY_NEVER; id <= IDC_CLIP_HISTORY_POLICY_ON_SAVE; ++id)
            policies << (Checked(d, id) ? QStringLiteral("x") : QStringLiteral("-"));
        saveCheckVisible = d.GetDlgItem(IDC_CLIP_HISTORY_SAVE_CHECK)->IsWindowVisible() != FALSE;
        Click(d, IDOK);
    });
    EXPECT_TRUE(allDisabled);
    EXPECT_FALSE(fixedEnabled);
    EXPECT_TRUE(marked.isEmpty());
    EXPECT_EQ(firstRow, (QStringList{"10", "5", "109", "54", "100", "50"}));
    EXPECT_EQ(policies, (QStringList{"-", "x", "-"}));
    EXPECT_FALSE(saveCheckVisible);
    EXPECT_TRUE(Of("stage", WM_STAGE_VIEW_FIX_AREA).isEmpty());
    EXPECT_TRUE(Of("panel", WM_CLIPCTL_SET_PREV_RECT).isEmpty());
    EXPECT_EQ(AppSettings.ClipHistoryIndex, -1);
}

TEST_F(ClipHistoryDialog, TheRowOfTheLastRangeIsChosenAndPreviewedWhenItFitsTheImage)
{
    // Row 5 (index 4) is {40, 20, 139, 69}; its edges are inclusive pixels.
    struct Case {
        const char* name;
        SIZE image;
        int marked;  // -1: none
    };
    const Case cases[] = {
        {"inside", {800, 600}, 4},
        {"right edge on the last column", {140, 70}, 4},
        {"right edge one past the image", {139, 600}, -1},
        {"bottom edge one past the image", {800, 69}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        dialog.image = c.image;
        AppSettings.PrevSaveRect = RowRect(4);
        QList<int> marked;
        bool fixedEnabled = false;
        Run([&](CDlgClipHistory& d) {
            marked = MarkedRows(d);
            fixedEnabled = Enabled(d, IDC_CLIP_HISTORY_CLOSE_FIXED);
            Click(d, IDOK);
        });
        const QList<Heard> previews = Of("stage", WM_STAGE_VIEW_FIX_AREA);
        if (c.marked < 0) {
            EXPECT_TRUE(marked.isEmpty());
            EXPECT_FALSE(fixedEnabled);
            EXPECT_TRUE(previews.isEmpty());
            EXPECT_EQ(AppSettings.ClipHistoryIndex, -1);
            continue;
        }
        EXPECT_EQ(marked, QList<int>{c.marked});
        EXPECT_TRUE(fixedEnabled);
        ASSERT_FALSE(previews.isEmpty());
        EXPECT_EQ(previews.first().rect, RowRect(4));
        // Drawn as a wheel selection.
        EXPECT_EQ(previews.first().method, 3);
        EXPECT_EQ(previews.first().stageMode, kStageModeSelecting);
        EXPECT_EQ(AppSettings.ClipHistoryIndex, 4);
        const QList<Heard> prev = Of("panel", WM_CLIPCTL_SET_PREV_RECT);
        ASSERT_EQ(prev.size(), 1);
        EXPECT_EQ(prev.first().rect, RowRect(4));
    }
}

TEST_F(ClipHistoryDialog, ChoosingARowMarksOnlyItAndPreviewsItsValuesAsEdited)
{
    QList<int> marked;
    bool fixedEnabled = false;
    Run([&](CDlgClipHistory& d) {
        TypeAndLeave(d, 7, kFieldRight, QStringLiteral("300"));
        Click(d, ClipHistorySelectId(2));
        Click(d, ClipHistorySelectId(7));
        marked = MarkedRows(d);
        fixedEnabled = Enabled(d, IDC_CLIP_HISTORY_CLOSE_FIXED);
        Click(d, IDOK);
    });
    EXPECT_EQ(marked, QList<int>{7});
    EXPECT_TRUE(fixedEnabled);
    const QList<Heard> previews = Of("stage", WM_STAGE_VIEW_FIX_AREA);
    ASSERT_EQ(previews.size(), 2);
    EXPECT_EQ(previews[0].rect, RowRect(2));
    EXPECT_EQ(previews[1].rect, (RECT{70, 35, 300, 84}));
    EXPECT_EQ(AppSettings.ClipHistoryIndex, 7);
    EXPECT_EQ(AppSettings.ClipRect08_rect, (RECT{70, 35, 300, 84}));
}

TEST_F(ClipHistoryDialog, AProtectedRowTakesNoTypingUntilUnprotectedAndCancelStoresTheMask)
{
    AppSettings.ClipHistoryProtect = 1 << 3;
    bool protectedMarked = false, readOnly = false, writableAfter = false;
    QStringList typedWhileProtected, typedAfter;
    Run([&](CDlgClipHistory& d) {
        protectedMarked = Checked(d, ClipHistoryProtectId(3));
        readOnly = Box(d, 3, kFieldLeft)->isReadOnly() && Box(d, 3, kFieldBottom)->isReadOnly();
        TypeAndLeave(d, 3, kFieldLeft, QStringLiteral("7"));
        typedWhileProtected = Shown(d, 3);
        Click(d, ClipHistoryProtectId(3));  // off
        Click(d, ClipHistoryProtectId(9));  // on
        writableAfter = !Box(d, 3, kFieldLeft)->isReadOnly() && Box(d, 9, kFieldTop)->isReadOnly();
        TypeAndLeave(d, 3, kFieldLeft, QStringLiteral("7"));
        typedAfter = Shown(d, 3);
        Click(d, IDC_CLIP_HISTORY_POLICY_ON_SAVE);
        PressEscape(d);
    });
    EXPECT_TRUE(protectedMarked);
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(typedWhileProtected, (QStringList{"30", "15", "129", "64", "100", "50"}));
    EXPECT_TRUE(writableAfter);
    EXPECT_EQ(typedAfter, (QStringList{"7", "15", "129", "64", "123", "50"}));
    // Cancel (Esc) stores as OK does.
    EXPECT_EQ(AppSettings.ClipHistoryProtect, 1 << 9);
    EXPECT_EQ(AppSettings.ClipRect04_rect, (RECT{7, 15, 129, 64}));
    EXPECT_EQ(AppSettings.ClipHistory, 2);
}

TEST_F(ClipHistoryDialog, AnEdgeThatBreaksTheRowIsPutBackAndTheSizeFollowsTheOthers)
{
    struct Step {
        const char* name;
        int field;
        const char* typed;
        QStringList shown;  // row 1 after the step
    };
    // Row 1 is {10, 5, 109, 54}; the largest save size is 4000 x 3000.
    const Step steps[] = {
        {"right smaller than left", kFieldRight, "9", {"10", "5", "109", "54", "100", "50"}},
        {"right moves", kFieldRight, "209", {"10", "5", "209", "54", "200", "50"}},
        {"top beyond bottom", kFieldTop, "55", {"10", "5", "209", "54", "200", "50"}},
        {"bottom moves", kFieldBottom, "5", {"10", "5", "209", "5", "200", "1"}},
        {"empty", kFieldLeft, "", {"10", "5", "209", "5", "200", "1"}},
        {"beyond the largest save width", kFieldRight, "4000", {"10", "5", "209", "5", "200", "1"}},
        {"left moves", kFieldLeft, "0", {"0", "5", "209", "5", "210", "1"}},
    };
    QList<QStringList> shown;
    Run([&](CDlgClipHistory& d) {
        for (const Step& s : steps) {
            TypeAndLeave(d, 1, s.field, QString::fromLatin1(s.typed));
            shown << Shown(d, 1);
        }
        Click(d, IDOK);
    });
    ASSERT_EQ(shown.size(), static_cast<int>(std::size(steps)));
    for (std::size_t i = 0; i < std::size(steps); ++i)
        EXPECT_EQ(shown[static_cast<int>(i)], steps[i].shown) << steps[i].name;
    EXPECT_EQ(AppSettings.ClipRect02_rect, (RECT{0, 5, 209, 5}));
}

TEST_F(ClipHistoryDialog, AChosenRowEditedOutOfTheImageIsChosenNoMore)
{
    AppSettings.PrevSaveRect = RowRect(2);  // {20, 10, 119, 59}; the image is 800 x 600
    QList<int> before, after;
    bool selectEnabled = true, fixedEnabled = true;
    Run([&](CDlgClipHistory& d) {
        before = MarkedRows(d);
        TypeAndLeave(d, 2, kFieldRight, QStringLiteral("800"));
        after = MarkedRows(d);
        selectEnabled = Enabled(d, ClipHistorySelectId(2));
        fixedEnabled = Enabled(d, IDC_CLIP_HISTORY_CLOSE_FIXED);
        Click(d, IDOK);
    });
    EXPECT_EQ(before, QList<int>{2});
    EXPECT_TRUE(after.isEmpty());
    EXPECT_FALSE(selectEnabled);
    EXPECT_FALSE(fixedEnabled);
    EXPECT_EQ(AppSettings.ClipHistoryIndex, -1);
    EXPECT_TRUE(Of("panel", WM_CLIPCTL_SET_PREV_RECT).isEmpty());
}

TEST_F(ClipHistoryDialog, WhileOpenTheStageDrawsAWheelSelectionAndEveryWayOutGivesTheViewBack)
{
    struct Way {
        const char* name;
        std::function<void(CDlgClipHistory&)> leave;
        INT_PTR result;
    };
    const Way ways[] = {
        {"閉じる", [](CDlgClipHistory& d) { Click(d, IDOK); }, IDOK},
        {"Esc", [](CDlgClipHistory& d) { PressEscape(d); }, IDCANCEL},
        {"close box", [](CDlgClipHistory& d) { d.SendMessage(WM_CLOSE); }, IDCANCEL},
        {"button 1112",
            [](CDlgClipHistory& d) {
                Click(d, ClipHistorySelectId(0));
                Click(d, IDC_CLIP_HISTORY_CLOSE_FIXED);
            },
            IDOK},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        log.clear();
        for (BYTE highlight : {BYTE(0), BYTE(2)}) {
            AppSettings.HighlightZoomAreaWheel = highlight;
            int method = 0, stageMode = 0, rangeCorr = -1, wheel = -1;
            const INT_PTR result = Run([&](CDlgClipHistory& d) {
                method = g_nRangeSelectMethod;
                stageMode = g_nStageMode;
                rangeCorr = AppSettings.ViewRangeCorr;
                wheel = AppSettings.HighlightZoomAreaWheel;
                way.leave(d);
            });
            EXPECT_EQ(result, way.result);
            EXPECT_EQ(method, 3);
            EXPECT_EQ(stageMode, kStageModeSelecting);
            EXPECT_EQ(rangeCorr, 0);
            EXPECT_EQ(wheel, highlight == 0 ? 1 : highlight);
            EXPECT_EQ(g_nRangeSelectMethod, 2);
            EXPECT_EQ(g_nStageMode, kStageModeNormal);
            EXPECT_EQ(AppSettings.ViewRangeCorr, 1);
            EXPECT_EQ(AppSettings.HighlightZoomAreaWheel, highlight);
            EXPECT_FALSE(Of("stage", WM_STAGE_RENDER).isEmpty());
        }
    }
}

TEST_F(ClipHistoryDialog, Button1112FixesTheEditedRowThenStartsTheWheelSelectionAfterTheViewIsBack)
{
    const INT_PTR result = Run([&](CDlgClipHistory& d) {
        Click(d, ClipHistorySelectId(5));  // {50, 25, 149, 74}
        TypeAndLeave(d, 5, kFieldBottom, QStringLiteral("99"));
        Click(d, IDC_CLIP_HISTORY_CLOSE_FIXED);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_TRUE(PumpUntil(
        [&] { return IndexOf("panel", WM_COMMAND) >= 0 && IndexOf("stage", WM_STAGE_CENTER_CURSOR) >= 0; }));
    const RECT edited{50, 25, 149, 99};
    const int fix = IndexOf("panel", WM_CLIPCTL_FIX_RANGE);
    const int prev = IndexOf("panel", WM_CLIPCTL_SET_PREV_RECT);
    const int render = IndexOf("stage", WM_STAGE_RENDER);
    const int command = IndexOf("panel", WM_COMMAND);
    const int centre = IndexOf("stage", WM_STAGE_CENTER_CURSOR);
    ASSERT_GE(fix, 0);
    EXPECT_EQ(log[fix].rect, edited);
    EXPECT_EQ(log[prev].rect, edited);
    // Fixed range sent, the closing's messages sent, then the posted pair.
    EXPECT_LT(fix, prev);
    EXPECT_LT(prev, render);
    EXPECT_LT(render, command);
    EXPECT_LT(command, centre);
    EXPECT_EQ(log[command].wParam, MAKEWPARAM(IDC_PANEL_WHEEL_RANGE, BN_CLICKED));
    // The panel starts its wheel selection on the view state from before the dialog.
    EXPECT_EQ(log[command].method, 2);
    EXPECT_EQ(log[command].stageMode, kStageModeNormal);
    EXPECT_EQ(AppSettings.ClipRect06_rect, edited);
    EXPECT_EQ(AppSettings.ClipHistoryIndex, 5);
}

TEST_F(ClipHistoryDialog, AValueTypedJustBeforeLeavingCounts)
{
    // Enter in an edit presses "閉じる"; button 1112 takes no focus from the edit it is clicked after.
    struct Way {
        const char* name;
        int leave;  // IDOK: Enter, else the button clicked
    };
    const Way ways[] = {{"Enter", IDOK}, {"button 1112", IDC_CLIP_HISTORY_CLOSE_FIXED}};
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        log.clear();
        AppSettings.ClipRect03_rect = RowRect(2);  // {20, 10, 119, 59}
        Run([&](CDlgClipHistory& d) {
            Click(d, ClipHistorySelectId(2));
            QLineEdit* box = Box(d, 2, kFieldRight);
            box->setFocus();
            PumpUntil([&] { return box->hasFocus(); }, 500);
            box->selectAll();
            TypeText(box, QStringLiteral("150"));
            if (way.leave == IDOK)
                KeyClick(box, Qt::Key_Return);
            else
                Click(d, way.leave);
        });
        const RECT typed{20, 10, 150, 59};
        EXPECT_EQ(AppSettings.ClipRect03_rect, typed);
        const QList<Heard> prev = Of("panel", WM_CLIPCTL_SET_PREV_RECT);
        ASSERT_EQ(prev.size(), 1);
        EXPECT_EQ(prev.first().rect, typed);
        if (way.leave == IDC_CLIP_HISTORY_CLOSE_FIXED) {
            const QList<Heard> fixed = Of("panel", WM_CLIPCTL_FIX_RANGE);
            ASSERT_EQ(fixed.size(), 1);
            EXPECT_EQ(fixed.first().rect, typed);
        }
        PumpFor(20);  // the posted messages of 1112 land before the next round
    }
}

TEST_F(ClipHistoryDialog, AMoveAfterShowingRepeatsThePreviewOrRedrawsTheStage)
{
    int previewsBefore = 0;
    bool repeated = false, rendered = false;
    Run([&](CDlgClipHistory& d) {
        ::PostMessage(d.GetSafeHwnd(), WM_MOVE, 0, 0);
        rendered = PumpUntil([&] { return !Of("stage", WM_STAGE_RENDER).isEmpty(); }, 1000);
        Click(d, ClipHistorySelectId(6));
        previewsBefore = static_cast<int>(Of("stage", WM_STAGE_VIEW_FIX_AREA).size());
        ::PostMessage(d.GetSafeHwnd(), WM_MOVE, 0, 0);
        repeated =
            PumpUntil([&] { return Of("stage", WM_STAGE_VIEW_FIX_AREA).size() > previewsBefore; }, 1000);
        Click(d, IDOK);
    });
    EXPECT_TRUE(rendered);
    EXPECT_TRUE(repeated);
    EXPECT_EQ(Of("stage", WM_STAGE_VIEW_FIX_AREA).last().rect, RowRect(6));
}

// The dialog with the real view stage: the chosen row shows as the
// highlighted range, and the closing draws the plain view again.
class StageAndPanel : public StageWindows {
public:
    HWND stage = nullptr;
    HWND Window(AppWindow w) const override
    {
        return w == AppWindow::ViewStage ? stage : StageWindows::Window(w);
    }
};

class ClipHistoryOnTheStage : public ViewStageTest {
protected:
    void SetUp() override
    {
        ViewStageTest::SetUp();
        OpenPanel();
        both.panel = panel.GetSafeHwnd();
        both.stage = stage.GetSafeHwnd();
        SetAppStateSource(&both);
        AppSettings.HighlightZoomAreaWheel = 0;
        AppSettings.ViewCenterMarker = 0;
        AppSettings.ShowPixelGrid = 0;
        stage.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        g_nStageMode = kStageModeNormal;
        ViewStageTest::TearDown();
    }
    StageAndPanel both;
};

TEST_F(ClipHistoryOnTheStage, TheChosenRowIsShownHighlightedUntilTheDialogCloses)
{
    ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("p.png"), PatternImage(400, 300))), 1);
    const RECT row{100, 80, 199, 149};
    AppSettings.ClipRect03_rect = row;
    AppSettings.PrevSaveRect = row;
    PumpFor(50);  // the stage's own paints after opening are done
    // Shown one to one: view pixels are image pixels.
    ASSERT_EQ(stage.Zoom().VisibleWidth(), stage.Zoom().clientWidth);
    const QRgb outsideBefore = ViewPixel(50, 40), insideBefore = ViewPixel(150, 100);

    QRgb outsideDuring = 0, insideDuring = 0;
    bool marked = false;
    CDlgClipHistory d;
    RunModalScript<CDlgClipHistory>(d, [&](CDlgClipHistory& dialog) {
        marked = dialog.IsDlgButtonChecked(ClipHistorySelectId(2)) == 1;
        outsideDuring = ViewPixel(50, 40);
        insideDuring = ViewPixel(150, 100);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_TRUE(marked);
    EXPECT_EQ(insideDuring, insideBefore);
    EXPECT_NE(outsideDuring, outsideBefore);
    EXPECT_EQ(ViewPixel(50, 40), outsideBefore);
    EXPECT_EQ(panel.Count(WM_CLIPCTL_SET_PREV_RECT), 1);
}

}  // namespace
