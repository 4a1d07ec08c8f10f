// The simulated print-screen key on the test display: the whole screen, or
// with Alt the active window, lands on the real clipboard as a bitmap that
// the program reads back and that a second X client (xclip) sees.
#include "platform/clipboard/clipboard.h"
#include "platform/clipboard/print_screen_key.h"
#include "platform/gdi/gdi.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/x11_fixture_windows.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QString Unique(const char* name)
{
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(name)).arg(getpid());
}

void PressPrintScreen(bool withAlt)
{
    if (withAlt)
        keybd_event(VK_MENU, 0, 0, 0);
    keybd_event(VK_SNAPSHOT, 0, 0, 0);
    keybd_event(VK_SNAPSHOT, 0, KEYEVENTF_KEYUP, 0);
    if (withAlt)
        keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
}

// The clipboard's bitmap as the program reads it; null when there is none.
QImage ClipboardBitmap()
{
    if (!IsClipboardFormatAvailable(CF_BITMAP) || !OpenClipboard(nullptr))
        return {};
    QImage image;
    auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    DIBSECTION ds;
    if (bitmap != nullptr && GetObject(bitmap, sizeof(ds), &ds) == int(sizeof(ds)))
        image = bitmap->image.copy();
    CloseClipboard();
    return image;
}

// The clipboard's picture as another X client reads it: xclip, while this
// process serves the request from its event loop.
QImage ImageThroughXclip()
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {"-o", "-selection", "clipboard", "-t", "image/png"});
    WaitUntil([&] { return xclip.state() == QProcess::NotRunning; }, 20000);
    return QImage::fromData(xclip.readAllStandardOutput(), "PNG");
}

class PrintScreenKeyX11 : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DesktopIsAvailable());
        ASSERT_TRUE(m_fixture.isOpen());
        FixtureWindowRecipe recipe;
        recipe.title = Unique("print screen");
        recipe.x = 420;
        recipe.y = 330;
        recipe.width = 120;
        recipe.height = 70;
        recipe.background = 0x3060F0;
        recipe.above = true;
        m_window = m_fixture.Create(recipe);
        Desktop().control.Raise(m_window);
        m_origin = m_fixture.ClientOrigin(m_window);
    }
    FixtureDisplay m_fixture;
    HWND m_window = nullptr;
    POINT m_origin{};
};

TEST_F(PrintScreenKeyX11, WholeScreenReachesTheClipboard)
{
    const SIZE screen = Desktop().grab.ScreenSize();
    QImage picture;
    // Other tests may cover the window a while: press again until it shows.
    ASSERT_TRUE(WaitUntil([&] {
        PressPrintScreen(false);
        picture = ClipboardBitmap();
        return !picture.isNull() && (picture.pixel(m_origin.x + 60, m_origin.y + 35) & 0xFFFFFF) == 0x3060F0u;
    }));
    EXPECT_EQ(picture.size(), QSize(screen.cx, screen.cy));
    EXPECT_EQ(picture.pixel(m_origin.x + 1, m_origin.y + 1), 0xFF3060F0u);

    if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
        GTEST_SKIP() << "xclip is not installed";
    const QImage seen = ImageThroughXclip();
    ASSERT_EQ(seen.size(), picture.size());
    EXPECT_EQ(seen.pixel(m_origin.x + 60, m_origin.y + 35) & 0xFFFFFF, 0x3060F0u);
}

TEST_F(PrintScreenKeyX11, WithAltTheActiveWindow)
{
    if (!Desktop().windows.HasWindowManager())
        GTEST_SKIP() << "needs a window manager";
    QImage picture;
    DesktopWindowInfo info;
    ASSERT_TRUE(WaitUntil(
        [&] {
            Desktop().control.Activate(m_window);
            if (!WaitUntil([&] { return Desktop().control.ForegroundWindow() == m_window; }, 500))
                return false;
            PressPrintScreen(true);
            picture = ClipboardBitmap();
            return Desktop().windows.QueryWindow(m_window, kQueryGeometry, info) &&
                picture.size() == QSize(info.rect.right - info.rect.left, info.rect.bottom - info.rect.top);
        },
        10000));
    // The client area within the frame.
    EXPECT_EQ(picture.pixel(m_origin.x - info.rect.left + 60, m_origin.y - info.rect.top + 35) & 0xFFFFFF,
        0x3060F0u);
}

TEST_F(PrintScreenKeyX11, ALoneReleaseOrAnotherKeyTakesNoPicture)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    keybd_event(VK_SNAPSHOT, 0, KEYEVENTF_KEYUP, 0);
    keybd_event('A', 0, 0, 0);
    keybd_event('A', 0, KEYEVENTF_KEYUP, 0);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
}

}  // namespace
