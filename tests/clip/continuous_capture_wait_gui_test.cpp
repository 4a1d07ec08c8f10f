// The wait for the saver: with frames left the frame's wait box shows how
// many are saved, and it closes once the saver has ended.
#include "clip/continuous_capture_session.h"

#include "clip/wait_box_messages.h"
#include "core/frame_messages.h"
#include "platform/window/window.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <vector>

namespace {

// The frame, answering for its wait box too.
class WaitBoxFrame : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_FRAME_OPEN_WAITMSG:
            title = *reinterpret_cast<const QString*>(wParam);
            maximum = static_cast<int>(lParam);
            return reinterpret_cast<LRESULT>(GetSafeHwnd());
        case WM_WAITMSG_SET_TEXT:
            lines.push_back(*reinterpret_cast<const QString*>(wParam));
            return 0;
        case WM_WAITMSG_SET_POS:
            positions.push_back(static_cast<int>(wParam));
            return 0;
        case WM_FRAME_CLOSE_WAITMSG:
            ++closes;
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
        }
    }
    QString title;
    int maximum = -1;
    QStringList lines;
    std::vector<int> positions;
    int closes = 0;
};

class Host : public ContinuousCaptureLoopHost {
public:
    explicit Host(HWND frame) : m_frame(frame) { }
    void ShowCounter(const QString&) override { }
    void StartProgressTimer() override { }
    void StopProgressTimer() override { }
    void SetProgressPos(int) override { }
    void ShowMessage(const QString&, UINT) override { }
    void WaitMessages(DWORD maxMs) override { WaitMessagesPumping(maxMs); }
    HWND FrameWindow() override { return m_frame; }

private:
    HWND m_frame;
};

// Noise, so that each PNG takes the saver a while.
CImage Noise(int k)
{
    QImage image(800, 600, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(k));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    CImage picture;
    picture.SetImage(image);
    return picture;
}

TEST(ContinuousCaptureWait, TheWaitBoxCountsTheFramesSavedAndCloses)
{
    for (bool showWindow : {true, false}) {
        SCOPED_TRACE(showWindow);
        WaitBoxFrame frame;
        ASSERT_TRUE(frame.CreateEx(0, QStringLiteral("frame"), WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        Host host(frame.GetSafeHwnd());
        CContinuousCaptureSession session(host);
        session.settings.count = 6;
        session.settings.saveFormat = kCcFormatPng;
        session.settings.folder = dir.path() + u'/';
        session.settings.fileName = QStringLiteral("w");
        ASSERT_EQ(session.PrepareRing(800, 600, 32), 1);
        ASSERT_GE(session.Ring()->Capacity(), 6u);
        for (int k = 1; k <= 6; ++k)
            ASSERT_EQ(session.StoreFrame(Noise(k)), 1);
        session.SetStatus(kCcRunning);
        ASSERT_TRUE(session.StartSaverThread());
        session.CloseRing();
        session.WaitForSaver(showWindow);
        EXPECT_FALSE(session.SaverRunning());
        EXPECT_EQ(session.SavedFileCount(), 6);
        if (!showWindow) {
            EXPECT_EQ(frame.maximum, -1);
            EXPECT_EQ(frame.closes, 0);
            continue;
        }
        EXPECT_EQ(frame.title, QStringLiteral("KestrelPro 連続キャプチャ"));
        EXPECT_GE(frame.maximum, 2);
        EXPECT_EQ(frame.lines,
            (QStringList{QStringLiteral("残りのファイルを保存中です・・・"),
                QStringLiteral("しばらくお待ちください。")}));
        ASSERT_FALSE(frame.positions.empty());
        EXPECT_TRUE(std::is_sorted(frame.positions.begin(), frame.positions.end()));
        EXPECT_LE(frame.positions.back(), frame.maximum);
        EXPECT_EQ(frame.closes, 1);
    }
}

}  // namespace
