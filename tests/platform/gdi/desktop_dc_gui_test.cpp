// The screen's DC over a fake screen whose every pixel tells its position:
// which rectangle each copy reads, where the pixels land, raster operations,
// clipping and the black beyond the screen's edges.
#include "platform/gdi/gdi.h"
#include "platform/image/image_class.h"
#include "platform/window/window.h"
#include "platform/x11/null_desktop_services.h"
#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using gdi_testing::Canvas;

constexpr SIZE kScreen{100, 80};

QRgb ScreenPixel(int x, int y)
{
    return 0xFF000000u | (static_cast<QRgb>(x) << 16) | (static_cast<QRgb>(y) << 8) | 0x5A;
}

// Serves ScreenPixel and records the rectangles asked for.
class FakeScreen final : public NullScreenGrab {
public:
    SIZE ScreenSize() override { return kScreen; }
    bool Grab(const RECT& rect, QImage& image) override
    {
        asked.push_back(rect);
        if (failing)
            return false;
        const RECT on = ClipRectToScreen(rect, kScreen);
        if (IsRectEmptyArea(rect) || IsRectEmptyArea(on))
            return false;
        image = QImage(rect.right - rect.left, rect.bottom - rect.top, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int sx = rect.left + x;
                const int sy = rect.top + y;
                const bool inside = sx >= 0 && sy >= 0 && sx < kScreen.cx && sy < kScreen.cy;
                image.setPixel(x, y, inside ? ScreenPixel(sx, sy) : 0xFF000000u);
            }
        }
        return true;
    }
    std::vector<RECT> asked;
    bool failing = false;  // as when the server has gone
};

class DesktopDcGui : public testing::Test {
protected:
    void SetUp() override { SetDesktopServicesForTesting(&m_services); }
    void TearDown() override { SetDesktopServicesForTesting(nullptr); }

    FakeScreen m_screen;
    NullWindowList m_windows;
    NullWindowControl m_control;
    NullCursor m_cursor;
    NullPointerConfinement m_pointer;
    NullInput m_input;
    DesktopServices m_services{m_windows, m_control, m_screen, m_cursor, m_pointer, m_input};
};

TEST_F(DesktopDcGui, CopiesReadOnlyTheRectangleThatLands)
{
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    Canvas canvas(40, 30, RGB(1, 2, 3));
    CDC* desktop = CDC::FromHandle(screen);

    ASSERT_TRUE(canvas.dc.BitBlt(5, 4, 20, 10, desktop, 30, 40, SRCCOPY));
    ASSERT_EQ(m_screen.asked.size(), 1u);
    EXPECT_EQ(m_screen.asked[0], (RECT{30, 40, 50, 50}));
    const QImage* img = canvas.bitmap.GetImage();
    EXPECT_EQ(img->pixel(5, 4), ScreenPixel(30, 40));
    EXPECT_EQ(img->pixel(24, 13), ScreenPixel(49, 49));
    EXPECT_EQ(img->pixel(4, 4), PixelFromColorref(RGB(1, 2, 3)));
    EXPECT_EQ(img->pixel(25, 4), PixelFromColorref(RGB(1, 2, 3)));

    // Hanging over the destination's edge: only the part inside is read.
    m_screen.asked.clear();
    ASSERT_TRUE(canvas.dc.BitBlt(30, 25, 50, 50, desktop, 0, 0, SRCCOPY));
    ASSERT_EQ(m_screen.asked.size(), 1u);
    EXPECT_EQ(m_screen.asked[0], (RECT{0, 0, 10, 5}));
    EXPECT_EQ(img->pixel(39, 29), ScreenPixel(9, 4));

    // Viewport origins of both DCs move the rectangles.
    m_screen.asked.clear();
    desktop->SetViewportOrg(7, 3);
    canvas.dc.SetViewportOrg(2, 1);
    ASSERT_TRUE(canvas.dc.BitBlt(0, 0, 4, 4, desktop, 10, 10, SRCCOPY));
    EXPECT_EQ(m_screen.asked[0], (RECT{17, 13, 21, 17}));
    EXPECT_EQ(img->pixel(2, 1), ScreenPixel(17, 13));
    ReleaseDC(nullptr, screen);
}

TEST_F(DesktopDcGui, WholeScreenCopiesKeepMemoryThatWasHandedOut)
{
    HDC screen = GetDC(nullptr);
    for (bool handedOut : {false, true}) {
        Canvas canvas(kScreen.cx, kScreen.cy, RGB(7, 7, 7));
        BITMAP bm;
        if (handedOut)
            canvas.bitmap.GetBitmap(&bm);
        const uchar* before = canvas.bitmap.GetImage()->constBits();
        ASSERT_TRUE(canvas.dc.BitBlt(0, 0, kScreen.cx, kScreen.cy, CDC::FromHandle(screen), 0, 0, SRCCOPY));
        const QImage* img = canvas.bitmap.GetImage();
        EXPECT_EQ(img->pixel(99, 79), ScreenPixel(99, 79)) << handedOut;
        EXPECT_EQ(img->format(), QImage::Format_RGB32);
        if (handedOut) {
            EXPECT_EQ(img->constBits(), before);
            EXPECT_EQ(static_cast<const QRgb*>(bm.bmBits)[80 * 100 - 1], ScreenPixel(99, 79));
        }
        // The DC goes on drawing on the bitmap's pixels.
        canvas.dc.SetPixel(0, 0, RGB(1, 2, 3));
        EXPECT_EQ(img->pixel(0, 0), PixelFromColorref(RGB(1, 2, 3)));
    }
    // Pictures of the image class, with and without alpha, at every depth.
    for (auto [bpp, flags] : {std::pair{32, DWORD{0}}, {32, CImage::createAlphaChannel}, {24, DWORD{0}}}) {
        CImage picture;
        ASSERT_TRUE(picture.Create(kScreen.cx, kScreen.cy, bpp, flags));
        const bool alpha = picture.HasAlphaChannel();
        ASSERT_TRUE(CDC::FromHandle(picture.GetDC())
                        ->BitBlt(0, 0, kScreen.cx, kScreen.cy, CDC::FromHandle(screen), 0, 0, SRCCOPY));
        picture.ReleaseDC();
        EXPECT_EQ(picture.GetBPP(), bpp);
        EXPECT_EQ(picture.HasAlphaChannel(), alpha);
        EXPECT_EQ(picture.GetPixel(99, 79), ColorrefFromPixel(ScreenPixel(99, 79))) << bpp << alpha;
        EXPECT_EQ(picture.GetRow(79)[99 * (bpp / 8)], 0x5A) << bpp << alpha;  // blue
    }

    // A failed read of a copy that was to replace every pixel leaves them
    // black, never a bitmap without pixels.
    Canvas canvas(kScreen.cx, kScreen.cy, RGB(7, 7, 7));
    m_screen.failing = true;
    EXPECT_FALSE(canvas.dc.BitBlt(0, 0, kScreen.cx, kScreen.cy, CDC::FromHandle(screen), 0, 0, SRCCOPY));
    EXPECT_EQ(canvas.bitmap.GetImage()->size(), QSize(kScreen.cx, kScreen.cy));
    EXPECT_EQ(canvas.bitmap.GetImage()->pixel(5, 5), 0xFF000000u);
    // A smaller one leaves the destination as it was.
    canvas.dc.FillSolidRect(0, 0, 10, 10, RGB(7, 7, 7));
    EXPECT_FALSE(canvas.dc.BitBlt(0, 0, 10, 10, CDC::FromHandle(screen), 0, 0, SRCCOPY));
    EXPECT_EQ(canvas.bitmap.GetImage()->pixel(5, 5), PixelFromColorref(RGB(7, 7, 7)));
    ReleaseDC(nullptr, screen);
}

TEST_F(DesktopDcGui, BeyondTheScreenIsBlack)
{
    CDC display;
    ASSERT_TRUE(display.CreateDC(QStringLiteral("DISPLAY"), QString(), QString(), nullptr));
    Canvas canvas(20, 20, RGB(200, 200, 200));
    ASSERT_TRUE(canvas.dc.BitBlt(0, 0, 20, 20, &display, 90, -10, SRCCOPY));
    const QImage* img = canvas.bitmap.GetImage();
    EXPECT_EQ(img->pixel(0, 10), ScreenPixel(90, 0));
    EXPECT_EQ(img->pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(img->pixel(15, 15), 0xFF000000u);
    // Wholly beyond the screen: black, and still a successful copy.
    ASSERT_TRUE(canvas.dc.BitBlt(0, 0, 20, 20, &display, 500, 500, SRCCOPY));
    EXPECT_EQ(img->pixel(10, 10), 0xFF000000u);
}

TEST_F(DesktopDcGui, RasterOperationsAndClipsUseTheScreenAsSource)
{
    HDC screen = GetDC(nullptr);
    CDC* desktop = CDC::FromHandle(screen);
    Canvas canvas(16, 16);
    const QImage before = canvas.Copy();
    ASSERT_TRUE(canvas.dc.BitBlt(0, 0, 16, 16, desktop, 3, 3, SRCINVERT));
    const QImage* img = canvas.bitmap.GetImage();
    for (auto [x, y] : {std::pair{0, 0}, {7, 9}, {15, 15}}) {
        EXPECT_EQ(img->pixel(x, y) & 0xFFFFFF, (before.pixel(x, y) ^ ScreenPixel(x + 3, y + 3)) & 0xFFFFFF)
            << x << "," << y;
    }

    // A clip region of two pieces: only those change.
    Canvas clipped(16, 16, RGB(0, 0, 0));
    CRgn left;
    CRgn right;
    left.CreateRectRgn(0, 0, 4, 16);
    right.CreateRectRgn(12, 0, 16, 16);
    left.CombineRgn(&left, &right, RGN_OR);
    clipped.dc.SelectClipRgn(&left);
    ASSERT_TRUE(clipped.dc.BitBlt(0, 0, 16, 16, desktop, 0, 0, SRCCOPY));
    EXPECT_EQ(clipped.bitmap.GetImage()->pixel(2, 5), ScreenPixel(2, 5));
    EXPECT_EQ(clipped.bitmap.GetImage()->pixel(13, 5), ScreenPixel(13, 5));
    EXPECT_EQ(clipped.bitmap.GetImage()->pixel(8, 5), 0xFF000000u);
    ReleaseDC(nullptr, screen);
}

TEST_F(DesktopDcGui, NothingIsDrawnOnTheScreenAndNothingIsReadWithoutASource)
{
    CDC display;
    ASSERT_TRUE(display.CreateDC(QStringLiteral("display"), QString(), QString(), nullptr));
    EXPECT_FALSE(display.CreateDC(QStringLiteral("DISPLAY"), QString(), QString(), nullptr));  // in use
    Canvas canvas(8, 8);
    EXPECT_FALSE(display.BitBlt(0, 0, 8, 8, &canvas.dc, 0, 0, SRCCOPY));
    EXPECT_FALSE(display.PatBlt(0, 0, 8, 8, BLACKNESS));
    EXPECT_TRUE(m_screen.asked.empty());
    CDC other;
    EXPECT_FALSE(other.CreateDC(QStringLiteral("PRINTER"), QString(), QString(), nullptr));
}

TEST_F(DesktopDcGui, DeviceCapsDescribeThe32BitScreen)
{
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES), 32);
    EXPECT_GT(dpiX, 0);
    EXPECT_GT(dpiY, 0);
    const int width = GetDeviceCaps(screen, HORZRES);
    const int height = GetDeviceCaps(screen, VERTRES);
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
    EXPECT_EQ(GetDeviceCaps(screen, HORZSIZE), qRound(width * 25.4 / dpiX));
    EXPECT_EQ(GetDeviceCaps(screen, VERTSIZE), qRound(height * 25.4 / dpiY));
    Canvas canvas(2, 2);
    EXPECT_EQ(canvas.dc.GetDeviceCaps(HORZRES), width);  // a memory DC is compatible with the screen
    EXPECT_EQ(GetDeviceCaps(screen, 9999), 0);
    EXPECT_EQ(GetDeviceCaps(nullptr, BITSPIXEL), 0);
    ReleaseDC(nullptr, screen);
}

}  // namespace
