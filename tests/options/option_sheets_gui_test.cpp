// The option sheets: every control of every page writes its setting on OK
// (a table), Cancel keeps the settings apart from the tab last chosen, the
// zoom-size limit, the colour buttons through a scripted colour dialog, the
// pages' enable rules and checks, and Enter and Esc staying inside a page.
#include "options/option_containers.h"
#include "platform/controls/controls.h"
#include "platform/dialog/color_dialog.h"
#include "platform/gdi/gdi.h"
#include "tests/support/modal_script.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/synthetic_input.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSlider>
#include <QTabBar>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A setting by its name, read as a number.
struct Setting {
    const char* name;
    long long (*read)(const AppSettingsRecord&);
};
#define SETTING(member)                                                                                      \
    Setting                                                                                                  \
    {                                                                                                        \
#member, [](const AppSettingsRecord& s) { return static_cast<long long>(s.member); }                 \
    }

enum class Act { Click, Slide, Type };

struct ControlCase {
    int tab;
    Act act;
    int id;
    int value;  // the track-bar position, or the number typed
    Setting setting;
    long long expected;
};

// From the settings of OptionSheets::SetUp.
const ControlCase kClipSheetCases[] = {
    {0, Act::Click, IDC_OPTBASIC_SHOW_ZOOM, 0, SETTING(ShowZoomDlg), 0},
    {0, Act::Click, IDC_OPTBASIC_CENTER_ZOOM, 0, SETTING(CenterZoom), 1},
    {0, Act::Click, IDC_OPTBASIC_EVEN_SCALE, 0, SETTING(ViewEvenScale), 1},
    {0, Act::Click, IDC_OPTBASIC_CLIP_WINDOW_POS, 0, SETTING(IsClipWindowPos), 1},
    {0, Act::Click, IDC_OPTBASIC_CLOSE_ON_SAVE, 0, SETTING(ClipCloseOnSave), 1},
    {0, Act::Click, IDC_OPTBASIC_CLOSE_ON_CLIP, 0, SETTING(ClipCloseOnClip), 1},
    {0, Act::Click, IDC_OPTBASIC_CONTINUE_CAPTURE, 0, SETTING(UseContinueCapture), 1},
    {0, Act::Slide, IDC_OPTBASIC_ZOOM_STEP, 5, SETTING(ZoomStep), 600},
    {0, Act::Slide, IDC_OPTBASIC_ZOOM_STEP, 1, SETTING(ZoomStep), 150},
    {0, Act::Slide, IDC_OPTBASIC_ZOOM_STEP, 3, SETTING(ZoomStep), 350},
    {0, Act::Slide, IDC_OPTBASIC_MAX_ZOOM, 4, SETTING(MaxZoomMag), 20},
    {0, Act::Slide, IDC_OPTBASIC_HIT_ZOOM, 5, SETTING(HitZoomMag), 20},
    {0, Act::Slide, IDC_OPTBASIC_HIT_ZOOM, 1, SETTING(HitZoomMag), 1},
    {1, Act::Click, IDC_OPTSAVE_PNG, 0, SETTING(DefSaveFormat), 5},
    {1, Act::Click, IDC_OPTSAVE_TIFF, 0, SETTING(DefSaveFormat), 3},
    {1, Act::Click, IDC_OPTSAVE_GIF, 0, SETTING(DefSaveFormat), 4},
    {1, Act::Slide, IDC_OPTSAVE_QUALITY_SLIDER, 55, SETTING(JpegQuality), 55},
    {1, Act::Type, IDC_OPTSAVE_QUALITY_EDIT, 42, SETTING(JpegQuality), 42},
    {1, Act::Type, IDC_OPTSAVE_QUALITY_EDIT, 0, SETTING(JpegQuality), 1},
    {1, Act::Type, IDC_OPTSAVE_QUALITY_EDIT, 150, SETTING(JpegQuality), 100},
    {1, Act::Click, IDC_OPTSAVE_SHOW_QUALITY, 0, SETTING(ShowQualityDlg), 1},
    {1, Act::Click, IDC_OPTSAVE_NO_INTERPOLATE, 0, SETTING(ImageComplement), 0},
    {1, Act::Click, IDC_OPTSAVE_AUTO_NAME, 0, SETTING(MakeFilenameAuto), 0},
    {1, Act::Click, IDC_OPTSAVE_DATE, 0, SETTING(MakeFilenameHowto), 1},
    {1, Act::Click, IDC_OPTSAVE_LETTER, 0, SETTING(MakeFilenameHowto), 2},
    {1, Act::Click, IDC_OPTSAVE_DIGITS_3, 0, SETTING(MakeFilenameDigit), 3},
    {1, Act::Click, IDC_OPTSAVE_DIGITS_5, 0, SETTING(MakeFilenameDigit), 5},
    {2, Act::Click, IDC_OPTCOLOR_SHOW_GRID, 0, SETTING(ShowPixelGrid), 0},
    {2, Act::Click, IDC_OPTCOLOR_GRID_DOT, 0, SETTING(PixelGridType), 2},
    {2, Act::Slide, IDC_OPTCOLOR_GRID_LEVEL, 3, SETTING(LevelPixelGrid), 10},
    {2, Act::Slide, IDC_OPTCOLOR_GRID_LEVEL, 1, SETTING(LevelPixelGrid), 4},
    {2, Act::Click, IDC_OPTCOLOR_SHOW_MARKER, 0, SETTING(ViewCenterMarker), 0},
    {2, Act::Click, IDC_OPTCOLOR_SHOW_CORR, 0, SETTING(ViewRangeCorr), 0},
    {2, Act::Click, IDC_OPTCOLOR_CLICK_DARKEN, 0, SETTING(HighlightZoomAreaClick), 1},
    {2, Act::Click, IDC_OPTCOLOR_CLICK_BRIGHTEN, 0, SETTING(HighlightZoomAreaClick), 2},
    {2, Act::Click, IDC_OPTCOLOR_WHEEL_DARKEN, 0, SETTING(HighlightZoomAreaWheel), 1},
    {2, Act::Click, IDC_OPTCOLOR_WHEEL_BRIGHTEN, 0, SETTING(HighlightZoomAreaWheel), 2},
    {3, Act::Click, IDC_OPTSCROLL_ALWAYS, 0, SETTING(DoScrollCapture), 1},
    {3, Act::Click, IDC_OPTSCROLL_NEVER, 0, SETTING(DoScrollCapture), 0},
    {3, Act::Click, IDC_OPTSCROLL_SHOW_AREA, 0, SETTING(AfterScrollBehave), 2},
    {3, Act::Click, IDC_OPTSCROLL_CLIP_WHOLE, 0, SETTING(AfterScrollBehave), 3},
    {3, Act::Click, IDC_OPTSCROLL_CLIP_AREA, 0, SETTING(AfterScrollBehave), 4},
    {3, Act::Click, IDC_OPTSCROLL_FIXED_AREA, 0, SETTING(AfterScrollBehave), 5},
    {3, Act::Type, IDC_OPTSCROLL_WAIT, 2, SETTING(ScrollWait), 5},
    {3, Act::Type, IDC_OPTSCROLL_WAIT, 9999, SETTING(ScrollWait), 500},
    {3, Act::Type, IDC_OPTSCROLL_WAIT, 250, SETTING(ScrollWait), 250},
    {3, Act::Slide, IDC_OPTSCROLL_AMBIGUOUS, 5, SETTING(AmbiguousLeve), 5},
    {3, Act::Slide, IDC_OPTSCROLL_AMBIGUOUS, 0, SETTING(AmbiguousLeve), 0},
    {3, Act::Slide, IDC_OPTSCROLL_MATCH_LINES, 175, SETTING(MatchLineNum), 175},  // between the ticks
};

const ControlCase kMultiSheetCases[] = {
    {0, Act::Click, IDC_OPTMULTI_HALF_PAGE, 0, SETTING(PageChangeRange), 1},
    {0, Act::Click, IDC_OPTMULTI_RELOAD, 0, SETTING(ThumCoarseView), 2},
    {0, Act::Click, IDC_OPTMULTI_DBL_CLICK, 0, SETTING(Edit_DBL_Click), 0},
    {0, Act::Click, IDC_OPTMULTI_DBL_CLICK, 0, SETTING(Edit_DBL_Click_Preview), 0},  // follows it off
    {0, Act::Click, IDC_OPTMULTI_DBL_CLICK_PREVIEW, 0, SETTING(Edit_DBL_Click_Preview), 0},
    {0, Act::Click, IDC_OPTMULTI_ENTER_KEY, 0, SETTING(Edit_Enter_Key), 1},
};

// Settings that opening and OK without a touch leave as they are.
const Setting kKeptSettings[] = {
    SETTING(ShowZoomDlg),
    SETTING(CenterZoom),
    SETTING(MaxZoomMag),
    SETTING(HitZoomMag),
    SETTING(HowToFirstMessage),
    SETTING(HowToRangeClick),
    SETTING(HowToRangeWheel),
    SETTING(HowToClipSave),
    SETTING(ShowPixelGrid),
    SETTING(PixelGridType),
    SETTING(GridColor),
    SETTING(SelRangeColor),
    SETTING(SelRangeCorrSizeColorBk),
    SETTING(HighlightZoomAreaWheel),
    SETTING(JpegQuality),
    SETTING(MakeFilenameDigit),
    SETTING(ScrollWait),
    SETTING(DoScrollCapture),
    SETTING(AfterScrollBehave),
    SETTING(AmbiguousLeve),
    SETTING(MatchLineNum),
    SETTING(PageChangeRange),
    SETTING(ThumCoarseView),
    SETTING(Edit_DBL_Click_Preview),
};

class OptionSheets : public testing::Test {
protected:
    void SetUp() override
    {
        m_saved = AppSettings;
        ResetSettings();
    }
    void TearDown() override
    {
        SetColorDialogHookForTesting({});
        AppSettings = m_saved;
    }

    static void ResetSettings()
    {
        AppSettingsRecord& s = AppSettings;
        s.OptionTabNo = 0;
        s.ShowZoomDlg = 1;
        s.CenterZoom = 0;
        s.ViewEvenScale = 0;
        s.IsClipWindowPos = 0;
        s.ClipCloseOnSave = 0;
        s.ClipCloseOnClip = 0;
        s.UseContinueCapture = 0;
        s.ZoomStep = 200;
        s.MaxZoomMag = 35;
        s.HitZoomMag = 10;
        s.HowToFirstMessage = 3;
        s.HowToRangeClick = 4;
        s.HowToRangeWheel = 5;
        s.HowToClipSave = 6;
        s.ShowPixelGrid = 1;
        s.PixelGridType = 0;
        s.ViewRangeCorr = 1;
        s.ViewCenterMarker = 1;
        s.LevelPixelGrid = 6;
        s.GridColor = RGB(10, 20, 30);
        s.SelRangeColor = RGB(40, 50, 60);
        s.SelCenterMarkerColor = RGB(70, 80, 90);
        s.SelRangeCorrXYColor = RGB(1, 1, 1);
        s.SelRangeCorrSizeColor = RGB(2, 2, 2);
        s.SelRangeCorrXYColorBk = RGB(3, 3, 3);
        s.SelRangeCorrSizeColorBk = RGB(4, 4, 4);
        s.HighlightZoomAreaClick = 0;
        s.HighlightZoomAreaWheel = 0;
        s.DefSaveFormat = 2;
        s.JpegQuality = 80;
        s.ShowQualityDlg = 0;
        s.ImageComplement = 1;
        s.MakeFilenameAuto = 1;
        s.MakeFilenameOnlyCapture = 1;
        s.MakeFilenameHowto = 0;
        s.MakeFilenameDigit = 4;
        s.MakeFilenameExcludeSameFile = 0;
        s.MakeFilenameFrontStr = QStringLiteral("cap-");
        s.ScrollWait = 100;
        s.DoScrollCapture = 2;
        s.AfterScrollBehave = 1;
        s.AmbiguousLeve = 2;
        s.MatchLineNum = 100;
        s.Edit_DBL_Click = 1;
        s.Edit_DBL_Click_Preview = 1;
        s.Edit_Enter_Key = 0;
        s.ThumCoarseView = 1;
        s.PageChangeRange = 2;
    }

    static CWnd* Control(COptionSheet& sheet, int tab, int id) { return sheet.Page(tab)->GetDlgItem(id); }
    static void Click(COptionSheet& sheet, int tab, int id)
    {
        MouseClick(Control(sheet, tab, id)->GetWidget(), QPoint(5, 5));
    }
    static void ClickButton(COptionSheet& sheet, int id)
    {
        MouseClick(sheet.GetDlgItem(id)->GetWidget(), QPoint(5, 5));
    }
    // A move of the track bar as the user makes it.
    static void Slide(COptionSheet& sheet, int tab, int id, int position)
    {
        qobject_cast<QSlider*>(Control(sheet, tab, id)->GetWidget())->setSliderPosition(position);
        PumpFor(5);
    }
    static int SliderPosition(COptionSheet& sheet, int tab, int id)
    {
        return dynamic_cast<CSliderCtrl*>(Control(sheet, tab, id))->GetPos();
    }
    // Typed into the edit, then the focus leaves it.
    static void Type(COptionSheet& sheet, int tab, int id, const QString& text)
    {
        CWnd* edit = Control(sheet, tab, id);
        qobject_cast<QLineEdit*>(edit->GetWidget())->setText(text);
        edit->SendMessage(WM_KILLFOCUS, 0, 0);
    }
    static QString Shown(COptionSheet& sheet, int tab, int id)
    {
        QString text;
        sheet.Page(tab)->GetDlgItemText(id, text);
        return text;
    }
    static bool Enabled(COptionSheet& sheet, int tab, int id)
    {
        return Control(sheet, tab, id)->IsWindowEnabled();
    }
    static void ChooseTab(COptionSheet& sheet, int tab)
    {
        qobject_cast<QTabBar*>(sheet.GetDlgItem(IDC_OPTION_TABS)->GetWidget())->setCurrentIndex(tab);
    }
    static void Perform(COptionSheet& sheet, const ControlCase& c)
    {
        switch (c.act) {
        case Act::Click:
            Click(sheet, c.tab, c.id);
            break;
        case Act::Slide:
            Slide(sheet, c.tab, c.id, c.value);
            break;
        case Act::Type:
            Type(sheet, c.tab, c.id, QString::number(c.value));
            break;
        }
    }

    template <class Sheet> static INT_PTR Run(const std::function<void(Sheet&)>& script)
    {
        Sheet sheet;
        return RunModalScript<Sheet>(sheet, script);
    }

    AppSettingsRecord m_saved;
};

TEST_F(OptionSheets, EachControlWritesItsSettingOnOk)
{
    for (const ControlCase& c : kClipSheetCases) {
        ResetSettings();
        AppSettings.OptionTabNo = static_cast<UINT>(c.tab);
        const INT_PTR result = Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
            Perform(d, c);
            ClickButton(d, IDOK);
        });
        EXPECT_EQ(result, IDOK) << c.setting.name;
        EXPECT_EQ(c.setting.read(AppSettings), c.expected) << c.setting.name << " control " << c.id;
    }
    for (const ControlCase& c : kMultiSheetCases) {
        ResetSettings();
        const INT_PTR result = Run<CDlgOpOptionContainerB>([&](CDlgOpOptionContainerB& d) {
            Perform(d, c);
            ClickButton(d, IDOK);
        });
        EXPECT_EQ(result, IDOK) << c.setting.name;
        EXPECT_EQ(c.setting.read(AppSettings), c.expected) << c.setting.name << " control " << c.id;
    }
}

// Untouched track bars store their positions' values: 200 becomes 250 and
// 6 becomes 7; a format out of range opens on BMP and is stored as 1.
TEST_F(OptionSheets, OkWithoutATouchStoresTheValuesAsShown)
{
    const AppSettingsRecord baseline = AppSettings;
    AppSettings.DefSaveFormat = 0;
    UINT bmp = 9;
    int zoomPosition = 0, levelPosition = 0;
    Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
        bmp = d.Page(1)->IsDlgButtonChecked(IDC_OPTSAVE_BMP);
        zoomPosition = SliderPosition(d, 0, IDC_OPTBASIC_ZOOM_STEP);
        levelPosition = SliderPosition(d, 2, IDC_OPTCOLOR_GRID_LEVEL);
        ClickButton(d, IDOK);
    });
    EXPECT_EQ(bmp, 1u);
    EXPECT_EQ(zoomPosition, 2);
    EXPECT_EQ(levelPosition, 2);
    EXPECT_EQ(AppSettings.ZoomStep, 250u);
    EXPECT_EQ(AppSettings.LevelPixelGrid, 7);
    EXPECT_EQ(AppSettings.DefSaveFormat, 1);
    EXPECT_EQ(AppSettings.MakeFilenameFrontStr, QStringLiteral("cap-"));
    for (const Setting& setting : kKeptSettings)
        EXPECT_EQ(setting.read(AppSettings), setting.read(baseline)) << setting.name;
    ResetSettings();
    Run<CDlgOpOptionContainerB>([&](CDlgOpOptionContainerB& d) { ClickButton(d, IDOK); });
    for (const Setting& setting : kKeptSettings)
        EXPECT_EQ(setting.read(AppSettings), setting.read(baseline)) << setting.name;
}

// Cancel keeps every setting but the tab, which the next sheet opens on.
TEST_F(OptionSheets, CancelKeepsTheSettingsButRemembersTheTab)
{
    const AppSettingsRecord before = AppSettings;
    int shownAfterSwitch = -1;
    const INT_PTR result = Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
        for (const ControlCase& c : kClipSheetCases) {
            ChooseTab(d, c.tab);
            Perform(d, c);
        }
        ChooseTab(d, 2);
        shownAfterSwitch = d.ShownTab();
        ClickButton(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(shownAfterSwitch, 2);
    EXPECT_EQ(AppSettings.OptionTabNo, 2u);
    for (const ControlCase& c : kClipSheetCases)
        EXPECT_EQ(c.setting.read(AppSettings), c.setting.read(before)) << c.setting.name;
    EXPECT_EQ(AppSettings.MakeFilenameFrontStr, before.MakeFilenameFrontStr);

    int shownNext = -1, selectedNext = -1;
    Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
        shownNext = d.ShownTab();
        selectedNext = dynamic_cast<CTabCtrl*>(d.GetDlgItem(IDC_OPTION_TABS))->GetCurSel();
        d.SendMessage(WM_CLOSE);
    });
    EXPECT_EQ(shownNext, 2);
    EXPECT_EQ(selectedNext, 2);
}

// The sheet's frame: four tabs of one width with their texts, every page at
// one place and size, one page shown (none for a tab that does not exist),
// and the keyboard in the shown page's first control.
TEST_F(OptionSheets, TabsPagesAndTheFirstFocus)
{
    struct Case {
        UINT optionTab;
        int shown;
        int focusId;
    };
    const Case cases[] = {
        {0, 0, IDC_OPTBASIC_SHOW_ZOOM},
        {1, 1, IDC_OPTSAVE_SHOW_QUALITY},
        {2, 2, IDC_OPTCOLOR_RANGE_COLOR},
        {3, 3, IDC_OPTSCROLL_WAIT},
        {7, -1, 0},
    };
    for (const Case& c : cases) {
        AppSettings.OptionTabNo = c.optionTab;
        QStringList texts;
        QList<int> widths;
        QList<QRect> places;
        int shown = -2;
        bool focused = false;
        QString caption;
        Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
            auto* tabs = dynamic_cast<CTabCtrl*>(d.GetDlgItem(IDC_OPTION_TABS));
            for (int i = 0; i < tabs->GetItemCount(); ++i) {
                texts.append(qobject_cast<QTabBar*>(tabs->GetWidget())->tabText(i));
                RECT r{};
                tabs->GetItemRect(i, &r);
                widths.append(r.right - r.left);
                places.append(d.Page(i)->GetWidget()->geometry());
            }
            shown = d.ShownTab();
            caption = d.GetWindowText();
            if (c.focusId)
                focused = PumpUntil(
                    [&] {
                        return QApplication::focusWidget() == Control(d, c.shown, c.focusId)->GetWidget();
                    },
                    1000);
            ClickButton(d, IDCANCEL);
        });
        EXPECT_EQ(texts,
            (QStringList{QStringLiteral("一般"), QStringLiteral("保存"), QStringLiteral("表示色"),
                QStringLiteral("ｽｸﾛｰﾙｷｬﾌﾟﾁｬ")}));
        EXPECT_EQ(widths, (QList<int>{85, 85, 85, 85}));
        for (const QRect& place : places)
            EXPECT_EQ(place, QRect(15, 35, 460, 380));
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(caption, QStringLiteral("オプション"));
        if (c.focusId) {
            EXPECT_TRUE(focused) << c.optionTab;
        }
    }
    QStringList multiTexts;
    int multiShown = -1;
    Run<CDlgOpOptionContainerB>([&](CDlgOpOptionContainerB& d) {
        auto* tabs = dynamic_cast<CTabCtrl*>(d.GetDlgItem(IDC_OPTION_TABS));
        for (int i = 0; i < tabs->GetItemCount(); ++i)
            multiTexts.append(qobject_cast<QTabBar*>(tabs->GetWidget())->tabText(i));
        multiShown = d.ShownTab();
        ClickButton(d, IDCANCEL);
    });
    EXPECT_EQ(multiTexts, QStringList{QStringLiteral("一般")});
    EXPECT_EQ(multiShown, 0);
}

// Enter and Esc in any page, the scroll-capture page's edit among them, close
// neither the page nor the sheet.
TEST_F(OptionSheets, EnterAndEscStayInsideEveryPage)
{
    const int firstControls[] = {
        IDC_OPTBASIC_SHOW_ZOOM, IDC_OPTSAVE_QUALITY_EDIT, IDC_OPTCOLOR_RANGE_COLOR, IDC_OPTSCROLL_WAIT};
    for (int tab = 0; tab < 4; ++tab) {
        AppSettings.OptionTabNo = static_cast<UINT>(tab);
        bool sheetOpen = false, pageShown = false;
        const INT_PTR result = Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
            QWidget* control = Control(d, tab, firstControls[tab])->GetWidget();
            control->setFocus();
            PumpUntil([&] { return control->hasFocus(); }, 500);
            KeyClick(control, Qt::Key_Return, QStringLiteral("\r"));
            KeyClick(control, Qt::Key_Escape, QStringLiteral("\x1b"));
            PumpFor(10);
            sheetOpen = d.GetWidget()->isVisible();
            pageShown = d.ShownTab() == tab;
            ClickButton(d, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL) << tab;
        EXPECT_TRUE(sheetOpen) << tab;
        EXPECT_TRUE(pageShown) << tab;
    }
    bool multiOpen = false;
    Run<CDlgOpOptionContainerB>([&](CDlgOpOptionContainerB& d) {
        QWidget* control = Control(d, 0, IDC_OPTMULTI_ENTER_KEY)->GetWidget();
        control->setFocus();
        KeyClick(control, Qt::Key_Return, QStringLiteral("\r"));
        KeyClick(control, Qt::Key_Escape, QStringLiteral("\x1b"));
        PumpFor(10);
        multiOpen = d.GetWidget()->isVisible() && d.ShownTab() == 0;
        ClickButton(d, IDCANCEL);
    });
    EXPECT_TRUE(multiOpen);
}

// With the largest zoom at 10, a one-shot zoom of 15 is refused with the
// message and stays 10; lowering the largest zoom to 5 lowers the one-shot
// zoom with it, silently.
TEST_F(OptionSheets, TheOneShotZoomStaysWithinTheLargest)
{
    AppSettings.MaxZoomMag = 10;
    AppSettings.HitZoomMag = 5;
    ScriptedMessageBoxes boxes;
    int hitPosition = 0;
    QStringList texts;
    Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
        Slide(d, 0, IDC_OPTBASIC_HIT_ZOOM, 4);
        PumpUntil([&] { return !boxes.Texts().isEmpty(); }, 1000);
        hitPosition = SliderPosition(d, 0, IDC_OPTBASIC_HIT_ZOOM);
        ClickButton(d, IDOK);
    });
    EXPECT_EQ(
        boxes.Texts(), QStringList{QStringLiteral("最大ズームサイズより大きい値を指定する事は出来ません。")});
    EXPECT_EQ(hitPosition, 3);
    EXPECT_EQ(AppSettings.HitZoomMag, 10);
    EXPECT_EQ(AppSettings.MaxZoomMag, 10);

    Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
        Slide(d, 0, IDC_OPTBASIC_MAX_ZOOM, 1);
        PumpFor(20);
        hitPosition = SliderPosition(d, 0, IDC_OPTBASIC_HIT_ZOOM);
        ClickButton(d, IDOK);
    });
    EXPECT_EQ(boxes.Texts().size(), 1);
    EXPECT_EQ(hitPosition, 2);
    EXPECT_EQ(AppSettings.MaxZoomMag, 5);
    EXPECT_EQ(AppSettings.HitZoomMag, 5);
}

// Every colour button opens the colour dialog at its colour; a chosen colour
// shows in the swatch and is stored on OK, a cancelled dialog changes nothing.
TEST_F(OptionSheets, ColourButtonsChooseThroughTheColourDialog)
{
    struct ColourCase {
        int button;
        int swatch;
        Setting setting;
    };
    const ColourCase cases[] = {
        {IDC_OPTCOLOR_GRID_COLOR, IDC_OPTCOLOR_GRID_SWATCH, SETTING(GridColor)},
        {IDC_OPTCOLOR_MARKER_COLOR, IDC_OPTCOLOR_MARKER_SWATCH, SETTING(SelCenterMarkerColor)},
        {IDC_OPTCOLOR_XY_TEXT, IDC_OPTCOLOR_XY_TEXT_SWATCH, SETTING(SelRangeCorrXYColor)},
        {IDC_OPTCOLOR_XY_BACK, IDC_OPTCOLOR_XY_BACK_SWATCH, SETTING(SelRangeCorrXYColorBk)},
        {IDC_OPTCOLOR_SIZE_TEXT, IDC_OPTCOLOR_SIZE_TEXT_SWATCH, SETTING(SelRangeCorrSizeColor)},
        {IDC_OPTCOLOR_SIZE_BACK, IDC_OPTCOLOR_SIZE_BACK_SWATCH, SETTING(SelRangeCorrSizeColorBk)},
        {IDC_OPTCOLOR_RANGE_COLOR, IDC_OPTCOLOR_RANGE_SWATCH, SETTING(SelRangeColor)},
    };
    const AppSettingsRecord before = AppSettings;
    AppSettings.OptionTabNo = 2;
    QList<COLORREF> asked;
    std::optional<COLORREF> answer;
    SetColorDialogHookForTesting([&](const ColorDialogRequest& r) {
        asked.append(r.initial);
        return answer;
    });
    QList<QRgb> swatchPixels;
    Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
        auto* page = dynamic_cast<CDlgOpOptionColor*>(d.Page(2));
        for (size_t i = 0; i < std::size(cases); ++i) {
            answer.reset();  // cancelled first
            Click(d, 2, cases[i].button);
            answer = RGB(100 + static_cast<int>(i), 7, 9);
            Click(d, 2, cases[i].button);
            CWnd* swatch = page->GetDlgItem(cases[i].swatch);
            CDC* dc = swatch->GetDC();
            page->OnCtlColor(dc, swatch, CTLCOLOR_STATIC);
            swatch->ReleaseDC(dc);
            swatchPixels.append(swatch->GetSurface()->pixel(3, 3) & 0xFFFFFF);
        }
        ClickButton(d, IDOK);
    });
    ASSERT_EQ(asked.size(), 2 * static_cast<int>(std::size(cases)));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto initial = static_cast<COLORREF>(cases[i].setting.read(before));
        EXPECT_EQ(asked[static_cast<int>(2 * i)], initial) << cases[i].setting.name;
        EXPECT_EQ(asked[static_cast<int>(2 * i + 1)], initial) << cases[i].setting.name;
        EXPECT_EQ(cases[i].setting.read(AppSettings), RGB(100 + static_cast<int>(i), 7, 9))
            << cases[i].setting.name;
        EXPECT_EQ(swatchPixels[static_cast<int>(i)], qRgb(100 + static_cast<int>(i), 7, 9) & 0xFFFFFF)
            << cases[i].setting.name;
    }
}

TEST_F(OptionSheets, ColourPageEnableRules)
{
    AppSettings.OptionTabNo = 2;
    AppSettings.ShowPixelGrid = 0;
    const int gridControls[] = {
        IDC_OPTCOLOR_GRID_COLOR, IDC_OPTCOLOR_GRID_LEVEL, IDC_OPTCOLOR_GRID_LINE, IDC_OPTCOLOR_GRID_DOT};
    const int corrControls[] = {
        IDC_OPTCOLOR_XY_TEXT, IDC_OPTCOLOR_XY_BACK, IDC_OPTCOLOR_SIZE_TEXT, IDC_OPTCOLOR_SIZE_BACK};
    Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
        for (int id : gridControls)
            EXPECT_FALSE(Enabled(d, 2, id)) << id;  // at opening
        Click(d, 2, IDC_OPTCOLOR_SHOW_GRID);
        for (int id : gridControls)
            EXPECT_TRUE(Enabled(d, 2, id)) << id;
        Click(d, 2, IDC_OPTCOLOR_SHOW_CORR);
        for (int id : corrControls)
            EXPECT_FALSE(Enabled(d, 2, id)) << id;
        EXPECT_TRUE(Enabled(d, 2, IDC_OPTCOLOR_MARKER_COLOR));
        Click(d, 2, IDC_OPTCOLOR_SHOW_MARKER);
        EXPECT_FALSE(Enabled(d, 2, IDC_OPTCOLOR_MARKER_COLOR));
        // The frame's colour waits for a frame in either group.
        Click(d, 2, IDC_OPTCOLOR_CLICK_DARKEN);
        EXPECT_TRUE(Enabled(d, 2, IDC_OPTCOLOR_RANGE_COLOR));
        Click(d, 2, IDC_OPTCOLOR_WHEEL_DARKEN);
        EXPECT_FALSE(Enabled(d, 2, IDC_OPTCOLOR_RANGE_COLOR));
        EXPECT_EQ(d.Page(2)->IsDlgButtonChecked(IDC_OPTCOLOR_WHEEL_FRAME), 0u);
        Click(d, 2, IDC_OPTCOLOR_WHEEL_FRAME);
        EXPECT_TRUE(Enabled(d, 2, IDC_OPTCOLOR_RANGE_COLOR));
        ClickButton(d, IDCANCEL);
    });
}

// The front text: 31 characters or a forbidden character are refused with
// their message and the previous text comes back; the example follows the
// text, the kind and the digits; the digits wait for the serial kind.
TEST_F(OptionSheets, SavePageFrontTextExampleAndEnableRules)
{
    AppSettings.OptionTabNo = 1;
    ScriptedMessageBoxes boxes;
    QStringList shownAfter, examples;
    bool digitsAfterDate = true, kindsAfterAutoOff = true, hidden = false;
    Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
        hidden = !Control(d, 1, IDC_OPTSAVE_ONLY_CAPTURE)->IsWindowVisible() &&
            !Control(d, 1, IDC_OPTSAVE_OVERWRITE_SAME)->IsWindowVisible();
        examples.append(Shown(d, 1, IDC_OPTSAVE_EXAMPLE));
        d.Page(1)->SetDlgItemText(IDC_OPTSAVE_FRONT_TEXT, QString(31, QLatin1Char('x')));
        shownAfter.append(Shown(d, 1, IDC_OPTSAVE_FRONT_TEXT));
        d.Page(1)->SetDlgItemText(IDC_OPTSAVE_FRONT_TEXT, QStringLiteral("a:b"));
        shownAfter.append(Shown(d, 1, IDC_OPTSAVE_FRONT_TEXT));
        d.Page(1)->SetDlgItemText(IDC_OPTSAVE_FRONT_TEXT, QStringLiteral("shot_"));
        examples.append(Shown(d, 1, IDC_OPTSAVE_EXAMPLE));
        Click(d, 1, IDC_OPTSAVE_DIGITS_3);
        examples.append(Shown(d, 1, IDC_OPTSAVE_EXAMPLE));
        Click(d, 1, IDC_OPTSAVE_LETTER);
        examples.append(Shown(d, 1, IDC_OPTSAVE_EXAMPLE));
        Click(d, 1, IDC_OPTSAVE_DATE);
        examples.append(Shown(d, 1, IDC_OPTSAVE_EXAMPLE));
        digitsAfterDate = Enabled(d, 1, IDC_OPTSAVE_DIGITS_3) || Enabled(d, 1, IDC_OPTSAVE_DIGITS_4) ||
            Enabled(d, 1, IDC_OPTSAVE_DIGITS_5);
        Click(d, 1, IDC_OPTSAVE_AUTO_NAME);
        kindsAfterAutoOff = Enabled(d, 1, IDC_OPTSAVE_SERIAL) || Enabled(d, 1, IDC_OPTSAVE_FRONT_TEXT) ||
            Enabled(d, 1, IDC_OPTSAVE_EXAMPLE);
        ClickButton(d, IDOK);
    });
    EXPECT_TRUE(hidden);
    EXPECT_EQ(boxes.Texts(),
        (QStringList{QStringLiteral("最大指定文字数は30文字です。"),
            QStringLiteral("ファイル名に指定できない文字です。")}));
    EXPECT_EQ(shownAfter, (QStringList{QStringLiteral("cap-"), QStringLiteral("cap-")}));
    ASSERT_EQ(examples.size(), 5);
    EXPECT_EQ(examples[0], QStringLiteral("cap-0001"));
    EXPECT_EQ(examples[1], QStringLiteral("shot_0001"));
    EXPECT_EQ(examples[2], QStringLiteral("shot_001"));
    EXPECT_EQ(examples[3], QStringLiteral("shot_a"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^shot_\\d{8}-\\d{6}$")).match(examples[4]).hasMatch())
        << examples[4].toStdString();
    EXPECT_FALSE(digitsAfterDate);
    EXPECT_FALSE(kindsAfterAutoOff);
    EXPECT_EQ(AppSettings.MakeFilenameFrontStr, QStringLiteral("shot_"));
    EXPECT_EQ(AppSettings.MakeFilenameHowto, 1);
    EXPECT_EQ(AppSettings.MakeFilenameDigit, 3);
    EXPECT_EQ(AppSettings.MakeFilenameAuto, 0);
}

// Text that is no byte is refused as the data exchange refuses it; the
// quality and the wait stay.
TEST_F(OptionSheets, NumberEditsRefuseWhatIsNoNumber)
{
    ScriptedMessageBoxes boxes;
    QStringList shown;
    AppSettings.OptionTabNo = 1;
    Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
        Type(d, 1, IDC_OPTSAVE_QUALITY_EDIT, QStringLiteral("300"));
        shown.append(Shown(d, 1, IDC_OPTSAVE_QUALITY_EDIT));
        Type(d, 1, IDC_OPTSAVE_QUALITY_EDIT, QStringLiteral("abc"));
        shown.append(Shown(d, 1, IDC_OPTSAVE_QUALITY_EDIT));
        Type(d, 3, IDC_OPTSCROLL_WAIT, QStringLiteral("fast"));
        shown.append(Shown(d, 3, IDC_OPTSCROLL_WAIT));
        ClickButton(d, IDOK);
    });
    EXPECT_EQ(boxes.Texts().size(), 3);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("80"), QStringLiteral("80"), QStringLiteral("100")}));
    EXPECT_EQ(AppSettings.JpegQuality, 80);
    EXPECT_EQ(AppSettings.ScrollWait, 100);
}

TEST_F(OptionSheets, PagesOpenWithTheSettings)
{
    AppSettings.DoScrollCapture = 9;  // no radio: the group stays unchecked
    AppSettings.AfterScrollBehave = 4;
    AppSettings.PixelGridType = 1;
    AppSettings.HighlightZoomAreaWheel = 2;
    AppSettings.MakeFilenameHowto = 5;
    AppSettings.MakeFilenameDigit = 9;
    AppSettings.ImageComplement = 0;
    QList<UINT> checks;
    QStringList texts;
    QList<int> positions;
    Run<CDlgOpOptionContainer>([&](CDlgOpOptionContainer& d) {
        const std::pair<int, int> ids[] = {
            {0, IDC_OPTBASIC_SHOW_ZOOM},
            {0, IDC_OPTBASIC_CENTER_ZOOM},
            {1, IDC_OPTSAVE_JPEG},
            {1, IDC_OPTSAVE_NO_INTERPOLATE},
            {1, IDC_OPTSAVE_LETTER},
            {1, IDC_OPTSAVE_DIGITS_5},
            {1, IDC_OPTSAVE_AUTO_NAME},
            {2, IDC_OPTCOLOR_GRID_DOT},
            {2, IDC_OPTCOLOR_WHEEL_BRIGHTEN},
            {2, IDC_OPTCOLOR_CLICK_FRAME},
            {3, IDC_OPTSCROLL_ALWAYS},
            {3, IDC_OPTSCROLL_ASK},
            {3, IDC_OPTSCROLL_NEVER},
            {3, IDC_OPTSCROLL_CLIP_AREA},
        };
        for (const auto& [tab, id] : ids)
            checks.append(d.Page(tab)->IsDlgButtonChecked(id));
        texts << Shown(d, 1, IDC_OPTSAVE_QUALITY_EDIT) << Shown(d, 1, IDC_OPTSAVE_FRONT_TEXT)
              << Shown(d, 3, IDC_OPTSCROLL_WAIT);
        positions << SliderPosition(d, 0, IDC_OPTBASIC_MAX_ZOOM)
                  << SliderPosition(d, 0, IDC_OPTBASIC_HIT_ZOOM)
                  << SliderPosition(d, 1, IDC_OPTSAVE_QUALITY_SLIDER)
                  << SliderPosition(d, 3, IDC_OPTSCROLL_AMBIGUOUS)
                  << SliderPosition(d, 3, IDC_OPTSCROLL_MATCH_LINES);
        ClickButton(d, IDCANCEL);
    });
    EXPECT_EQ(checks, (QList<UINT>{1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1}));
    EXPECT_EQ(texts, (QStringList{QStringLiteral("80"), QStringLiteral("cap-"), QStringLiteral("100")}));
    EXPECT_EQ(positions, (QList<int>{7, 3, 80, 2, 100}));

    AppSettings.Edit_DBL_Click = 0;
    AppSettings.PageChangeRange = 1;
    AppSettings.ThumCoarseView = 2;
    QList<UINT> multiChecks;
    bool previewEnabled = true;
    Run<CDlgOpOptionContainerB>([&](CDlgOpOptionContainerB& d) {
        for (int id : {IDC_OPTMULTI_HALF_PAGE, IDC_OPTMULTI_RELOAD, IDC_OPTMULTI_DBL_CLICK,
                 IDC_OPTMULTI_DBL_CLICK_PREVIEW, IDC_OPTMULTI_ENTER_KEY})
            multiChecks.append(d.Page(0)->IsDlgButtonChecked(id));
        previewEnabled = Enabled(d, 0, IDC_OPTMULTI_DBL_CLICK_PREVIEW);
        ClickButton(d, IDCANCEL);
    });
    EXPECT_EQ(multiChecks, (QList<UINT>{1, 1, 0, 0, 0}));
    EXPECT_FALSE(previewEnabled);
}

}  // namespace
