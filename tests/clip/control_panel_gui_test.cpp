// The control panel against a recording stage and frame: the capture buttons
// post the stage their request, the method buttons start and end the
// stage's selection and follow its answers, the size edits and spins tell
// the stage the size the panel shows, the continuous-capture row, the
// colour readout and the write-back as the panel goes.
#include "clip/control_panel.h"
#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "core/app_state.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/settings/settings_keys.h"
#include "core/shared_paths.h"
#include "core/system_figures.h"
#include "core/transform_state.h"
#include "platform/dialog/dialog_scale.h"
#include "tests/support/pump_until.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A window that keeps the private messages and commands it receives.
class Recorder : public CWnd {
public:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    QList<Message> received;

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
    QList<UINT> Commands() const
    {
        QList<UINT> ids;
        for (const Message& m : Of(WM_COMMAND))
            ids.append(LOWORD(m.wParam));
        return ids;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_USER || message == WM_COMMAND)
            received.append(Message{message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class Windows : public AppStateSource {
public:
    HWND frame = nullptr;
    HWND stage = nullptr;
    HWND panel = nullptr;
    HWND Window(AppWindow w) const override
    {
        switch (w) {
        case AppWindow::MainFrame:
            return frame;
        case AppWindow::ViewStage:
            return stage;
        case AppWindow::ControlPanel:
            return panel;
        default:
            return nullptr;
        }
    }
    RECT WindowRect(HWND w) const override
    {
        RECT r{};
        ::GetWindowRect(w, &r);
        return r;
    }
};

// The panel with a stand-in for the stage's image and view.
class TestPanel : public CDlgControlWindow {
public:
    bool hasImage = true;
    RECT visible{0, 0, 2000, 1500};
    QStringList names;
    bool hasBand = false;
    RECT band{};
    QList<RECT> cursorOn;

protected:
    bool StageBandImageRect(RECT* rect) const override
    {
        *rect = band;
        return hasBand;
    }
    void CenterCursorOnStageRect(const RECT& r) override { cursorOn.append(r); }
    bool StageHasImage() const override { return hasImage; }
    RECT StageVisibleImageRect() const override { return visible; }
    void NameStageImage(const QString& name) override { names << name; }
};

class ControlPanelGui : public testing::Test {
protected:
    void SetUp() override
    {
        m_settings = AppSettings;
        m_method = g_nRangeSelectMethod;
        ASSERT_TRUE(m_dir.isValid());
        ApplyAllSettingDefaults(AppSettings, m_dir.path() + QStringLiteral("/"), SIZE{1920, 1080});
        AppSettings.ClipHorSize = 400;
        AppSettings.ClipVerSize = 300;
        AppSettings.ClipIncVolume = 10;
        AppSettings.IsLinkSize = 0;
        AppSettings.UseContinueCapture = 1;
        AppSettings.FixSaveArea = 0;
        g_nRangeSelectMethod = 2;
        ASSERT_TRUE(frame.Make());
        ASSERT_TRUE(stage.Make());
        windows.frame = frame.GetSafeHwnd();
        windows.stage = stage.GetSafeHwnd();
        SetAppStateSource(&windows);
    }
    void TearDown() override
    {
        if (panel.GetSafeHwnd())
            panel.DestroyWindow();
        SetAppStateSource(nullptr);
        AppSettings = m_settings;
        g_nRangeSelectMethod = m_method;
        ClearTransformState();
    }
    void MakePanel()
    {
        ASSERT_TRUE(panel.Create(&frame));
        windows.panel = panel.GetSafeHwnd();
    }
    void Click(int id) { panel.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    bool Enabled(int id) const { return panel.GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    QString Text(int id) const
    {
        QString text;
        panel.GetDlgItemText(id, text);
        return text;
    }
    void ImageReady(int w, int h)
    {
        int size[2] = {w, h};
        panel.SendMessage(WM_CLIPCTL_IMAGE_READY, reinterpret_cast<WPARAM>(size));
    }
    void EditSize(int edit, const QString& text)
    {
        panel.SetDlgItemText(edit, text);
        panel.SendMessage(WM_COMMAND, MAKEWPARAM(edit, EN_KILLFOCUS), 0);
    }
    QList<Recorder::Message> StageSizes() const { return stage.Of(WM_STAGE_SET_WHEEL_RANGE); }

    QTemporaryDir m_dir;
    AppSettingsRecord m_settings;
    int m_method = 2;
    Recorder frame;
    Recorder stage;
    Windows windows;
    TestPanel panel;
};

}  // namespace

TEST_F(ControlPanelGui, CaptureButtonsPostTheStageTheirRequest)
{
    MakePanel();
    g_szCaptureTitle = QStringLiteral("old title");
    Click(IDC_PANEL_CAPTURE_FULL_SCREEN);
    // Hidden, it still answers the click the stage's pop-up sends.
    EXPECT_FALSE(panel.GetDlgItem(IDC_PANEL_CAPTURE_ACTIVE_WINDOW)->IsWindowVisible());
    Click(IDC_PANEL_CAPTURE_ACTIVE_WINDOW);
    const HWND target = frame.GetSafeHwnd();
    panel.PostMessage(WM_CLIPCTL_CAPTURE, 3, reinterpret_cast<LPARAM>(target));
    ASSERT_TRUE(PumpUntil([&] { return stage.Of(WM_STAGE_OPEN_IMAGE).size() == 3; }, 2000));

    const QList<Recorder::Message> requests = stage.Of(WM_STAGE_OPEN_IMAGE);
    EXPECT_EQ(requests[0].wParam, 2u);
    EXPECT_EQ(requests[0].lParam, 0);
    EXPECT_EQ(requests[1].wParam, 1u);
    EXPECT_EQ(requests[2].wParam, 3u);
    EXPECT_EQ(requests[2].lParam, reinterpret_cast<LPARAM>(target));
    EXPECT_EQ(panel.names, (QStringList{"full_screen.bmp", "active_window.bmp", "capture_window.bmp"}));
    EXPECT_TRUE(g_szCaptureTitle.isEmpty());
}

TEST_F(ControlPanelGui, TwoClickSelectionStartsAndEndsTheStagesSelectionAndShowsItsPoints)
{
    MakePanel();
    EXPECT_FALSE(Enabled(IDC_PANEL_TWO_CLICK_RANGE));  // no image yet
    ImageReady(640, 480);
    EXPECT_TRUE(Enabled(IDC_PANEL_TWO_CLICK_RANGE));

    Click(IDC_PANEL_TWO_CLICK_RANGE);
    EXPECT_EQ(panel.m_bSelectionOn, 1);
    EXPECT_EQ(stage.Commands(), QList<UINT>{ID_STAGE_ENTER_CLIP});
    EXPECT_FALSE(Enabled(IDC_PANEL_WHEEL_RANGE));
    EXPECT_FALSE(Enabled(IDC_PANEL_CAPTURE_FULL_SCREEN));
    EXPECT_EQ(panel.ShownImage(IDC_PANEL_TWO_CLICK_RANGE), PanelBitmapId(PanelImage::TwoClickPressed, 1));
    ASSERT_EQ(frame.Of(WM_FRAME_STATUS_GUIDE).size(), 1);
    EXPECT_EQ(frame.Of(WM_FRAME_STATUS_GUIDE)[0].wParam, 0u);
    EXPECT_EQ(frame.Of(WM_FRAME_STATUS_GUIDE)[0].lParam, 2);

    POINT first{100, 50};
    panel.SendMessage(WM_CLIPCTL_SHOW_POINT, reinterpret_cast<WPARAM>(&first), 0);
    POINT moving{40, 80};
    panel.SendMessage(WM_CLIPCTL_SHOW_POINT, reinterpret_cast<WPARAM>(&moving), 1);
    EXPECT_EQ(Text(IDC_PANEL_START), "40 : 50");
    EXPECT_EQ(Text(IDC_PANEL_SIZE), "61 : 31");
    EXPECT_EQ(Text(IDC_PANEL_END), "100 : 80");

    // The stage finished the range: the panel leaves its selection.
    panel.SendMessage(WM_CLIPCTL_SHOW_POINT, 0, 2);
    EXPECT_EQ(panel.m_bSelectionOn, 0);
    EXPECT_EQ(stage.Commands().last(), static_cast<UINT>(ID_RB_CANCEL_CLIP_RANGE));
    EXPECT_EQ(Text(IDC_PANEL_START), "--- : ---");
    EXPECT_TRUE(Enabled(IDC_PANEL_WHEEL_RANGE));
    EXPECT_TRUE(Enabled(IDC_PANEL_CAPTURE_FULL_SCREEN));
    EXPECT_EQ(panel.ShownImage(IDC_PANEL_TWO_CLICK_RANGE), PanelBitmapId(PanelImage::TwoClick, 1));
}

TEST_F(ControlPanelGui, WheelSelectionFollowsTheStagesRangeAndItsEnd)
{
    MakePanel();
    ImageReady(2500, 800);
    auto* step = dynamic_cast<CComboBox*>(panel.GetDlgItem(IDC_PANEL_STEP));
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->GetCount(), 14);

    Click(IDC_PANEL_WHEEL_RANGE);
    EXPECT_EQ(panel.m_bSelectionOn, 1);
    EXPECT_EQ(g_nRangeSelectMethod, 3);
    EXPECT_NE(step->FindStringExact(-1, kSelectAllEntry), CB_ERR);
    EXPECT_TRUE(Enabled(IDC_PANEL_WIDTH));

    // Choosing "全範囲選択" asks the stage and keeps the step.
    step->SetCurSel(step->FindStringExact(-1, kSelectAllEntry));
    panel.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PANEL_STEP, CBN_SELCHANGE), 0);
    EXPECT_EQ(stage.Of(WM_STAGE_SELECT_ALL).size(), 1);
    EXPECT_EQ(panel.Step(), 10);

    RECT range{10, 20, 109, 69};
    panel.SendMessage(WM_CLIPCTL_RANGE_DONE, reinterpret_cast<WPARAM>(&range), 1);
    EXPECT_EQ(panel.RangeWidth(), 100);
    EXPECT_EQ(panel.RangeHeight(), 50);
    EXPECT_EQ(Text(IDC_PANEL_SIZE), "100, 50");

    panel.SendMessage(WM_CLIPCTL_RANGE_DONE, 0, 2);
    EXPECT_EQ(panel.m_bSelectionOn, 0);
    EXPECT_EQ(AppSettings.ClipHorSize, 100);
    EXPECT_EQ(AppSettings.ClipVerSize, 50);
    EXPECT_EQ(step->FindStringExact(-1, kSelectAllEntry), CB_ERR);

    // An automatic clip ends the selection even when it is off already.
    stage.received.clear();
    panel.SendMessage(WM_CLIPCTL_RANGE_DONE, 0, 3);
    EXPECT_EQ(stage.Commands(), QList<UINT>{ID_RB_CANCEL_CLIP_RANGE});
    EXPECT_EQ(panel.m_bSelectionOn, 0);
}

TEST_F(ControlPanelGui, TurningOnKeepsTheRangeInsideTheVisiblePart)
{
    AppSettings.ClipHorSize = 640;
    AppSettings.ClipVerSize = 480;
    AppSettings.ClipIncVolume = 50;
    MakePanel();
    panel.visible = RECT{0, 0, 400, 300};
    ImageReady(400, 300);
    Click(IDC_PANEL_WHEEL_RANGE);
    EXPECT_EQ(panel.RangeWidth(), 320);
    EXPECT_EQ(panel.RangeHeight(), 240);
    EXPECT_EQ(panel.Step(), 30);
    EXPECT_EQ(Text(IDC_PANEL_WIDTH), "320");
    // Zooming while the selection runs fits the range again and tells the stage.
    panel.visible = RECT{0, 0, 200, 150};
    panel.SendMessage(WM_CLIPCTL_ZOOM_CHANGED, 1, 0);
    EXPECT_EQ(panel.RangeWidth(), 160);
    ASSERT_EQ(stage.Of(WM_STAGE_APPLY_RANGE_SIZE).size(), 1);
    EXPECT_EQ(stage.Of(WM_STAGE_APPLY_RANGE_SIZE)[0].wParam, 1u);
}

TEST_F(ControlPanelGui, LinkedSizeTellsTheStageTheSizeThePanelShows)
{
    AppSettings.IsLinkSize = 1;
    MakePanel();
    ImageReady(2000, 1500);
    EditSize(IDC_PANEL_WIDTH, QStringLiteral("800"));
    ASSERT_EQ(StageSizes().size(), 1);
    EXPECT_EQ(StageSizes()[0].wParam, 800u);
    EXPECT_EQ(StageSizes()[0].lParam, 600);
    EXPECT_EQ(Text(IDC_PANEL_HEIGHT), "600");
    // The next selection starts from the size shown.
    EXPECT_EQ(AppSettings.ClipHorSize, 800);
    EXPECT_EQ(AppSettings.ClipVerSize, 600);
}

TEST_F(ControlPanelGui, ARefusedLinkedSideLeavesTheStageWithTheSizesShown)
{
    AppSettings.IsLinkSize = 1;
    AppSettings.MaxSaveSizeHeight = 500;  // 4:3 with width 800 would need 600
    MakePanel();
    ImageReady(2000, 1500);
    EditSize(IDC_PANEL_WIDTH, QStringLiteral("800"));
    ASSERT_EQ(StageSizes().size(), 1);
    EXPECT_EQ(StageSizes()[0].wParam, 800u);
    EXPECT_EQ(StageSizes()[0].lParam, 300);
    EXPECT_EQ(Text(IDC_PANEL_WIDTH), "800");
    EXPECT_EQ(Text(IDC_PANEL_HEIGHT), "300");
    EXPECT_EQ(AppSettings.ClipVerSize, 300);
}

TEST_F(ControlPanelGui, UnlinkedSizeIsClampedOnlyWhileTheStageHoldsAnImage)
{
    MakePanel();
    panel.hasImage = false;
    EditSize(IDC_PANEL_WIDTH, QStringLiteral("99999"));
    EXPECT_TRUE(StageSizes().isEmpty());
    EXPECT_EQ(panel.RangeWidth(), 99999);
    panel.hasImage = true;
    EditSize(IDC_PANEL_WIDTH, QStringLiteral("99999"));
    ASSERT_EQ(StageSizes().size(), 1);
    EXPECT_EQ(static_cast<int>(StageSizes()[0].wParam), AppSettings.MaxSaveSizeWidth);
    EXPECT_EQ(StageSizes()[0].lParam, 300);
}

TEST_F(ControlPanelGui, ASpinClickChangesTheSizeByOneStep)
{
    MakePanel();
    ImageReady(2000, 1500);
    NMUPDOWN up;
    up.hdr.idFrom = IDC_PANEL_WIDTH_SPIN;
    up.hdr.code = UDN_DELTAPOS;
    up.iDelta = -1;  // the up arrow
    panel.SendMessage(WM_NOTIFY, IDC_PANEL_WIDTH_SPIN, reinterpret_cast<LPARAM>(&up.hdr));
    EXPECT_EQ(panel.RangeWidth(), 410);
    EXPECT_EQ(Text(IDC_PANEL_WIDTH), "410");
    ASSERT_EQ(StageSizes().size(), 1);
    EXPECT_EQ(StageSizes()[0].wParam, 410u);

    NMUPDOWN down = up;
    down.hdr.idFrom = IDC_PANEL_HEIGHT_SPIN;
    down.iDelta = 1;
    panel.SendMessage(WM_NOTIFY, IDC_PANEL_HEIGHT_SPIN, reinterpret_cast<LPARAM>(&down.hdr));
    EXPECT_EQ(panel.RangeHeight(), 290);
}

TEST_F(ControlPanelGui, TheContinuousCaptureRowFollowsTheOption)
{
    AppSettings.UseContinueCapture = 0;
    MakePanel();
    RECT r{};
    panel.GetWindowRect(&r);
    const int shortHeight = r.bottom - r.top;
    EXPECT_EQ(shortHeight, kDialog134ControlPanel.cy - 33);
    EXPECT_FALSE(panel.GetDlgItem(IDC_PANEL_CONTINUE_CAPTURE)->IsWindowVisible());

    AppSettings.UseContinueCapture = 1;
    panel.ShowWindow(SW_SHOW);
    panel.SendMessage(WM_CLIPCTL_UPDATE_CONTCAP_BUTTON, 0);
    panel.GetWindowRect(&r);
    EXPECT_EQ(r.bottom - r.top, shortHeight + 33);
    EXPECT_TRUE(panel.GetDlgItem(IDC_PANEL_CONTINUE_CAPTURE)->IsWindowVisible());
    panel.SendMessage(WM_CLIPCTL_UPDATE_CONTCAP_BUTTON, 0);
    panel.GetWindowRect(&r);
    EXPECT_EQ(r.bottom - r.top, shortHeight + 33);
    // Without a frame to run their dialogs the buttons stay disabled.
    EXPECT_FALSE(Enabled(IDC_PANEL_CONTINUE_CAPTURE));
    EXPECT_FALSE(Enabled(IDC_PANEL_FIXED_MODE_DIALOG));
}

TEST_F(ControlPanelGui, OnA120DpiScreenThePanelGrowsAndItsLargePicturesFitTheirButtons)
{
    struct DpiGuard {
        DpiGuard() { InitDpiScaleFromDpi(120, 120); }
        ~DpiGuard() { InitDpiScaleFromDpi(96, 96); }
    } dpi;
    ASSERT_EQ(GetIconScale(), 2);
    AppSettings.UseContinueCapture = 0;
    MakePanel();
    RECT r{};
    panel.GetWindowRect(&r);
    // Without the continuous-capture row, whose 33 template pixels are 41 here.
    EXPECT_EQ(r.right - r.left, ScaleDialogUnit(kDialog134ControlPanel.cx));
    EXPECT_EQ(r.bottom - r.top, ScaleDialogUnit(kDialog134ControlPanel.cy) - 41);
    int pictures = 0;
    for (const DialogControl& c : kDialog134ControlPanel.controls) {
        auto* button = qobject_cast<QAbstractButton*>(
            panel.GetDlgItem(c.id) ? panel.GetDlgItem(c.id)->GetWidget() : nullptr);
        if (!button || button->icon().isNull())
            continue;
        ++pictures;
        EXPECT_LE(button->iconSize().width(), button->width()) << c.id;
        EXPECT_LE(button->iconSize().height(), button->height()) << c.id;
    }
    EXPECT_GT(pictures, 5);
}

TEST_F(ControlPanelGui, ColourReadoutAndSwatch)
{
    AppSettings.ColorRadix = 16;
    MakePanel();
    panel.SendMessage(WM_CLIPCTL_SHOW_COLOR, RGB(0, 128, 255));
    EXPECT_EQ(Text(IDC_PANEL_COLOR_TEXT), QStringLiteral("赤:x00 緑:x80 青:xFF"));
    QImage* swatch = panel.GetDlgItem(IDC_PANEL_COLOR_SWATCH)->GetSurface();
    ASSERT_NE(swatch, nullptr);
    EXPECT_EQ(swatch->pixel(swatch->width() / 2, swatch->height() / 2) & 0xFFFFFF, 0x0080FFu);
    panel.SendMessage(WM_CLIPCTL_SHOW_COLOR, static_cast<WPARAM>(-1));
    EXPECT_EQ(Text(IDC_PANEL_COLOR_TEXT), "-- -- --");
}

TEST_F(ControlPanelGui, TheValuesGoBackToTheSettingsAsThePanelGoes)
{
    AppSettings.WaitForCapture = 1001;  // kept in whole milliseconds
    MakePanel();
    EXPECT_EQ(Text(IDC_PANEL_WAIT), "1.0");
    Click(IDC_PANEL_SIZE_LINK);
    EXPECT_EQ(panel.ShownImage(IDC_PANEL_SIZE_LINK), PanelBitmapId(PanelImage::Linked, 1));
    panel.DestroyWindow();
    EXPECT_EQ(AppSettings.WaitForCapture, 1001);
    EXPECT_EQ(AppSettings.IsLinkSize, 1);
    EXPECT_EQ(AppSettings.ClipHorSize, 400);
    EXPECT_EQ(AppSettings.ClipIncVolume, 10);
}

TEST_F(ControlPanelGui, ResetImageClearsTheEditStateAndTellsTheStage)
{
    MakePanel();
    g_bFlipLeftRight = 1;
    g_nRotateQuarter = 2;
    EXPECT_TRUE(CDlgControlWindow::IsImageTransformed());
    panel.SendMessage(WM_CLIPCTL_RESET_IMAGE);
    EXPECT_FALSE(CDlgControlWindow::IsImageTransformed());
    EXPECT_EQ(stage.Of(WM_STAGE_RESET_IMAGE).size(), 1);
}

TEST_F(ControlPanelGui, AnOpenTwoClickBandBecomesTheWheelRange)
{
    MakePanel();
    ImageReady(2000, 1500);
    Click(IDC_PANEL_TWO_CLICK_RANGE);
    panel.hasBand = true;
    panel.band = RECT{300, 250, 100, 50};   // as drawn: the end before the start
    panel.visible = RECT{0, 0, 200, 1500};  // the band reaches beyond the visible part
    EXPECT_EQ(panel.SendMessage(WM_CLIPCTL_SWITCH_TO_WHEEL), 1);

    const RECT expected{100, 50, 300, 250};
    EXPECT_TRUE(AppSettings.PrevSaveRect == expected);
    // The band's size, kept inside the visible part as the wheel starts.
    EXPECT_EQ(panel.RangeWidth(), 160);
    EXPECT_EQ(panel.RangeHeight(), 201);
    EXPECT_EQ(stage.Of(WM_STAGE_FIT_IMAGE).size(), 1);
    ASSERT_EQ(panel.cursorOn.size(), 1);
    EXPECT_TRUE(panel.cursorOn[0] == expected);
    // Two clicks off, the wheel on.
    EXPECT_EQ(
        stage.Commands(), (QList<UINT>{ID_STAGE_ENTER_CLIP, ID_RB_CANCEL_CLIP_RANGE, ID_STAGE_ENTER_CLIP}));
    EXPECT_EQ(g_nRangeSelectMethod, 3);
    EXPECT_EQ(panel.m_bSelectionOn, 1);
}

TEST(ControlPanelImages, EveryPictureExistsAtBothScalesTwiceAsLargeAtScaleTwo)
{
    for (int i = 0; i <= static_cast<int>(PanelImage::NotLinked); ++i) {
        const auto image = static_cast<PanelImage>(i);
        HBITMAP small = LoadPanelBitmap(PanelBitmapId(image, 1));
        HBITMAP large = LoadPanelBitmap(PanelBitmapId(image, 2));
        ASSERT_NE(small, nullptr) << i;
        ASSERT_NE(large, nullptr) << i;
        EXPECT_EQ(large->image.size(), small->image.size() * 2) << i;
        EXPECT_EQ(small->image.format(), QImage::Format_RGB32);
        DeleteObject(small);
        DeleteObject(large);
    }
    EXPECT_EQ(LoadPanelBitmap(999), nullptr);
}
