// Captures through the real frame and stage on a display with a window
// manager: the frame leaves the screen before the copy and comes back, the
// countdown runs in its title, the print-screen capture is on the clipboard
// for other programs, and a picture another program put on the clipboard
// comes into the stage.
#include "app/kestrel_app.h"
#include "clip/capture_chooser.h"
#include "clip/control_panel.h"
#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"
#include "core/window_list.h"
#include "platform/clipboard/clipboard.h"
#include "platform/system/program_folder.h"
#include "platform/window/own_windows_on_screen.h"
#include "platform/window/pointer_position.h"
#include "platform/x11/desktop_services.h"
#include "res/dialog_134_control_panel.h"
#include "tests/support/dib_pixels.h"
#include "tests/support/image_codec_fixtures.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"
#include "tests/support/x11_fixture_windows.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr unsigned long kDesktopColor = 0x305070;
constexpr unsigned long kTargetColor = 0xC03020;

COLORREF AsColorRef(unsigned long rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QPoint Centre(const RECT& r)
{
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

bool Inside(const RECT& r, QPoint p)
{
    return p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom;
}

class ScreenCaptureFrameX11 : public testing::Test {
protected:
    void SetUp() override
    {
        if (!DesktopIsAvailable() || !Desktop().windows.HasWindowManager())
            GTEST_SKIP() << "needs a display with a window manager";
        if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            GTEST_SKIP() << "needs xclip";
        ASSERT_TRUE(m_dir.isValid());
        SetProgramFolderForTesting(m_dir.path());
        // A settings file of a program run before: no first-start notice.
        QFile settings(m_dir.filePath(QStringLiteral("Kestrel.cfg")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[-Directory-]\n");
        settings.close();
        ASSERT_TRUE(m_fixtures.isOpen());
        m_fixtures.SetRootBackground(kDesktopColor);
        m_savedWait = AppSettings.WaitForCapture;
        m_savedCursor = AppSettings.CaptureMouseCursor;
        AppSettings.CaptureMouseCursor = 0;
        m_app = std::make_unique<CKestrelApp>();
        ASSERT_TRUE(m_app->InitInstance());
        m_frame = m_app->Frame();
        ASSERT_NE(m_frame, nullptr);
        ASSERT_NE(m_frame->GetViewStage(), nullptr);
        ASSERT_TRUE(PumpUntil([] { return AnyOwnWindowOnScreen(); }, 5000));
        PumpFor(300);  // the window manager places and paints the frame
    }
    void TearDown() override
    {
        if (m_frame && m_frame->GetSafeHwnd()) {
            m_frame->SendMessage(WM_CLOSE);
            PumpUntil([&] { return !m_frame->GetSafeHwnd(); }, 3000);
        }
        m_app.reset();
        if (m_fixtures.isOpen())
            m_fixtures.SetRootBackground(0);
        AppSettings.WaitForCapture = m_savedWait;
        AppSettings.CaptureMouseCursor = m_savedCursor;
        SetProgramFolderForTesting(QString());
        g_nStageMode = 1;
    }

    CDlgViewStage& Stage() { return *m_frame->GetViewStage(); }
    COLORREF StagePixel(int x, int y) { return HolderPixel(Stage().Image(), x, y); }

    QTemporaryDir m_dir;
    FixtureDisplay m_fixtures;
    std::unique_ptr<CKestrelApp> m_app;
    CMainFrame* m_frame = nullptr;
    DWORD m_savedWait = 0;
    int m_savedCursor = 0;
};

TEST_F(ScreenCaptureFrameX11, FullScreenLeavesKestrelOutCountsDownAndIsOnTheClipboard)
{
    FixtureWindowRecipe recipe;
    recipe.title = QStringLiteral("capture target");
    recipe.x = 30;
    recipe.y = 30;
    recipe.width = 120;
    recipe.height = 80;
    recipe.background = kTargetColor;
    const HWND target = m_fixtures.Create(recipe);
    ASSERT_NE(target, nullptr);
    const POINT origin = m_fixtures.ClientOrigin(target);
    const QPoint targetCentre(origin.x + recipe.width / 2, origin.y + recipe.height / 2);
    const RECT targetRect{origin.x, origin.y, origin.x + recipe.width, origin.y + recipe.height};

    RECT frameRect{};
    RECT stageRect{};
    m_frame->GetWindowRect(&frameRect);
    Stage().GetWindowRect(&stageRect);
    const QString title = m_frame->GetWindowText();

    // Without a countdown the copy still waits until Kestrel's windows are gone.
    AppSettings.WaitForCapture = 0;
    // Requests are named before they are sent, as the panel does.
    Stage().NameRequestedImage(QStringLiteral("full_screen.bmp"));
    ASSERT_EQ(Stage().SendMessage(WM_STAGE_OPEN_IMAGE, kStageOpenFullScreen, 0), 1);
    const SIZE screen = Desktop().grab.ScreenSize();
    // The whole screen, with the target, and the desktop where Kestrel's windows stood.
    const auto expectDesktopWithoutKestrel = [&](const char* when) {
        ASSERT_EQ(Stage().Image().infoHeader.biWidth, screen.cx) << when;
        ASSERT_EQ(Stage().Image().infoHeader.biHeight, screen.cy) << when;
        EXPECT_EQ(StagePixel(targetCentre.x(), targetCentre.y()), AsColorRef(kTargetColor)) << when;
        RECT frameNow{};
        m_frame->GetWindowRect(&frameNow);
        for (const RECT& own : {frameRect, stageRect, frameNow}) {
            const QPoint c = Centre(own);
            if (!Inside(targetRect, c) && c.x() >= 0 && c.y() >= 0 && c.x() < screen.cx &&
                c.y() < screen.cy) {
                EXPECT_EQ(StagePixel(c.x(), c.y()), AsColorRef(kDesktopColor))
                    << when << " " << c.x() << "," << c.y();
            }
        }
    };
    expectDesktopWithoutKestrel("without countdown");
    EXPECT_EQ(m_frame->GetWindowText(), title);
    ASSERT_TRUE(PumpUntil([] { return AnyOwnWindowOnScreen(); }, 5000));

    // With one: the countdown shows seconds and tenths, and the title comes back.
    QStringList titles;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { titles << m_frame->GetWindowText(); });
    sampler.start(40);
    AppSettings.WaitForCapture = 700;
    Stage().NameRequestedImage(QStringLiteral("full_screen.bmp"));
    const LRESULT done = Stage().SendMessage(WM_STAGE_OPEN_IMAGE, kStageOpenFullScreen, 0);
    sampler.stop();
    ASSERT_EQ(done, 1);
    const QRegularExpression countdown(QStringLiteral("^\\d+\\.\\d$"));
    EXPECT_TRUE(std::any_of(titles.begin(), titles.end(), [&](const QString& t) {
        return countdown.match(t).hasMatch();
    })) << titles.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(m_frame->GetWindowText(), title);
    expectDesktopWithoutKestrel("after the countdown");
    EXPECT_TRUE(PumpUntil([] { return AnyOwnWindowOnScreen(); }, 5000));

    // Another program reads the capture off the clipboard.
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
        {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
            QStringLiteral("image/png"), QStringLiteral("-o")});
    ASSERT_TRUE(PumpUntil([&] { return xclip.state() == QProcess::NotRunning; }, 10000));
    const QImage read = QImage::fromData(xclip.readAllStandardOutput(), "PNG");
    ASSERT_FALSE(read.isNull()) << xclip.readAllStandardError().toStdString();
    EXPECT_EQ(read.size(), QSize(screen.cx, screen.cy));
    EXPECT_EQ(read.pixel(targetCentre) & 0xFFFFFF, kTargetColor);
    m_fixtures.Destroy(target);
}

TEST_F(ScreenCaptureFrameX11, WindowPickedInTheChooserIsCapturedThroughThePanel)
{
    FixtureWindowRecipe recipe;
    recipe.title = QStringLiteral("picked window");
    recipe.x = 300;
    recipe.y = 200;
    recipe.width = 160;
    recipe.height = 90;
    recipe.background = kTargetColor;
    const HWND target = m_fixtures.Create(recipe);
    ASSERT_NE(target, nullptr);
    AppSettings.WaitForCapture = 0;
    CDlgControlWindow* panel = m_frame->GetControlWindow();
    ASSERT_NE(panel, nullptr);
    // What the chooser posts to the panel when a row is clicked.
    panel->PostMessage(WM_CLIPCTL_CAPTURE, 3, reinterpret_cast<LPARAM>(target));
    ASSERT_TRUE(PumpUntil([&] { return Stage().HasImage(); }, 10000));
    RECT rect{};
    ASSERT_TRUE(GetCaptureTargetRect(target, rect));
    EXPECT_EQ(Stage().Image().infoHeader.biWidth, rect.right - rect.left);
    EXPECT_EQ(Stage().Image().infoHeader.biHeight, rect.bottom - rect.top);
    const POINT origin = m_fixtures.ClientOrigin(target);
    EXPECT_EQ(StagePixel(origin.x - rect.left + recipe.width / 2, origin.y - rect.top + recipe.height / 2),
        AsColorRef(kTargetColor));
    EXPECT_EQ(Stage().Image().path.Name(), QStringLiteral("capture_window.bmp"));
    m_fixtures.Destroy(target);
}

TEST_F(ScreenCaptureFrameX11, AWindowClickedInTheDroppedDownChooserIsCapturedIntoTheStage)
{
    FixtureWindowRecipe recipe;
    recipe.title = QStringLiteral("chosen from the list");
    recipe.x = 420;
    recipe.y = 260;
    recipe.width = 150;
    recipe.height = 80;
    recipe.background = kTargetColor;
    const HWND target = m_fixtures.Create(recipe);
    ASSERT_NE(target, nullptr);
    m_fixtures.Sync();
    AppSettings.WaitForCapture = 0;

    // The pointer rests on the panel's chooser button: the list drops down.
    CWnd* button = m_frame->GetControlWindow()->GetDlgItem(IDC_PANEL_CHOOSER);
    ASSERT_NE(button, nullptr);
    RECT b{};
    button->GetWindowRect(&b);
    SetCursorPos(Centre(b).x(), Centre(b).y());
    m_frame->SendMessage(WM_FRAME_HOVER_CAPTURE);
    ASSERT_TRUE(PumpUntil([&] { return m_frame->m_pChooser != nullptr; }, 3000));
    CMyListCtrl& list = m_frame->m_pChooser->List();
    int row = -1;
    for (int i = 0; i < list.GetItemCount(); ++i)
        if (list.GetItemText(i, 0) == recipe.title)
            row = i;
    ASSERT_GE(row, 0);

    int h = 0;
    list.GetItemSpacing(TRUE, nullptr, &h);
    auto* viewport = static_cast<QAbstractScrollArea*>(list.GetWidget())->viewport();
    MouseClick(viewport, QPoint(6, row * h + h / 2));
    ASSERT_TRUE(PumpUntil([&] { return Stage().HasImage(); }, 10000));
    RECT rect{};
    ASSERT_TRUE(GetCaptureTargetRect(target, rect));
    const POINT origin = m_fixtures.ClientOrigin(target);
    EXPECT_EQ(StagePixel(origin.x - rect.left + recipe.width / 2, origin.y - rect.top + recipe.height / 2),
        AsColorRef(kTargetColor));
    m_fixtures.Destroy(target);
}

TEST_F(ScreenCaptureFrameX11, PictureAnotherProgramPutOnTheClipboardComesIntoTheStage)
{
    PngRecipe recipe;
    recipe.width = 13;
    recipe.height = 7;
    const QString file = m_dir.filePath(QStringLiteral("offered.png"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(MakePng(recipe));
    out.close();
    // Whatever an earlier capture left there goes first.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    ASSERT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    // -quiet keeps xclip in the foreground, serving the clipboard until it is stopped.
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
        {QStringLiteral("-quiet"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
            QStringLiteral("-t"), QStringLiteral("image/png"), QStringLiteral("-i"), file});
    ASSERT_TRUE(xclip.waitForStarted(5000));
    ASSERT_TRUE(PumpUntil([] { return IsClipboardFormatAvailable(CF_BITMAP) != FALSE; }, 5000));

    ASSERT_TRUE(OpenClipboard(nullptr));
    auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(bitmap, nullptr);
    Stage().NameRequestedImage(QStringLiteral("clipboard.bmp"));
    const LRESULT done =
        Stage().SendMessage(WM_STAGE_OPEN_IMAGE, kStageOpenClipboard, reinterpret_cast<LPARAM>(bitmap));
    CloseClipboard();
    xclip.kill();
    xclip.waitForFinished(3000);

    ASSERT_EQ(done, 1);
    ASSERT_EQ(Stage().Image().infoHeader.biWidth, recipe.width);
    ASSERT_EQ(Stage().Image().infoHeader.biHeight, recipe.height);
    for (int y = 0; y < recipe.height; ++y) {
        for (int x = 0; x < recipe.width; ++x) {
            const COLORREF expected =
                RGB(PngSample(recipe, x, y, 0), PngSample(recipe, x, y, 1), PngSample(recipe, x, y, 2));
            EXPECT_EQ(StagePixel(x, y), expected) << x << "," << y;
        }
    }
}

}  // namespace
