// Scroll capture of a real window on the display: a Qt window of our own
// with a fixed header, a long page in a scroll area and a footer, whose
// WM_CLASS says it is a browser, is brought to the front, scrolled with the
// wheel through XTest, grabbed by print-screen and stitched; the image holds
// every page row once, in order, and the page is back at its top afterwards.
#include "clip/scroll_capture.h"
#include "clip/scroll_capture_window.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "core/window_list.h"
#include "platform/app/message_pump.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/dib_pixels.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

constexpr int kPageRows = 2400;
constexpr int kBlue = 0x80;

// Page row y: red and green count the row, blue marks the page.
QRgb PageRowColor(int y)
{
    return qRgb(y & 0xFF, 16 + (y >> 8) * 20, kBlue);
}

// The page row a colour shows; -1 for anything else.
int PageRowOf(COLORREF c)
{
    if (GetBValue(c) != kBlue || GetGValue(c) < 16 || (GetGValue(c) - 16) % 20 != 0)
        return -1;
    return GetRValue(c) + ((GetGValue(c) - 16) / 20) * 256;
}

class PageWidget : public QWidget {
public:
    PageWidget() { setFixedSize(560, kPageRows); }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        const QRect r = e->rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            p.fillRect(QRect(r.left(), y, r.width(), 1), QColor(PageRowColor(y)));
    }
};

// A browser-like window: header, page, footer.
class FakeBrowserWindow : public QWidget {
public:
    FakeBrowserWindow()
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto* header = new QLabel(QStringLiteral("toolbar"));
        header->setFixedHeight(48);
        header->setStyleSheet(QStringLiteral("background: #3060a0; color: white"));
        auto* footer = new QLabel(QStringLiteral("status"));
        footer->setFixedHeight(20);
        footer->setStyleSheet(QStringLiteral("background: #d0d0d0"));
        scroll = new QScrollArea;
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(new PageWidget);
        scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        layout->addWidget(header);
        layout->addWidget(scroll);
        layout->addWidget(footer);
        setWindowTitle(QStringLiteral("scroll capture page"));
        setGeometry(120, 80, 600, 520);
    }
    // The Home key as a browser takes it.
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_Home)
            scroll->verticalScrollBar()->setValue(0);
    }
    QScrollArea* scroll = nullptr;
};

// Marks the window as a Chromium window.
void SetBrowserClass(WId window)
{
    Display* d = XOpenDisplay(nullptr);
    ASSERT_NE(d, nullptr);
    XClassHint hint;
    char name[] = "chromium";
    char cls[] = "Chromium";
    hint.res_name = name;
    hint.res_class = cls;
    XSetClassHint(d, static_cast<Window>(window), &hint);
    XCloseDisplay(d);
}

// The frame as the capture sees it, without a frame window of the program.
class NoFrame : public CaptureFrame {
public:
    HWND Window() override { return nullptr; }
    QString Title() override { return {}; }
    void SetTitle(const QString&) override { }
    void Minimize() override { }
    void Restore() override { }
    int ForceForeground(HWND window) override
    {
        Desktop().control.Activate(window);
        Desktop().control.Raise(window);
        return PumpUntil([&] { return Desktop().control.ForegroundWindow() == window; }, 5000) ? 1 : 0;
    }
    bool OnScreen() override { return false; }
};

class PlainClock : public CaptureClock {
public:
    DWORD Now() override { return GetTickCount(); }
    void Pump() override { QCoreApplication::processEvents(); }
    void Sleep(DWORD ms) override { PumpFor(static_cast<int>(ms)); }
};

TEST(ScrollCaptureX11, AScrollableWindowMarkedAsABrowserIsCapturedWhole)
{
    if (!DesktopIsAvailable() || !Desktop().windows.HasWindowManager())
        GTEST_SKIP() << "needs a display with a window manager";
    FakeBrowserWindow window;
    window.show();
    SetBrowserClass(window.winId());
    const HWND target = HwndFromX11Window(window.winId());
    ASSERT_TRUE(
        PumpUntil([&] { return Desktop().windows.WindowExists(target) && window.isVisible(); }, 5000));
    PumpFor(300);  // placed and painted
    ASSERT_EQ(DetectBrowserWindow(target), kBrowserChrome);

    const DWORD savedVersion = g_nWindowsVersion;
    DetectWindowsVersion();  // the print-screen grab, as the program runs
    // The default settings, with a short wait after each notch; the screen figures of this display.
    ScrollCaptureSettings settings;
    const ScreenMetrics m = QueryScreenMetrics();
    settings.captionHeight = m.captionHeight;
    settings.frameWidth = m.frameWidth;
    settings.frameHeight = m.frameHeight;
    settings.vscrollWidth = m.vscrollWidth;
    settings.scrollWait = 20;
    settings.maxSaveSizeHeight = 30000;
    settings.afterScrollBehave = 1;

    NoFrame frame;
    PlainClock clock;
    DesktopScrollCaptureHost host;
    ScrollWindowSteps steps = DesktopScrollWindowSteps();
    CLoadBitmap holder;
    ScriptedMessageBoxes boxes;
    const int produced = ScrollCaptureWindow(3, target, &holder, frame, clock, host, steps, settings);
    g_nWindowsVersion = savedVersion;
    ASSERT_EQ(produced, 1) << boxes.Texts().join(u'|').toStdString();
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join(u'|').toStdString();

    // Down the middle of the page: every row once, in order, from the first to the last.
    const int height = std::abs(holder.infoHeader.biHeight);
    ASSERT_GT(height, kPageRows);
    const int x = 280;
    int expected = 0;
    int firstRow = -1;
    for (int y = 0; y < height; ++y) {
        const int row = PageRowOf(HolderPixel(holder, x, y));
        if (row < 0)
            continue;
        if (firstRow < 0)
            firstRow = y;
        ASSERT_EQ(row, expected) << "image row " << y;
        ++expected;
    }
    EXPECT_EQ(expected, kPageRows);
    // The header once above the page, the footer once below it.
    EXPECT_EQ(HolderPixel(holder, x, firstRow - 1), RGB(0x30, 0x60, 0xa0));
    EXPECT_EQ(HolderPixel(holder, x, firstRow + kPageRows), RGB(0xd0, 0xd0, 0xd0));
    // The Home key took the page back to its top.
    EXPECT_TRUE(PumpUntil([&] { return window.scroll->verticalScrollBar()->value() == 0; }, 3000));
}

}  // namespace
