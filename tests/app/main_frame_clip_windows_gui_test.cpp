// The frame with its clip windows, made offscreen by the application object:
// a range cut on the stage opens the clip window of its slot; the commands
// that show and close them follow their rules; the multi view hides them; a
// bitmap goes onto the clipboard and comes back into the stage as its new
// image; the clip-range history runs modally once.
#include "clip/clip_history_dialog.h"
#include "clip/clip_window.h"
#include "clip/control_panel.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"
#include "platform/clipboard/clipboard.h"
#include "platform/gdi/gdi_objects.h"
#include "res/dialog_130_view_stage.h"
#include "res/dialog_199_clip_history.h"
#include "res/frame_command_ids.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MainFrameClipWindowsGui : public FrameAppTest {
protected:
    void SetUp() override
    {
        FrameAppTest::SetUp();
        ASSERT_EQ(Stage().RequestOpenImageFile(Write(QStringLiteral("p.png"), PatternImage(120, 90))), 1);
    }
    QString Write(const QString& name, const QImage& picture)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(picture.save(path));
        return path;
    }
    CDlgViewStage& Stage() { return *m_frame->GetViewStage(); }
    bool Enabled(UINT id) const { return m_frame->QueryCommandState(id).enabled; }
    void Command(UINT id) { m_frame->SendMessage(WM_COMMAND, id, 0); }

    // Cuts the view's pixels between two points with the two-click method.
    void CutRange(int x0, int y0, int x1, int y1)
    {
        g_nRangeSelectMethod = 2;
        Stage().SendMessage(WM_COMMAND, MAKEWPARAM(ID_STAGE_ENTER_CLIP, 0), 0);
        const RECT v = Stage().ViewRectangle();
        for (const POINT p : {POINT{v.left + x0, v.top + y0}, POINT{v.left + x1, v.top + y1}}) {
            Stage().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
            Stage().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        }
    }
};

TEST_F(MainFrameClipWindowsGui, ACutRangeOpensTheClipWindowOfItsSlotAndItsCommandsFollow)
{
    EXPECT_FALSE(Enabled(ClipWindowCommandOf(0)));
    EXPECT_FALSE(Enabled(ID_CLIPWINDOW_SHOW_ALL));

    CutRange(5, 5, 40, 30);
    CutRange(50, 40, 70, 60);
    ASSERT_NE(m_frame->m_pClipWindow[0], nullptr);
    ASSERT_NE(m_frame->m_pClipWindow[1], nullptr);
    EXPECT_EQ(m_frame->ClipWindow(1), m_frame->m_pClipWindow[1]->GetSafeHwnd());
    EXPECT_EQ(m_frame->FindClipWindowIndex(m_frame->ClipWindow(1)), 1);
    EXPECT_EQ(m_frame->CountClipWindows(), 2);
    EXPECT_TRUE(Enabled(ClipWindowCommandOf(1)));
    EXPECT_FALSE(Enabled(ClipWindowCommandOf(2)));
    EXPECT_TRUE(Enabled(ID_CLIPWINDOW_CLOSE_ALL));

    // A clip window asks the frame to close it after the stage freed its slot.
    Stage().SendMessage(WM_STAGE_FREE_CLIP_SLOT, 0);
    m_frame->SendMessage(WM_FRAME_CLOSE_CLIPWINDOW, 0);
    EXPECT_EQ(m_frame->ClipWindow(0), nullptr);
    EXPECT_FALSE(Enabled(ClipWindowCommandOf(0)));

    // Closing all frees the slots too, so the next cut takes slot 0 again.
    Command(ID_CLIPWINDOW_CLOSE_ALL);
    EXPECT_EQ(m_frame->CountClipWindows(), 0);
    EXPECT_EQ(Stage().ClipStore().GetSlot(1), nullptr);
    CutRange(5, 5, 20, 20);
    EXPECT_NE(m_frame->ClipWindow(0), nullptr);
}

TEST_F(MainFrameClipWindowsGui, TheMultiViewHidesTheClipWindowsAndClipModeShowsThem)
{
    CutRange(5, 5, 40, 30);
    ASSERT_NE(m_frame->m_pClipWindow[0], nullptr);
    CWnd& clip = *m_frame->m_pClipWindow[0];
    ASSERT_TRUE(PumpUntil([&] { return clip.IsWindowVisible(); }));
    m_frame->SendMessage(WM_FRAME_SET_MODE, kFrameModeMultiViewStage);
    EXPECT_FALSE(clip.IsWindowVisible());
    m_frame->SendMessage(WM_FRAME_SET_MODE, kFrameModeViewStage);
    EXPECT_TRUE(clip.IsWindowVisible());
}

TEST_F(MainFrameClipWindowsGui, ABitmapCopiedToTheClipboardIsPastedAsTheStagesNewImage)
{
    CBitmap picture;
    const QImage pixels = PatternImage(33, 21).convertToFormat(QImage::Format_RGB32);
    picture.CreateFromImage(pixels);
    const auto bitmap = static_cast<HBITMAP>(picture.Detach());
    ASSERT_EQ(m_frame->SendMessage(WM_FRAME_COPY_BITMAP, reinterpret_cast<WPARAM>(bitmap)), 1);
    ASSERT_TRUE(PumpUntil([] { return IsClipboardFormatAvailable(CF_BITMAP) != FALSE; }));
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), pixels);

    // Not while a selection runs; then the paste command loads it.
    m_frame->GetControlWindow()->m_bSelectionOn = 1;
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_IMAGE));
    m_frame->GetControlWindow()->m_bSelectionOn = 0;
    ASSERT_TRUE(Enabled(ID_EDIT_PASTE_IMAGE));
    {
        // Not while the print dialog is open.
        CWnd print;
        ASSERT_TRUE(
            print.CreateEx(0, QStringLiteral("Kestrel 印刷"), WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
        Command(ID_EDIT_PASTE_IMAGE);
        EXPECT_NE(Stage().Image().dup1Width, 33);
    }
    Command(ID_EDIT_PASTE_IMAGE);
    EXPECT_EQ(Stage().Image().dup1Width, 33);
    EXPECT_EQ(std::abs(Stage().Image().dup1Height), 21);
    EXPECT_EQ(Stage().Image().path.Name(), QStringLiteral("clipboard.bmp"));

    // A null bitmap is refused and the clipboard keeps what it had.
    EXPECT_EQ(m_frame->SendMessage(WM_FRAME_COPY_BITMAP, 0), 0);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    // The next test starts with an empty clipboard.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
}

TEST_F(MainFrameClipWindowsGui, TheClipHistoryRunsModallyOnceAndTheFrameKnowsIt)
{
    int runs = 0;
    HWND shown = nullptr;
    // Inside the dialog's loop: a second request does nothing, then it ends.
    QTimer inside;
    inside.setInterval(10);
    QObject::connect(&inside, &QTimer::timeout, [&] {
        CDialog* dialog = static_cast<CDialog*>(m_frame->m_pClipHistory);
        if (!dialog || !dialog->GetSafeHwnd())
            return;
        inside.stop();
        ++runs;
        shown = m_frame->Window(AppWindow::ClipHistoryDialog);
        m_frame->SendMessage(WM_FRAME_OPEN_CLIP_HISTORY);
        dialog->EndDialog(IDCANCEL);
    });
    inside.start();
    m_frame->SendMessage(WM_FRAME_OPEN_CLIP_HISTORY);
    EXPECT_EQ(runs, 1);
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(m_frame->Window(AppWindow::ClipHistoryDialog), nullptr);
}

TEST_F(MainFrameClipWindowsGui, AFrameClosingWhileTheHistoryRunsEndsItAndSavesWhatItHolds)
{
    AppSettings.ClipHistoryProtect = 0;
    QTimer inside;
    inside.setInterval(10);
    QObject::connect(&inside, &QTimer::timeout, [&] {
        CDialog* dialog = static_cast<CDialog*>(m_frame->m_pClipHistory);
        if (!dialog || !dialog->GetSafeHwnd())
            return;
        inside.stop();
        // Row 1 protected, then the program ends while the dialog is open.
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CLIP_HISTORY_PROTECT_FIRST, BN_CLICKED), 0);
        m_frame->SendMessage(WM_CLOSE);
    });
    inside.start();
    m_frame->SendMessage(WM_FRAME_OPEN_CLIP_HISTORY);
    EXPECT_TRUE(PumpUntil([&] { return !m_frame->GetSafeHwnd(); }, 2000));
    EXPECT_EQ(m_frame->m_pClipHistory, nullptr);
    const QByteArray cfg = ReadBytes(m_dir.filePath(QStringLiteral("Kestrel.cfg")));
    EXPECT_TRUE(cfg.contains("\nClipHistoryProtect = 1")) << cfg.constData();
}

TEST_F(MainFrameClipWindowsGui, CtrlQReachesTheClipWindowThatTakesTheKeyWhateverWindowTheToolkitCallsActive)
{
    CutRange(5, 5, 40, 30);
    ASSERT_NE(m_frame->m_pClipWindow[0], nullptr);
    QWidget* clip = m_frame->m_pClipWindow[0]->GetWidget();
    // The toolkit still names the frame active, as it can for a moment after
    // the desktop gave a new clip window the focus.
    m_frame->SetActiveWindow();
    QApplication::setActiveWindow(m_frame->GetWidget());
    ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == m_frame->GetSafeHwnd(); }));
    KeyClick(clip, Qt::Key_Q, QString(), Qt::ControlModifier);
    EXPECT_TRUE(PumpUntil([&] { return m_frame->ClipWindow(0) == nullptr; }));
    EXPECT_TRUE(m_frame->GetSafeHwnd());  // the frame's Ctrl keys did not run
}

}  // namespace
