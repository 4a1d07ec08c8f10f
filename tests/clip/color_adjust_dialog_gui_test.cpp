// The colour-adjustment dialog against the real view stage holding a grey
// picture: sliders (mouse and keys), number boxes and spins change the
// stage's pixels at once, linked channels follow, Center restores, the
// position is kept, and Esc asks the frame to close the dialog.
#include "clip/color_adjust_dialog.h"
#include "clip/stage_messages.h"
#include "core/frame_messages.h"
#include "platform/controls/controls.h"
#include "tests/clip/view_stage_fixture.h"
#include "tests/support/synthetic_input.h"

#include <QAbstractSlider>
#include <QToolButton>

#include <memory>

namespace {

constexpr int kGrey = 128;  // every offset shows in the picture

// The stage and the recording frame are the program's windows.
class ContrastWindows : public StageWindows {
public:
    HWND stage = nullptr;
    HWND mainFrame = nullptr;
    HWND Window(AppWindow w) const override
    {
        if (w == AppWindow::ViewStage)
            return stage;
        if (w == AppWindow::MainFrame)
            return mainFrame;
        return StageWindows::Window(w);
    }
};

class ColorAdjustDialogGui : public ViewStageTest {
protected:
    void SetUp() override
    {
        ViewStageTest::SetUp();
        if (HasFatalFailure())
            return;
        contrastWindows.stage = stage.GetSafeHwnd();
        contrastWindows.mainFrame = frame.GetSafeHwnd();
        SetAppStateSource(&contrastWindows);
        AppSettings.LinkRed = AppSettings.LinkGreen = AppSettings.LinkBlue = 0;
        QImage grey(40, 30, QImage::Format_RGB32);
        grey.fill(qRgb(kGrey, kGrey, kGrey));
        ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("grey.png"), grey)), 1);
        stage.SendMessage(WM_STAGE_CONTRAST_BEGIN);
        frame.received.clear();
    }
    void TearDown() override
    {
        CloseDialog();
        ViewStageTest::TearDown();
    }

    CDlgContrast& OpenDialog()
    {
        dialog = std::make_unique<CDlgContrast>(&frame);
        EXPECT_TRUE(dialog->Create(&frame));
        dialog->ShowWindow(SW_SHOW);
        return *dialog;
    }
    void CloseDialog()
    {
        if (dialog)
            dialog->DestroyWindow();
        dialog.reset();
    }

    QWidget* Control(int id) { return dialog->GetDlgItem(id)->GetWidget(); }
    int SliderPos(int id) { return static_cast<CSliderCtrl*>(dialog->GetDlgItem(id))->GetPos(); }
    QString Box(int id)
    {
        QString text;
        dialog->GetDlgItemText(id, text);
        return text;
    }
    // Types into a number box and moves the focus on, as the user leaves it.
    void TypeInto(int id, const QString& text)
    {
        QWidget* box = Control(id);
        box->activateWindow();
        box->setFocus();
        ASSERT_TRUE(PumpUntil([&] { return box->hasFocus(); }, 500));
        dialog->SetDlgItemText(id, text);
        Control(IDC_CONTRAST_CENTER)->setFocus();
        PumpFor(5);
    }
    void Spin(int id, bool up)
    {
        const auto buttons = Control(id)->findChildren<QToolButton*>();
        ASSERT_EQ(buttons.size(), 2);
        for (QToolButton* b : buttons)
            if ((b->arrowType() == Qt::UpArrow) == up)
                b->click();
    }
    // The picture's colour on screen, as offsets from the grey.
    ContrastValues Shown()
    {
        const QRgb p = ViewPixel(20, 15);
        return {qRed(p) - kGrey, qGreen(p) - kGrey, qBlue(p) - kGrey};
    }
    ContrastValues Boxes()
    {
        return {Box(IDC_CONTRAST_VALUE_RED).toInt(), Box(IDC_CONTRAST_VALUE_GREEN).toInt(),
            Box(IDC_CONTRAST_VALUE_BLUE).toInt()};
    }
    ContrastValues Sliders()
    {
        return {SliderPos(IDC_CONTRAST_SLIDER_RED), SliderPos(IDC_CONTRAST_SLIDER_GREEN),
            SliderPos(IDC_CONTRAST_SLIDER_BLUE)};
    }
    // What the dialog shows agrees with the picture.
    void ExpectEverywhere(const ContrastValues& v)
    {
        EXPECT_EQ(Shown(), v);
        EXPECT_EQ(Boxes(), v);
        EXPECT_EQ(Sliders(), v);
        EXPECT_EQ(dialog->Values(), v);
    }

    ContrastWindows contrastWindows;
    std::unique_ptr<CDlgContrast> dialog;
};

TEST_F(ColorAdjustDialogGui, ASliderDragCountsWhenReleased)
{
    OpenDialog();
    ExpectEverywhere({0, 0, 0});
    QWidget* slider = Control(IDC_CONTRAST_SLIDER_RED);
    const QPoint centre = slider->rect().center();  // the thumb of 0
    const QPoint right = centre + QPoint(40, 0);
    SendMouse(slider, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier, centre);
    SendMouse(slider, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Qt::NoModifier, right);
    const int dragged = SliderPos(IDC_CONTRAST_SLIDER_RED);
    EXPECT_GT(dragged, 0);
    SendMouse(slider, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::NoModifier, right);
    ExpectEverywhere({dragged, 0, 0});
}

TEST_F(ColorAdjustDialogGui, SliderKeysAndTheWheelApplyAtOnce)
{
    OpenDialog();
    QWidget* green = Control(IDC_CONTRAST_SLIDER_GREEN);
    green->setFocus();
    KeyClick(green, Qt::Key_Right);
    ExpectEverywhere({0, 1, 0});
    KeyClick(green, Qt::Key_PageUp);
    const int paged = SliderPos(IDC_CONTRAST_SLIDER_GREEN);
    EXPECT_EQ(std::abs(paged - 1), 10);
    ExpectEverywhere({0, paged, 0});
    KeyClick(green, Qt::Key_End);
    ExpectEverywhere({0, 127, 0});
    KeyClick(green, Qt::Key_Home);
    ExpectEverywhere({0, -127, 0});

    QWidget* blue = Control(IDC_CONTRAST_SLIDER_BLUE);
    QWheelEvent wheel(QPointF(blue->rect().center()), QPointF(blue->mapToGlobal(blue->rect().center())),
        QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(blue, &wheel);
    const int wheeled = SliderPos(IDC_CONTRAST_SLIDER_BLUE);
    EXPECT_NE(wheeled, 0);
    ExpectEverywhere({0, -127, wheeled});
}

TEST_F(ColorAdjustDialogGui, NumberBoxesCountWhenLeftAndSpinsStepByOne)
{
    OpenDialog();
    TypeInto(IDC_CONTRAST_VALUE_RED, QStringLiteral("300"));
    ExpectEverywhere({127, 0, 0});
    TypeInto(IDC_CONTRAST_VALUE_BLUE, QStringLiteral(" -45 "));
    ExpectEverywhere({127, 0, -45});
    TypeInto(IDC_CONTRAST_VALUE_BLUE, QStringLiteral("abc"));  // not a number: the value stays
    ExpectEverywhere({127, 0, -45});

    Spin(IDC_CONTRAST_SPIN_GREEN, true);
    ExpectEverywhere({127, 1, -45});
    Spin(IDC_CONTRAST_SPIN_GREEN, false);
    Spin(IDC_CONTRAST_SPIN_GREEN, false);
    ExpectEverywhere({127, -1, -45});
    Spin(IDC_CONTRAST_SPIN_RED, true);  // at the top already
    ExpectEverywhere({127, -1, -45});
}

TEST_F(ColorAdjustDialogGui, LinkedChannelsFollowAndCenterRestores)
{
    AppSettings.LinkGreen = 1;
    OpenDialog();
    EXPECT_EQ(dialog->IsDlgButtonChecked(IDC_CONTRAST_LINK_GREEN), 1u);
    EXPECT_EQ(dialog->IsDlgButtonChecked(IDC_CONTRAST_LINK_RED), 0u);
    TypeInto(IDC_CONTRAST_VALUE_RED, QStringLiteral("20"));
    ExpectEverywhere({20, 20, 0});

    // A click on a link box is kept at once.
    MouseClick(Control(IDC_CONTRAST_LINK_BLUE), QPoint(5, 5));
    EXPECT_EQ(AppSettings.LinkBlue, 1);
    Spin(IDC_CONTRAST_SPIN_BLUE, true);
    ExpectEverywhere({20, 1, 1});
    MouseClick(Control(IDC_CONTRAST_LINK_GREEN), QPoint(5, 5));
    EXPECT_EQ(AppSettings.LinkGreen, 0);

    MouseClick(Control(IDC_CONTRAST_CENTER), Control(IDC_CONTRAST_CENTER)->rect().center());
    ExpectEverywhere({0, 0, 0});
    EXPECT_EQ(ViewPixel(20, 15), qRgb(kGrey, kGrey, kGrey) & 0xFFFFFF);
}

TEST_F(ColorAdjustDialogGui, ReopeningShowsTheOffsetsTheStageHolds)
{
    OpenDialog();
    TypeInto(IDC_CONTRAST_VALUE_RED, QStringLiteral("20"));
    TypeInto(IDC_CONTRAST_VALUE_BLUE, QStringLiteral("-7"));
    CloseDialog();
    stage.SendMessage(WM_STAGE_CONTRAST_END);
    EXPECT_EQ(Shown(), (ContrastValues{20, 0, -7}));  // closing keeps the picture
    stage.SendMessage(WM_STAGE_CONTRAST_BEGIN);
    OpenDialog();
    ExpectEverywhere({20, 0, -7});
    // The next change starts from the unadjusted picture.
    TypeInto(IDC_CONTRAST_VALUE_GREEN, QStringLiteral("3"));
    ExpectEverywhere({20, 3, -7});
}

TEST_F(ColorAdjustDialogGui, ItOpensAtTheStageOrWhereItWasLeft)
{
    RECT stageRect{};
    stage.GetWindowRect(&stageRect);
    struct Case {
        int x, y;
        POINT expected;
    };
    const Case cases[] = {
        {-1, -1, {stageRect.left, stageRect.top}},
        {300, -1, {stageRect.left, stageRect.top}},
        {-1, 200, {stageRect.left, stageRect.top}},
        {300, 200, {300, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        AppSettings.ContrastDlgPosX = c.x;
        AppSettings.ContrastDlgPosY = c.y;
        OpenDialog();
        RECT r{};
        dialog->GetWindowRect(&r);
        EXPECT_EQ(r.left, c.expected.x);
        EXPECT_EQ(r.top, c.expected.y);
        // Placing it is not a move of the user's.
        EXPECT_EQ(AppSettings.ContrastDlgPosX, c.x);
        EXPECT_EQ(AppSettings.ContrastDlgPosY, c.y);
        CloseDialog();
    }
    OpenDialog();
    dialog->SetWindowPos(nullptr, 410, 220, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT r{};
    dialog->GetWindowRect(&r);
    EXPECT_EQ(AppSettings.ContrastDlgPosX, r.left);
    EXPECT_EQ(AppSettings.ContrastDlgPosY, r.top);
    EXPECT_EQ(r.left, 410);
}

TEST_F(ColorAdjustDialogGui, EscAsksTheFrameAndEnterDoesNothing)
{
    OpenDialog();
    EXPECT_TRUE(dialog->GetWidget()->windowFlags() & Qt::WindowStaysOnTopHint);
    TypeInto(IDC_CONTRAST_VALUE_RED, QStringLiteral("5"));
    Control(IDC_CONTRAST_VALUE_RED)->setFocus();
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(frame.received.isEmpty());
    EXPECT_TRUE(dialog->IsWindowVisible());
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ASSERT_EQ(frame.received.size(), 1);
    EXPECT_EQ(frame.received[0].message, static_cast<UINT>(WM_FRAME_CLOSE_CONTRAST));
}

TEST_F(ColorAdjustDialogGui, SwatchesArePureChannelColours)
{
    OpenDialog();
    const std::pair<int, QRgb> swatches[] = {{IDC_CONTRAST_SWATCH_RED, qRgb(255, 0, 0)},
        {IDC_CONTRAST_SWATCH_GREEN, qRgb(0, 255, 0)}, {IDC_CONTRAST_SWATCH_BLUE, qRgb(0, 0, 255)}};
    for (const auto& [id, colour] : swatches) {
        const QImage* surface = dialog->GetDlgItem(id)->GetSurface();
        ASSERT_NE(surface, nullptr);
        EXPECT_EQ(surface->pixel(surface->width() / 2, surface->height() / 2) & 0xFFFFFF, colour & 0xFFFFFF)
            << id;
    }
}

}  // namespace
