// A continuous capture of a real window: the numbered files hold exactly the
// window's pixels, and every frame reads the screen anew.
#include "clip/continuous_capture_session.h"

#include "platform/image/image_class.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/x11_fixture_windows.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <functional>
#include <thread>

namespace {

class PumpingHost : public ContinuousCaptureLoopHost {
public:
    void ShowCounter(const QString& text) override
    {
        if (onCounter)
            onCounter(text);
    }
    void StartProgressTimer() override { }
    void StopProgressTimer() override { }
    void SetProgressPos(int) override { }
    void ShowMessage(const QString& text, UINT) override { messages << text; }
    void WaitMessages(DWORD maxMs) override { WaitMessagesPumping(maxMs); }
    HWND FrameWindow() override { return nullptr; }

    std::function<void(const QString&)> onCounter;
    QStringList messages;
};

TEST(ContinuousCaptureX11, SavedFramesEqualTheWindowAndFollowItsChanges)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "needs a display";
    FixtureDisplay fixtures;
    ASSERT_TRUE(fixtures.isOpen());
    constexpr unsigned long kRoot = 0x30C050;
    constexpr unsigned long kBack = 0x2040A0;
    constexpr unsigned long kChild = 0xC03010;
    fixtures.SetRootBackground(kRoot);
    FixtureWindowRecipe recipe;
    recipe.title = QStringLiteral("continuous capture target");
    recipe.x = 150;
    recipe.y = 130;
    recipe.width = 120;
    recipe.height = 80;
    recipe.background = kBack;
    const HWND window = fixtures.Create(recipe);
    ASSERT_NE(window, nullptr);
    fixtures.AddChild(window, 0, 0, 60, 40, kChild);  // the top-left quarter
    fixtures.Sync();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const POINT origin = fixtures.ClientOrigin(window);
    const RECT rect{origin.x, origin.y, origin.x + 120, origin.y + 80};

    for (int format : {kCcFormatBmp, kCcFormatPng}) {
        SCOPED_TRACE(format);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        PumpingHost host;
        CContinuousCaptureSession session(host);
        ContinuousCaptureSettings& s = session.settings;
        s.count = 3;
        s.intervalTenths = 2;
        s.saveFormat = format;
        s.folder = dir.path() + u'/';
        s.fileName = QStringLiteral("cc");
        const bool lastFormat = format == kCcFormatPng;
        // Before the last run's third frame the window goes: that frame shows the desktop.
        host.onCounter = [&](const QString& text) {
            if (lastFormat && text == QStringLiteral("3 / 3")) {
                fixtures.Unmap(window);
                fixtures.Sync();
                std::this_thread::sleep_for(std::chrono::milliseconds(150));
            }
        };
        ASSERT_EQ(session.PrepareRing(120, 80, 32), 1);
        session.SetStatus(kCcRunning);
        ASSERT_TRUE(session.StartSaverThread());
        EXPECT_EQ(session.RunCaptureLoop(window, rect, 120, 80), 1);
        session.CloseRing();
        session.WaitForSaver(false);
        EXPECT_EQ(session.Status(), kCcRunning);
        ASSERT_EQ(session.SavedFileCount(), 3);
        EXPECT_TRUE(host.messages.isEmpty());

        for (int k = 1; k <= 3; ++k) {
            SCOPED_TRACE(k);
            CImage saved;
            ASSERT_EQ(saved.Load(session.MakeSaveFilePath(k, 3)), CImage::kOk);
            ASSERT_EQ(saved.GetWidth(), 120);
            ASSERT_EQ(saved.GetHeight(), 80);
            const QImage image = saved.Image().convertToFormat(QImage::Format_RGB32);
            int wrong = 0;
            for (int y = 0; y < 80; ++y) {
                for (int x = 0; x < 120; ++x) {
                    const bool gone = lastFormat && k == 3;
                    const unsigned long want = gone ? kRoot : (x < 60 && y < 40 ? kChild : kBack);
                    if ((image.pixel(x, y) & 0xFFFFFF) != want)
                        ++wrong;
                }
            }
            EXPECT_EQ(wrong, 0);
        }
    }
}

}  // namespace
