// The screen's DC on the test display: copies from GetDC(NULL) and from a
// "DISPLAY" DC read the fixture windows as they are at each copy.
#include "platform/gdi/gdi.h"
#include "platform/image/image_class.h"
#include "platform/window/window.h"
#include "platform/x11/desktop_services.h"
#include "tests/platform/gdi/canvas.h"
#include "tests/support/x11_fixture_windows.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using gdi_testing::Canvas;

QString Unique(const char* name)
{
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(name)).arg(getpid());
}

// A window of one colour kept above the others, and its client rectangle.
struct ColourWindow {
    explicit ColourWindow(FixtureDisplay& fixture, unsigned long colour) : fixture(fixture)
    {
        FixtureWindowRecipe recipe;
        recipe.title = Unique("desktop dc");
        recipe.x = 300;
        recipe.y = 260;
        recipe.width = 90;
        recipe.height = 50;
        recipe.background = colour;
        recipe.above = true;
        window = fixture.Create(recipe);
        Desktop().control.Raise(window);
        origin = fixture.ClientOrigin(window);
    }
    FixtureDisplay& fixture;
    HWND window = nullptr;
    POINT origin{};
};

// Copies the window's client area through the DC until its middle shows `rgb` (other tests may cover it a
// while).
bool CopyShows(CDC& screen, Canvas& canvas, const ColourWindow& w, QRgb rgb)
{
    return WaitUntil([&] {
        canvas.dc.BitBlt(0, 0, 90, 50, &screen, w.origin.x, w.origin.y, SRCCOPY);
        const QImage* img = canvas.bitmap.GetImage();
        return (img->pixel(45, 25) & 0xFFFFFF) == rgb && (img->pixel(0, 0) & 0xFFFFFF) == rgb &&
            (img->pixel(89, 49) & 0xFFFFFF) == rgb;
    });
}

TEST(DesktopDcX11, EveryCopyReadsTheLiveScreen)
{
    ASSERT_TRUE(DesktopIsAvailable());
    FixtureDisplay fixture;
    ASSERT_TRUE(fixture.isOpen());
    ColourWindow w(fixture, 0x20C040);
    const HWND desktopWindow = GetDesktopWindow();
    ASSERT_NE(desktopWindow, nullptr);
    HDC screen = GetDC(desktopWindow);
    ASSERT_NE(screen, nullptr);
    Canvas canvas(90, 50);
    EXPECT_TRUE(CopyShows(*CDC::FromHandle(screen), canvas, w, 0x20C040));
    EXPECT_EQ(canvas.bitmap.GetImage()->pixel(10, 10) >> 24, 0xFFu);  // the fourth byte

    // The same DC, after the window changed colour: the change shows.
    fixture.AddChild(w.window, 0, 0, 90, 50, 0xE01060);
    EXPECT_TRUE(CopyShows(*CDC::FromHandle(screen), canvas, w, 0xE01060));
    ReleaseDC(desktopWindow, screen);

    // A "DISPLAY" DC into a 32-bit picture's DC, as a capture makes it.
    CDC display;
    ASSERT_TRUE(display.CreateDC(QStringLiteral("DISPLAY"), QString(), QString(), nullptr));
    const int bits = display.GetDeviceCaps(BITSPIXEL) * display.GetDeviceCaps(PLANES);
    CImage picture;
    ASSERT_TRUE(picture.Create(90, 50, std::max(24, bits)));
    EXPECT_EQ(picture.GetBPP(), 32);
    EXPECT_TRUE(WaitUntil([&] {
        CDC::FromHandle(picture.GetDC())->BitBlt(0, 0, 90, 50, &display, w.origin.x, w.origin.y, SRCCOPY);
        picture.ReleaseDC();
        return picture.GetPixel(45, 25) == RGB(0xE0, 0x10, 0x60);
    }));
}

TEST(DesktopDcX11, DeviceCapsMatchTheScreen)
{
    ASSERT_TRUE(DesktopIsAvailable());
    HDC screen = GetDC(nullptr);
    const SIZE size = Desktop().grab.ScreenSize();  // one monitor on the test display
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), size.cx);
    EXPECT_EQ(GetDeviceCaps(screen, VERTRES), size.cy);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(screen, PLANES), 1);
    EXPECT_GT(GetDeviceCaps(screen, HORZSIZE), 0);
    ReleaseDC(nullptr, screen);
}

}  // namespace
