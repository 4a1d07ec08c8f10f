// The frame keeps the colour-adjustment dialog: command 32801 opens it over
// the real stage and closes it, by its rule; Esc, the mode bar's cancel, a
// cleared stage and the frame's end close it through the frame, which deletes
// it only after the dialog's own handler has returned.
#include "app/main_frame.h"
#include "clip/color_adjust.h"
#include "clip/color_adjust_dialog.h"
#include "clip/view_stage.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "res/dialog_130_view_stage.h"
#include "res/frame_command_ids.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/synthetic_input.h"

#include <QImage>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

constexpr int kGrey = 100;

class MainFrameContrastGui : public FrameAppTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QImage grey(40, 30, QImage::Format_RGB32);
        grey.fill(qRgb(kGrey, kGrey, kGrey));
        m_picture = m_dir.filePath(QStringLiteral("grey.png"));
        ASSERT_TRUE(grey.save(m_picture));
        FrameAppTest::SetUp();
    }

    CDlgViewStage& Stage() { return *m_frame->GetViewStage(); }
    bool Enabled() const { return m_frame->QueryCommandState(ID_EDIT_COLOR_ADJUST).enabled; }
    // As the menu sends it: dropped while its rule is false.
    void Command() { m_frame->SendMessage(WM_COMMAND, ID_EDIT_COLOR_ADJUST, 0); }
    void OpenPicture() { ASSERT_NE(Stage().RequestOpenImageFile(m_picture), 0); }
    bool Adjusting() { return Stage().ColorAdjust().Saved() != nullptr; }
    int ShownRed() { return qRed(Stage().GetDlgItem(IDC_STAGE_SURFACE)->GetSurface()->pixel(21, 16)); }
    void SetRed(const QString& text)
    {
        CDlgContrast* d = m_frame->m_pContrast;
        QWidget* box = d->GetDlgItem(IDC_CONTRAST_VALUE_RED)->GetWidget();
        box->activateWindow();
        box->setFocus();
        ASSERT_TRUE(PumpUntil([&] { return box->hasFocus(); }, 500));
        d->SetDlgItemText(IDC_CONTRAST_VALUE_RED, text);
        d->GetDlgItem(IDC_CONTRAST_CENTER)->GetWidget()->setFocus();
        PumpFor(5);
    }

    QString m_picture;
};

TEST_F(MainFrameContrastGui, TheCommandOpensAndClosesTheDialogAndTheAdjustment)
{
    EXPECT_FALSE(Enabled());  // no image
    Command();
    EXPECT_EQ(m_frame->m_pContrast, nullptr);

    OpenPicture();
    EXPECT_TRUE(Enabled());
    AppSettings.LinkRed = AppSettings.LinkGreen = AppSettings.LinkBlue = 0;
    AppSettings.ContrastDlgPosX = AppSettings.ContrastDlgPosY = -1;
    Command();
    ASSERT_NE(m_frame->m_pContrast, nullptr);
    EXPECT_TRUE(m_frame->m_pContrast->IsWindowVisible());
    EXPECT_EQ(m_frame->Window(AppWindow::ColorAdjust), m_frame->m_pContrast->GetSafeHwnd());
    EXPECT_TRUE(Adjusting());
    RECT dialog{}, stage{};
    m_frame->m_pContrast->GetWindowRect(&dialog);
    Stage().GetWindowRect(&stage);
    EXPECT_EQ(dialog.left, stage.left);
    EXPECT_EQ(dialog.top, stage.top);

    SetRed(QStringLiteral("30"));
    EXPECT_EQ(ShownRed(), kGrey + 30);

    QPointer<QWidget> widget = m_frame->m_pContrast->GetWidget();
    Command();
    EXPECT_EQ(m_frame->m_pContrast, nullptr);
    EXPECT_EQ(m_frame->Window(AppWindow::ColorAdjust), nullptr);
    EXPECT_FALSE(Adjusting());
    EXPECT_EQ(ShownRed(), kGrey + 30);  // the adjusted picture stays
    EXPECT_TRUE(PumpUntil([&] { return widget.isNull(); }, 2000));
    PumpFor(20);  // the dialog object goes from the event loop

    // Open again: the dialog shows what the stage holds.
    Command();
    ASSERT_NE(m_frame->m_pContrast, nullptr);
    EXPECT_EQ(m_frame->m_pContrast->Values(), (ContrastValues{30, 0, 0}));
    EXPECT_EQ(ShownRed(), kGrey + 30);
}

TEST_F(MainFrameContrastGui, EscAndTheModeBarsCancelCloseItThroughTheFrame)
{
    OpenPicture();
    // Without the dialog the cancel does nothing but answer.
    EXPECT_EQ(m_frame->SendMessage(WM_FRAME_CANCEL_CONTRAST), 1);

    for (bool esc : {true, false}) {
        SCOPED_TRACE(esc ? "Esc" : "cancel");
        Command();
        ASSERT_NE(m_frame->m_pContrast, nullptr);
        CDlgContrast* dialog = m_frame->m_pContrast;
        QPointer<QWidget> widget = dialog->GetWidget();
        if (esc) {
            QWidget* box = dialog->GetDlgItem(IDC_CONTRAST_VALUE_GREEN)->GetWidget();
            box->activateWindow();
            box->setFocus();
            KeyClick(box, Qt::Key_Escape);
        } else {
            EXPECT_EQ(m_frame->SendMessage(WM_FRAME_CANCEL_CONTRAST), 1);
        }
        EXPECT_EQ(m_frame->m_pContrast, nullptr);
        EXPECT_FALSE(Adjusting());
        // Its window is gone; the object goes once its handler has returned
        // (the sanitizer watches that nothing uses it after).
        EXPECT_TRUE(PumpUntil([&] { return widget.isNull(); }, 2000));
        PumpFor(20);
    }
}

TEST_F(MainFrameContrastGui, ClearingTheStageClosesIt)
{
    OpenPicture();
    Command();
    ASSERT_NE(m_frame->m_pContrast, nullptr);
    ScriptedMessageBoxes boxes({IDYES}, IDYES);
    m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW_IMAGE, 0);
    EXPECT_EQ(m_frame->m_pContrast, nullptr);
    EXPECT_FALSE(Adjusting());
}

TEST_F(MainFrameContrastGui, TheFrameEndsWithTheDialogOpen)
{
    OpenPicture();
    Command();
    ASSERT_NE(m_frame->m_pContrast, nullptr);
    m_frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_frame->m_pContrast, nullptr);
}

// The rule alone: image commands, and never with the measure panel open.
CDlgViewStage* g_stage = nullptr;
CWnd* g_measure = nullptr;

CWnd* StageOf(const CMainFrame&, int)
{
    return g_stage;
}
CWnd* MeasureOf(const CMainFrame&, int)
{
    return g_measure;
}
void CloseNothing(CMainFrame&, int)
{
}

TEST_F(MainFrameContrastGui, TheMeasurePanelDisablesIt)
{
    OpenPicture();
    g_stage = &Stage();
    const FrameWindowRow rows[] = {
        {AppWindow::ViewStage, 130, 1, StageOf, CloseNothing},
        {AppWindow::Measure, 343, 1, MeasureOf, CloseNothing},
    };
    CMainFrame probe{rows};
    probe.m_pViewStage = &Stage();
    EXPECT_TRUE(probe.QueryCommandState(ID_EDIT_COLOR_ADJUST).enabled);
    CWnd measure;
    ASSERT_TRUE(measure.CreateEx(0, QStringLiteral("measure"), WS_POPUP, RECT{0, 0, 20, 20}, nullptr, 0));
    g_measure = &measure;
    EXPECT_FALSE(probe.QueryCommandState(ID_EDIT_COLOR_ADJUST).enabled);
    probe.WindowProc(WM_COMMAND, ID_EDIT_COLOR_ADJUST, 0);
    EXPECT_EQ(probe.m_pContrast, nullptr);
    g_measure = nullptr;
    g_stage = nullptr;
    probe.m_pViewStage = nullptr;
}

}  // namespace
