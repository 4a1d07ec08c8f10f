// Scroll capture through the view stage on a desktop of the test's own: a
// browser window whose screen is the synthetic page, scrolled by the input
// service's wheel, grabbed through the print-screen engine. The stage takes
// the stitched page, names it after the window and applies AfterScrollBehave;
// a capture without an image leaves the stage's image as it was.
#include "clip/control_panel_messages.h"
#include "clip/scroll_capture.h"
#include "clip/stage_messages.h"
#include "core/frame_services.h"
#include "platform/x11/null_desktop_services.h"
#include "tests/clip/scroll_capture_fake_page.h"
#include "tests/clip/view_stage_fixture.h"
#include "tests/support/dib_pixels.h"
#include "tests/support/scripted_dialogs.h"

namespace {

const HWND kBrowser = HwndFromX11Window(0x4242);

// The desktop: one Chromium window showing the page, in front.
class PageDesktop : public WindowListService,
                    public WindowControlService,
                    public ScreenGrabService,
                    public InputService {
public:
    explicit PageDesktop(FakePageShape shape) : page(std::move(shape))
    {
        SetDesktopServicesForTesting(&services);
    }
    ~PageDesktop() override { SetDesktopServicesForTesting(nullptr); }

    std::vector<HWND> TopLevelWindows() override { return {kBrowser}; }
    bool QueryWindow(HWND w, unsigned, DesktopWindowInfo& info) override
    {
        info = DesktopWindowInfo{};
        if (w != kBrowser)
            return false;
        const FakePageShape& s = page.Shape();
        info.exists = info.visible = true;
        info.title = QStringLiteral("rows - Chromium");
        info.instanceName = QStringLiteral("chromium");
        info.className = QStringLiteral("Chromium");
        info.rect = RECT{s.at.left, s.at.top, s.at.left + s.width, s.at.top + s.height};
        return true;
    }
    bool WindowExists(HWND w) override { return w == kBrowser; }
    bool HasWindowManager() override { return true; }

    HWND ForegroundWindow() override { return kBrowser; }
    bool Activate(HWND) override { return true; }
    bool Minimize(HWND) override { return true; }
    bool Restore(HWND) override { return true; }
    bool Raise(HWND) override { return true; }

    SIZE ScreenSize() override { return SIZE{1920, 1080}; }
    bool Grab(const RECT& r, QImage& image) override
    {
        const FakePageShape& s = page.Shape();
        image = QImage(r.right - r.left, r.bottom - r.top, QImage::Format_RGB32);
        image.fill(Qt::black);
        const QRect window =
            QRect(s.at.left, s.at.top, s.width, s.height).intersected(image.rect().translated(r.left, r.top));
        for (int y = window.top(); y <= window.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y - r.top));
            for (int x = window.left(); x <= window.right(); ++x) {
                const Bgr p = page.ScreenPixel(x - s.at.left, y - s.at.top);
                line[x - r.left] = qRgb(p.r, p.g, p.b);
            }
        }
        return true;
    }

    bool MovePointer(POINT) override { return true; }
    bool SendWheelNotches(int notches) override
    {
        for (int i = 0; i < -notches; ++i)
            page.WheelNotch(kBrowser, POINT{});
        return true;
    }
    bool SendKey(UINT key) override
    {
        keys.push_back(key);
        return true;
    }

    FakeBrowserPage page;
    std::vector<UINT> keys;

private:
    NullCursor m_cursor;
    NullPointerConfinement m_pointer;
    DesktopServices services{*this, *this, *this, m_cursor, m_pointer, *this};
};

// The frame's part: the browser comes to the front; clip windows are recorded.
class RecordingFrameServices : public FrameServices {
public:
    RecordingFrameServices() { SetFrameServices(this); }
    ~RecordingFrameServices() override { SetFrameServices(nullptr); }
    int ForceForegroundWindow(HWND) override { return 1; }
    int OpenClipWindow(BYTE, CClipImageSlot*, CPngTransparency*, const RECT& r) override
    {
        clipRanges.append(r);
        return 1;
    }
    QList<RECT> clipRanges;
};

class ViewStageScrollCapture : public ViewStageTest {
protected:
    void SetUp() override
    {
        ViewStageTest::SetUp();
        OpenPanel();
        AppSettings.WaitForCapture = 0;
        AppSettings.ScrollWait = 5;
        AppSettings.KeyPushWait = 1;
        AppSettings.DoScrollCapture = 1;  // no question
        g_ScreenMetrics.captionHeight = 20;
        g_ScreenMetrics.frameWidth = 5;
        g_ScreenMetrics.frameHeight = 5;
        g_ScreenMetrics.vscrollWidth = 17;
        m_version = g_nWindowsVersion;
        g_nWindowsVersion = 0x700;  // the print-screen engine
    }
    void TearDown() override
    {
        g_nWindowsVersion = m_version;
        ViewStageTest::TearDown();
    }

    LRESULT CaptureBrowser()
    {
        stage.NameRequestedImage(QStringLiteral("capture_window.bmp"));
        return stage.SendMessage(
            WM_STAGE_OPEN_IMAGE, kStageOpenChosenWindow, reinterpret_cast<LPARAM>(kBrowser));
    }
    const RecordingWindow::Message* PanelMessage(UINT message) const
    {
        for (const RecordingWindow::Message& m : panel.received)
            if (m.message == message)
                return &m;
        return nullptr;
    }

    RecordingFrameServices frameServices;
    DWORD m_version = 0;
};

TEST_F(ViewStageScrollCapture, TheStitchedPageOpensItsScrolledAreaInAClipWindow)
{
    PageDesktop desktop(FakePageShape{});
    AppSettings.AfterScrollBehave = 4;
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(CaptureBrowser(), 1);
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join(u'|').toStdString();

    const FakePageShape& s = desktop.page.Shape();
    const int height = s.toolbarRows + s.pageRows + s.statusRows;
    ASSERT_EQ(stage.Image().infoHeader.biWidth, s.width);
    ASSERT_EQ(std::abs(stage.Image().infoHeader.biHeight), height);
    for (int y = s.toolbarRows; y < height - s.statusRows; y += 7)
        ASSERT_EQ(HolderPixel(stage.Image(), 100, y),
            RGB(PagePixel(100, y - s.toolbarRows).r, PagePixel(100, y - s.toolbarRows).g,
                PagePixel(100, y - s.toolbarRows).b))
            << y;
    EXPECT_EQ(g_szCaptureTitle, QStringLiteral("rows - Chromium"));
    // The page went back to its top.
    EXPECT_EQ(desktop.keys, std::vector<UINT>{VK_HOME});

    // The scrolled area, as inclusive edges inside the image, went to the panel and into clip window 1.
    const RECT expected{
        s.border, s.toolbarRows, s.width - s.border - s.scrollBar - 1, height - s.statusRows - 1};
    ASSERT_EQ(frameServices.clipRanges.size(), 1);
    const RECT r = frameServices.clipRanges[0];
    EXPECT_EQ(QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)),
        QRect(QPoint(expected.left, expected.top), QPoint(expected.right, expected.bottom)));
    const RecordingWindow::Message* done = PanelMessage(WM_CLIPCTL_RANGE_DONE);
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->lParam, 3);
    EXPECT_NE(PanelMessage(WM_CLIPCTL_SET_PREV_RECT), nullptr);
    EXPECT_EQ(g_nStageMode, kStageModeNormal);
}

TEST_F(ViewStageScrollCapture, Behaviour5FixesTheScrolledAreaAsTheWheelRange)
{
    PageDesktop desktop(FakePageShape{});
    AppSettings.AfterScrollBehave = 5;
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(CaptureBrowser(), 1);
    // The panel fixes the range first, then its wheel button is pressed; no clip window opens.
    int fixed = -1;
    int pressed = -1;
    for (int i = 0; i < panel.received.size(); ++i) {
        const RecordingWindow::Message& m = panel.received[i];
        if (m.message == WM_CLIPCTL_FIX_RANGE && fixed < 0)
            fixed = i;
        if (m.message == WM_COMMAND && LOWORD(m.wParam) == IDC_PANEL_WHEEL_RANGE)
            pressed = i;
    }
    EXPECT_GE(fixed, 0);
    EXPECT_GT(pressed, fixed);
    EXPECT_TRUE(frameServices.clipRanges.isEmpty());
}

TEST_F(ViewStageScrollCapture, ACaptureWithoutAnImageLeavesTheStagesImage)
{
    ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("before.png"), PatternImage(20, 10))), 1);
    FakePageShape shape;
    shape.notchRows = {8};  // a notch too small to stitch by
    PageDesktop desktop(shape);
    AppSettings.AfterScrollBehave = 3;
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(CaptureBrowser(), 1);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("スクロールキャプチャに失敗しました。")});
    ASSERT_TRUE(stage.HasImage());
    EXPECT_EQ(stage.Image().infoHeader.biWidth, 20);
    EXPECT_TRUE(frameServices.clipRanges.isEmpty());
}

}  // namespace
