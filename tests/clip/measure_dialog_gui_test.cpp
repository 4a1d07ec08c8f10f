// The measure panel beside a real view stage: lines drawn, dragged and moved
// with the mouse on a known image show their lengths; the scale edits and
// spins, the mouse coordinates, cancelling a line (also for no selection),
// dropping lines that no longer fit, the colours through the colour dialog's
// hook and the panel's control colours.
#include "clip/measure_dialog.h"
#include "clip/stage_messages.h"
#include "core/frame_messages.h"
#include "platform/dialog/color_dialog.h"
#include "platform/window/input_keys.h"
#include "tests/clip/view_stage_fixture.h"

namespace {

// The frame's answers with the measure panel among the windows.
class MeasureWindows : public AppStateSource {
public:
    HWND frame = nullptr;
    HWND stage = nullptr;
    HWND measure = nullptr;
    BYTE StageMode() const override { return static_cast<BYTE>(g_nStageMode); }
    HWND Window(AppWindow w) const override
    {
        switch (w) {
        case AppWindow::MainFrame:
            return frame;
        case AppWindow::ViewStage:
            return stage;
        case AppWindow::Measure:
            return measure;
        default:
            return nullptr;
        }
    }
};

class MeasurePanelGui : public ViewStageTest {
protected:
    void SetUp() override
    {
        ViewStageTest::SetUp();
        AppSettings.ViewRangeCorr = 0;
        AppSettings.HighlightZoomAreaClick = 0;
        AppSettings.ShowPixelGrid = 0;
        AppSettings.SmoothMove = 0;
        AppSettings.PixelRange = 100;
        AppSettings.VirtualRange = 100;
        AppSettings.ScaleLineWidth = 1;
        AppSettings.MeasureColor_1 = RGB(255, 0, 0);
        states.frame = frame.GetSafeHwnd();
        states.stage = stage.GetSafeHwnd();
        SetAppStateSource(&states);
        stage.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        SetColorDialogHookForTesting({});
        if (panel.GetSafeHwnd())
            panel.DestroyWindow();
        ViewStageTest::TearDown();
    }

    // A white picture shown at 1:1.
    void OpenWhite()
    {
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(Qt::white);
        ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("w.png"), picture)), 1);
        ASSERT_EQ(ViewSize().cx, 200);
    }
    void OpenPanel()
    {
        ASSERT_TRUE(panel.Create(&frame));
        states.measure = panel.GetSafeHwnd();
        // Line 1 is armed by a posted click.
        ASSERT_TRUE(PumpUntil([&] { return panel.MeasureStateNow() == kMeasureArmed; }));
    }

    CPoint ViewPoint(int x, int y) const
    {
        const RECT v = stage.ViewRectangle();
        return CPoint(v.left + x, v.top + y);
    }
    void Press(CPoint p) { stage.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void Move(CPoint p, WPARAM buttons = 0)
    {
        stage.SendMessage(WM_MOUSEMOVE, buttons, MAKELPARAM(p.x, p.y));
    }
    void Release(CPoint p) { stage.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); }
    void Click(CPoint p)
    {
        Press(p);
        Release(p);
    }
    QString Text(int id)
    {
        QString text;
        panel.GetDlgItemText(id, text);
        return text;
    }
    void ClickButton(int id) { panel.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void EditRange(int id, const QString& text)
    {
        panel.SetDlgItemText(id, text);
        panel.SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), 0);
    }
    void Spin(int id, int delta)
    {
        NMUPDOWN change;
        change.hdr.idFrom = static_cast<UINT_PTR>(id);
        change.hdr.code = UDN_DELTAPOS;
        change.iDelta = delta;
        panel.SendMessage(WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
    }
    // The client centre of swatch i on the panel.
    CPoint SwatchCentre(int i)
    {
        RECT r;
        panel.GetDlgItem(IDC_MEASURE_SWATCH_1 + i)->GetWindowRect(&r);
        panel.ScreenToClient(&r);
        return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    MeasureWindows states;
    CDlgMeasure panel;
};

}  // namespace

TEST_F(MeasurePanelGui, OpensWithTheStoredScaleAndLineOneArmed)
{
    OpenWhite();
    AppSettings.PixelRange = 5;
    AppSettings.VirtualRange = 250;
    AppSettings.ScaleLineWidth = 2;
    OpenPanel();
    EXPECT_EQ(Text(IDC_MEASURE_PIXEL_RANGE), QStringLiteral("10"));
    EXPECT_EQ(Text(IDC_MEASURE_UNIT_RANGE), QStringLiteral("250"));
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_MEASURE_WIDTH_MEDIUM), 1u);
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_MEASURE_LINE_1), 1u);
    EXPECT_EQ(panel.Lines().GetSelection().selected, 0);
    for (int i = 0; i < kMeasureLineCount; ++i)
        EXPECT_EQ(Text(IDC_MEASURE_LENGTH_1 + i), QStringLiteral("---"));

    // Enter and Esc leave the panel open.
    panel.SendMessage(WM_COMMAND, IDOK, 0);
    panel.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_NE(panel.GetSafeHwnd(), nullptr);

    // The scale goes back to the settings when the panel closes.
    panel.DestroyWindow();
    EXPECT_EQ(AppSettings.PixelRange, 10u);
    EXPECT_EQ(AppSettings.VirtualRange, 250u);
}

TEST_F(MeasurePanelGui, ALineDrawnOnTheStageShowsItsLength)
{
    OpenWhite();
    OpenPanel();
    Click(ViewPoint(10, 10));
    EXPECT_EQ(panel.MeasureStateNow(), kMeasureDrawing);
    Move(ViewPoint(10, 40));
    EXPECT_EQ(Text(IDC_MEASURE_LENGTH_1), QStringLiteral("30.00"));
    EXPECT_EQ(panel.HighlightColor(), COLORREF{255});
    Click(ViewPoint(10, 40));
    EXPECT_EQ(panel.MeasureStateNow(), kMeasureIdle);
    EXPECT_EQ(panel.HighlightColor(), COLORREF{0});
    EXPECT_EQ(Text(IDC_MEASURE_LENGTH_1), QStringLiteral("30.00"));

    // The line is drawn in line 1's colour.
    EXPECT_EQ(ViewPixel(10, 25), qRgb(255, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(ViewPixel(30, 25), qRgb(255, 255, 255) & 0xFFFFFF);

    // So many pixels count as so many units.
    EditRange(IDC_MEASURE_UNIT_RANGE, QStringLiteral("250"));
    EXPECT_EQ(Text(IDC_MEASURE_LENGTH_1), QStringLiteral("75.00"));
    EditRange(IDC_MEASURE_UNIT_RANGE, QStringLiteral("100"));

    // The end dragged further down.
    Press(ViewPoint(10, 40));
    EXPECT_EQ(panel.MeasureStateNow(), kMeasureDragging);
    Move(ViewPoint(10, 60), MK_LBUTTON);
    EXPECT_EQ(Text(IDC_MEASURE_LENGTH_1), QStringLiteral("50.00"));
    Release(ViewPoint(10, 60));
    EXPECT_EQ(panel.MeasureStateNow(), kMeasureIdle);

    // The grabbed start becomes the end that follows the mouse.
    Press(ViewPoint(10, 10));
    Move(ViewPoint(10, 0), MK_LBUTTON);
    Release(ViewPoint(10, 0));
    EXPECT_EQ(Text(IDC_MEASURE_LENGTH_1), QStringLiteral("60.00"));

    // The whole line moved by its middle.
    Press(ViewPoint(10, 30));
    EXPECT_EQ(panel.Lines().GetSelection().hitKind, kMeasureHitLine);
    Move(ViewPoint(20, 35), MK_LBUTTON);
    Release(ViewPoint(20, 35));
    const POINT a = panel.Lines().GetPoint(0, 1);
    const POINT b = panel.Lines().GetPoint(0, 2);
    EXPECT_EQ(a.x, 205000);
    EXPECT_EQ(b.x / 10000, 20);
    EXPECT_EQ(std::min(a.y, b.y), 55000);
    EXPECT_EQ(std::max(a.y, b.y), 655000);
    EXPECT_EQ(ViewPixel(20, 30), qRgb(255, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(ViewPixel(10, 30), qRgb(255, 255, 255) & 0xFFFFFF);
}

TEST_F(MeasurePanelGui, MouseCoordinatesAndAPressThatMoves)
{
    OpenWhite();
    OpenPanel();
    Move(ViewPoint(12, 34));
    EXPECT_EQ(Text(IDC_MEASURE_MOUSE), QStringLiteral("X:12 , Y:34"));
    const POINT none{-1, 7};
    panel.SendMessage(WM_MEASURE_MOUSE_POS, 0, reinterpret_cast<LPARAM>(&none));
    EXPECT_EQ(Text(IDC_MEASURE_MOUSE), QStringLiteral("X:--- , Y:---"));

    // A release more than 3 pixels from the press sets nothing.
    Press(ViewPoint(10, 10));
    Release(ViewPoint(14, 10));
    EXPECT_EQ(panel.MeasureStateNow(), kMeasureArmed);
    EXPECT_EQ(panel.PressPoint().x, -1);
    Press(ViewPoint(10, 10));
    Release(ViewPoint(13, 13));
    EXPECT_EQ(panel.MeasureStateNow(), kMeasureDrawing);
}

TEST_F(MeasurePanelGui, EscOrUncheckingCancelsTheLineBeingSet)
{
    OpenWhite();
    OpenPanel();
    Click(ViewPoint(10, 10));
    ASSERT_EQ(panel.MeasureStateNow(), kMeasureDrawing);
    MSG esc{};
    esc.hwnd = stage.GetSafeHwnd();
    esc.message = WM_KEYDOWN;
    esc.wParam = VK_ESCAPE;
    stage.PreTranslateMessage(&esc);
    EXPECT_EQ(panel.MeasureStateNow(), kMeasureIdle);
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_MEASURE_LINE_1), 0u);
    EXPECT_EQ(panel.Lines().GetPoint(0, 1).x, -1);

    // Line 3 armed, then its button released.
    panel.CheckDlgButton(IDC_MEASURE_LINE_1 + 2, 1);
    ClickButton(IDC_MEASURE_LINE_1 + 2);
    EXPECT_EQ(panel.MeasureStateNow(), kMeasureArmed);
    EXPECT_EQ(panel.Lines().GetSelection().selected, 2);
    panel.CheckDlgButton(IDC_MEASURE_LINE_1 + 2, 0);
    ClickButton(IDC_MEASURE_LINE_1 + 2);
    EXPECT_EQ(panel.MeasureStateNow(), kMeasureIdle);
    EXPECT_EQ(Text(IDC_MEASURE_LENGTH_1 + 2), QStringLiteral("---"));
}

// With no line selected (-1) or an index past the lines, cancelling touches
// no button: -1 would otherwise name the control before line 1's button.
TEST_F(MeasurePanelGui, CancellingWithoutALineSelectedDoesNothing)
{
    OpenWhite();
    OpenPanel();
    for (int selected : {-1, kMeasureLineCount}) {
        panel.Lines().SetSelection(kMeasureHitStart, selected);
        panel.SetMeasureState(kMeasureArmed);
        panel.SendMessage(WM_MEASURE_CANCEL_LINE);
        EXPECT_EQ(panel.MeasureStateNow(), kMeasureArmed);
        EXPECT_EQ(panel.IsDlgButtonChecked(IDC_MEASURE_LINE_1), 1u);
    }
}

TEST_F(MeasurePanelGui, RangeEditsAreLimitedAndSpinsStep)
{
    OpenWhite();
    OpenPanel();
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {{"5", "10"}, {"123456", "99999"}, {"", "10"}, {"abc", "10"}, {"640", "640"},
        {"99999999999999999999", "99999"}};
    for (const Case& c : cases) {
        EditRange(IDC_MEASURE_PIXEL_RANGE, QString::fromLatin1(c.typed));
        EXPECT_EQ(Text(IDC_MEASURE_PIXEL_RANGE), QString::fromLatin1(c.shown)) << c.typed;
    }
    EXPECT_EQ(panel.PixelRange(), 99999);

    AppSettings.SpinAdd_Pixel = 10;
    AppSettings.SpinAdd_Virtual = 100;
    EditRange(IDC_MEASURE_PIXEL_RANGE, QStringLiteral("100"));
    Spin(IDC_MEASURE_PIXEL_SPIN, -1);
    EXPECT_EQ(Text(IDC_MEASURE_PIXEL_RANGE), QStringLiteral("110"));
    EXPECT_EQ(panel.PixelRange(), 110);
    Spin(IDC_MEASURE_PIXEL_SPIN, 1);
    Spin(IDC_MEASURE_PIXEL_SPIN, 1);
    EXPECT_EQ(Text(IDC_MEASURE_PIXEL_RANGE), QStringLiteral("90"));
    Spin(IDC_MEASURE_UNIT_SPIN, -1);
    EXPECT_EQ(Text(IDC_MEASURE_UNIT_RANGE), QStringLiteral("200"));
    Spin(IDC_MEASURE_UNIT_ONE_SPIN, 1);
    EXPECT_EQ(Text(IDC_MEASURE_UNIT_RANGE), QStringLiteral("199"));
    EXPECT_EQ(panel.UnitRange(), 199);
    // Below the lower limit the clamped value shows.
    EditRange(IDC_MEASURE_UNIT_RANGE, QStringLiteral("10"));
    Spin(IDC_MEASURE_UNIT_ONE_SPIN, 1);
    EXPECT_EQ(Text(IDC_MEASURE_UNIT_RANGE), QStringLiteral("10"));
}

TEST_F(MeasurePanelGui, ASmallerImageDropsTheLinesThatNoLongerFit)
{
    OpenWhite();
    OpenPanel();
    Click(ViewPoint(10, 10));
    Move(ViewPoint(20, 10));
    Click(ViewPoint(20, 10));
    panel.CheckDlgButton(IDC_MEASURE_LINE_1 + 1, 1);
    ClickButton(IDC_MEASURE_LINE_1 + 1);
    Click(ViewPoint(10, 60));
    Click(ViewPoint(20, 60));
    panel.CheckDlgButton(IDC_MEASURE_LINE_1 + 2, 1);
    ClickButton(IDC_MEASURE_LINE_1 + 2);  // armed, no points

    panel.SetImageExtent(50, 50);
    EXPECT_EQ(Text(IDC_MEASURE_LENGTH_1), QStringLiteral("10.00"));
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_MEASURE_LINE_1), 1u);
    EXPECT_EQ(Text(IDC_MEASURE_LENGTH_1 + 1), QStringLiteral("---"));
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_MEASURE_LINE_1 + 1), 0u);
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_MEASURE_LINE_1 + 2), 1u);
    EXPECT_EQ(panel.MeasureStateNow(), kMeasureIdle);

    // Clearing the stage drops every drawn line.
    stage.SendMessage(WM_STAGE_NEW_VIEW, 0, 1);
    EXPECT_EQ(panel.Lines().GetPoint(0, 1).x, -1);
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_MEASURE_LINE_1), 0u);
}

TEST_F(MeasurePanelGui, SwatchesChooseTheLineColours)
{
    OpenWhite();
    OpenPanel();
    QList<COLORREF> asked;
    std::optional<COLORREF> answer = RGB(1, 2, 3);
    SetColorDialogHookForTesting([&](const ColorDialogRequest& r) {
        asked.append(r.initial);
        return answer;
    });
    const COLORREF before = MeasureLineColor(3);
    const CPoint swatch = SwatchCentre(3);

    // A press on one swatch and a release on another choose nothing.
    panel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(swatch.x, swatch.y));
    const CPoint other = SwatchCentre(4);
    panel.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(other.x, other.y));
    EXPECT_TRUE(asked.isEmpty());

    panel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(swatch.x, swatch.y));
    panel.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(swatch.x, swatch.y));
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0], before);
    EXPECT_EQ(MeasureLineColor(3), RGB(1, 2, 3));
    EXPECT_EQ(frame.Count(WM_FRAME_CLOSE_MEASURE), 0);

    // Cancel changes nothing.
    answer.reset();
    panel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(swatch.x, swatch.y));
    panel.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(swatch.x, swatch.y));
    EXPECT_EQ(MeasureLineColor(3), RGB(1, 2, 3));

    // The swatch fills with its line's colour whenever it asks for its colours.
    CWnd* control = panel.GetDlgItem(IDC_MEASURE_SWATCH_1 + 3);
    CDC* dc = control->GetDC();
    panel.OnCtlColor(dc, control, CTLCOLOR_STATIC);
    control->ReleaseDC(dc);
    EXPECT_EQ(control->GetSurface()->pixel(2, 2) & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFF);
    SetMeasureLineColor(3, before);

    // The close button asks the frame.
    ClickButton(IDC_MEASURE_CLOSE);
    EXPECT_EQ(frame.Count(WM_FRAME_CLOSE_MEASURE), 1);
}

TEST_F(MeasurePanelGui, TheSelectedLengthShowsInTheHighlightColour)
{
    OpenWhite();
    OpenPanel();
    CWnd* swatch = panel.GetDlgItem(IDC_MEASURE_SWATCH_1);
    CDC* dc = swatch->GetDC();
    const auto textColourFor = [&](int id) {
        dc->SetTextColor(RGB(9, 9, 9));
        panel.OnCtlColor(dc, panel.GetDlgItem(id), CTLCOLOR_STATIC);
        return dc->SetTextColor(RGB(9, 9, 9));
    };
    panel.SendMessage(WM_MEASURE_HIGHLIGHT, 1, 0);
    EXPECT_EQ(textColourFor(IDC_MEASURE_LENGTH_1), COLORREF{255});
    EXPECT_EQ(textColourFor(IDC_MEASURE_LENGTH_1 + 1), RGB(9, 9, 9)) << "not the selected line";
    panel.SendMessage(WM_MEASURE_HIGHLIGHT, 0, 0);
    EXPECT_EQ(textColourFor(IDC_MEASURE_LENGTH_1), COLORREF{0});
    // A highlight for no line changes the colour and repaints nothing.
    panel.SendMessage(WM_MEASURE_HIGHLIGHT, 1, -1);
    EXPECT_EQ(panel.HighlightColor(), COLORREF{255});
    swatch->ReleaseDC(dc);
}
