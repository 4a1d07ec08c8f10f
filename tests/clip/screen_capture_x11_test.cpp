// Both capture engines on a real display: a window of known colours is
// copied by its handle and by the whole screen into a holder.
#include "clip/screen_capture.h"
#include "core/settings/app_settings.h"
#include "core/window_list.h"
#include "platform/window/window.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/x11_fixture_windows.h"

#include <gtest/gtest.h>

namespace {

class PlainClock : public CaptureClock {
public:
    DWORD Now() override { return 0; }
    void Pump() override { }
    void Sleep(DWORD) override { }
};

// The colour at (x, y) counted from the top of a bottom-up holder.
QRgb HolderPixel(const CLoadBitmap& holder, int x, int y)
{
    const int bpp = holder.infoHeader.biBitCount;
    const int width = holder.infoHeader.biWidth;
    const int height = holder.infoHeader.biHeight;
    const int stride = ((width * bpp + 31) / 32) * 4;
    const BYTE* p = holder.bits + (height - 1 - y) * stride + x * (bpp / 8);
    return qRgb(p[2], p[1], p[0]);
}

TEST(ScreenCaptureX11, BothEnginesCopyAWindowAndTheScreen)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "needs a display";
    FixtureDisplay fixtures;
    ASSERT_TRUE(fixtures.isOpen());
    FixtureWindowRecipe recipe;
    recipe.title = QStringLiteral("capture target");
    recipe.x = 150;
    recipe.y = 130;
    recipe.width = 90;
    recipe.height = 60;
    recipe.background = 0x2040A0;
    const HWND window = fixtures.Create(recipe);
    ASSERT_NE(window, nullptr);
    fixtures.Sync();
    const POINT origin = fixtures.ClientOrigin(window);

    const int savedCursor = AppSettings.CaptureMouseCursor;
    AppSettings.CaptureMouseCursor = 0;
    CaptureSources sources = DesktopCaptureSources();
    PlainClock clock;
    struct Case {
        const char* name;
        bool printKey;
        BYTE kind;
        int depth;
    };
    const Case cases[] = {
        {"copy, chosen window", false, 3, 24},
        {"copy, full screen", false, 2, 24},
        {"print key, chosen window", true, 3, 32},
        {"print key, full screen", true, 2, 32},
    };
    for (const Case& c : cases) {
        CLoadBitmap holder;
        int captions = 0;
        const auto caption = [&] { ++captions; };
        const int result = c.printKey
            ? CaptureScreenPrintKey(c.kind, window, &holder, sources, clock, caption)
            : CaptureScreenBitBlt(c.kind, window, &holder, sources, caption);
        ASSERT_EQ(result, kCaptureDone) << c.name;
        EXPECT_EQ(captions, 1) << c.name;
        EXPECT_EQ(holder.infoHeader.biBitCount, c.depth) << c.name;
        EXPECT_GT(holder.infoHeader.biHeight, 0) << c.name;
        RECT rect{};
        if (c.kind == 3) {
            ASSERT_TRUE(GetCaptureTargetRect(window, rect)) << c.name;
        }
        // The middle of the window's client area, in the copy's coordinates.
        const int x = origin.x + recipe.width / 2 - rect.left;
        const int y = origin.y + recipe.height / 2 - rect.top;
        EXPECT_EQ(HolderPixel(holder, x, y), qRgb(0x20, 0x40, 0xA0)) << c.name;
    }
    AppSettings.CaptureMouseCursor = savedCursor;
    fixtures.Destroy(window);
}

TEST(ScreenCaptureX11, CursorIsDrawnWhereTheServerShowsItWithItsHotSpot)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "needs a display";
    FixtureDisplay fixtures;
    ASSERT_TRUE(fixtures.isOpen());
    FixtureWindowRecipe recipe;
    recipe.title = QStringLiteral("cursor target");
    recipe.x = 200;
    recipe.y = 160;
    recipe.width = 120;
    recipe.height = 100;
    recipe.background = 0x20A040;
    const HWND window = fixtures.Create(recipe);
    ASSERT_NE(window, nullptr);
    const POINT origin = fixtures.ClientOrigin(window);
    ASSERT_TRUE(Desktop().input.MovePointer(POINT{origin.x + 50, origin.y + 40}));
    fixtures.Sync();
    DesktopCursorImage cursor;
    ASSERT_TRUE(WaitUntil([&] {
        return Desktop().cursor.CursorImage(cursor) && !cursor.image.isNull() &&
            cursor.position.x == origin.x + 50 && cursor.position.y == origin.y + 40;
    }));

    const int savedCursor = AppSettings.CaptureMouseCursor;
    AppSettings.CaptureMouseCursor = 1;
    const CaptureSources sources = DesktopCaptureSources();
    AppSettings.CaptureMouseCursor = savedCursor;
    CLoadBitmap holder;
    ASSERT_EQ(CaptureScreenBitBlt(3, window, &holder, sources, nullptr), kCaptureDone);
    RECT rect{};
    ASSERT_TRUE(GetCaptureTargetRect(window, rect));

    // Every opaque pixel of the cursor's picture sits at the pointer less the
    // hot spot; everything else is the window's colour.
    const QImage picture = cursor.image.convertToFormat(QImage::Format_ARGB32);
    const QPoint corner(
        cursor.position.x - cursor.hotspot.x - rect.left, cursor.position.y - cursor.hotspot.y - rect.top);
    int opaque = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            if (qAlpha(c) != 255)
                continue;
            ++opaque;
            EXPECT_EQ(HolderPixel(holder, corner.x() + x, corner.y() + y), qRgb(qRed(c), qGreen(c), qBlue(c)))
                << x << "," << y;
        }
    }
    EXPECT_GT(opaque, 0);
    const int farX = origin.x - rect.left + recipe.width - 5;
    const int farY = origin.y - rect.top + recipe.height - 5;
    EXPECT_EQ(HolderPixel(holder, farX, farY), qRgb(0x20, 0xA0, 0x40));
    fixtures.Destroy(window);
}

}  // namespace
