#include "clip/screen_capture.h"

#include "core/settings/app_settings.h"
#include "core/window_list.h"
#include "platform/dialog/msgbox.h"
#include "platform/gdi/gdi.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace {

HWND FakeWindow(std::uintptr_t id)
{
    return reinterpret_cast<HWND>(id);
}

// A clock that moves on by `step` ms each time it is read.
class SteppingClock : public CaptureClock {
public:
    explicit SteppingClock(DWORD start, DWORD step) : m_now(start), m_step(step) { }
    DWORD Now() override { return m_now += m_step; }
    void Pump() override { ++pumps; }
    void Sleep(DWORD ms) override { m_now += ms; }
    int pumps = 0;

private:
    DWORD m_now;
    DWORD m_step;
};

// A frame that writes down what was done to it.
class RecordingFrame : public CaptureFrame {
public:
    HWND Window() override { return FakeWindow(0x100); }
    QString Title() override { return title; }
    void SetTitle(const QString& text) override
    {
        title = text;
        titles << text;
    }
    void Minimize() override
    {
        minimized = true;
        events << QStringLiteral("minimize");
    }
    void Restore() override
    {
        minimized = false;
        events << QStringLiteral("restore");
    }
    int ForceForeground(HWND) override
    {
        events << QStringLiteral("foreground");
        return foregroundResult;
    }
    // The frame shows on the screen for this many more questions (-1: always).
    bool OnScreen() override
    {
        ++screenQuestions;
        if (showsFor <= 0)
            return showsFor < 0;
        --showsFor;
        return true;
    }
    QString title = QStringLiteral("Kestrel - photo.jpg");
    QStringList titles;
    int showsFor = 0;
    int screenQuestions = 0;
    QStringList events;
    bool minimized = false;
    int foregroundResult = 1;
};

}  // namespace

TEST(ScreenCapture, CountdownTextIsSecondsAndTenths)
{
    EXPECT_EQ(CountdownText(2950), QStringLiteral("2.9"));
    EXPECT_EQ(CountdownText(1049), QStringLiteral("1.0"));
    EXPECT_EQ(CountdownText(99), QStringLiteral("0.0"));
}

TEST(ScreenCapture, CountdownShowsTheRemainingTimeEveryQuarterSecond)
{
    RecordingFrame frame;
    // Near the end of the tick range: the countdown must survive the wrap.
    SteppingClock clock(0xFFFFFF00u, 10);
    RunCaptureCountdown(frame, clock, [] { return 3000; });
    ASSERT_GE(frame.titles.size(), 11);
    ASSERT_LE(frame.titles.size(), 13);
    EXPECT_EQ(frame.titles.front(), QStringLiteral("2.9"));
    const QRegularExpression shape(QStringLiteral("^\\d\\.\\d$"));
    double previous = 4.0;
    for (const QString& title : frame.titles) {
        EXPECT_TRUE(shape.match(title).hasMatch()) << title.toStdString();
        EXPECT_LT(title.toDouble(), previous);
        previous = title.toDouble();
    }
    EXPECT_GT(clock.pumps, 0);
}

TEST(ScreenCapture, CountdownReadsTheWaitOnEveryTurn)
{
    RecordingFrame frame;
    SteppingClock clock(1000, 10);
    int turns = 0;
    RunCaptureCountdown(frame, clock, [&] { return ++turns < 40 ? 3000 : 0; });
    EXPECT_EQ(turns, 40);  // stopped as soon as the wait became 0
    EXPECT_LE(frame.titles.size(), 2);

    RecordingFrame untouched;
    RunCaptureCountdown(untouched, clock, [] { return 0; });
    EXPECT_TRUE(untouched.titles.isEmpty());
}

TEST(ScreenCapture, TargetChoiceByKind)
{
    const HWND desktop = FakeWindow(0x1);
    const HWND chosen = FakeWindow(0x33);
    const HWND topmost = FakeWindow(0x44);
    const auto listTwo = [&] {
        g_pWindowList[0].window = topmost;
        g_pWindowList[1].window = FakeWindow(0x55);
        g_nWindowListCount = 2;
    };
    const auto listNone = [] {};
    struct Case {
        BYTE kind;
        HWND target;
        bool windowsListed;
        HWND window;
        int result;
    };
    const Case cases[] = {
        {1, nullptr, true, topmost, kCaptureDone},
        {1, chosen, true, topmost, kCaptureDone},
        {1, nullptr, false, nullptr, kCaptureNoActiveWindow},
        {2, chosen, true, desktop, kCaptureDone},
        {3, chosen, true, chosen, kCaptureDone},
        {3, nullptr, true, desktop, kCaptureDone},
    };
    for (const Case& c : cases) {
        const CaptureTarget got = ChooseCaptureTarget(
            c.kind, c.target, 8, c.windowsListed ? std::function<void()>(listTwo) : listNone, desktop);
        EXPECT_EQ(got.window, c.window) << "kind " << int(c.kind);
        EXPECT_EQ(got.result, c.result) << "kind " << int(c.kind);
        EXPECT_EQ(g_pWindowList, nullptr) << "the list is freed";
    }
}

TEST(ScreenCapture, EngineAndDepthByVersionCode)
{
    EXPECT_FALSE(UsesPrintKeyEngine(0x5FF));
    EXPECT_TRUE(UsesPrintKeyEngine(0x600));
    EXPECT_TRUE(UsesPrintKeyEngine(0x700));
    EXPECT_EQ(ScreenCopyDepth(16), 24);
    EXPECT_EQ(ScreenCopyDepth(24), 24);
    EXPECT_EQ(ScreenCopyDepth(32), 32);
}

TEST(ScreenCapture, WholeCaptureBringsTheFrameBackOnEveryPath)
{
    const HWND other = FakeWindow(0x200);
    struct Case {
        const char* name;
        BYTE kind;
        HWND target;
        int foreground;
        DWORD version;
        int engineResult;
        int expected;
        const char* usedEngine;  // "" none
        const char* caption;     // "" no message
        bool minimized;          // was the frame minimised at all
    };
    const Case cases[] = {
        {"captured, print key", 2, nullptr, 1, 0x700, kCaptureDone, 1, "printKey", "", true},
        {"captured, copy", 3, other, 1, 0x501, kCaptureDone, 1, "bitBlt", "", true},
        {"no active window", 1, nullptr, 1, 0x700, kCaptureNoActiveWindow, 0, "printKey", "見つかりません",
            true},
        {"engine failed", 1, nullptr, 1, 0x501, kCaptureFailed, 0, "bitBlt", "キャプチャ失敗", true},
        {"cannot switch", 3, other, 0, 0x700, kCaptureDone, 0, "", "失敗", true},
        {"the frame itself", 3, FakeWindow(0x100), 1, 0x700, kCaptureDone, 1, "printKey", "", false},
    };
    for (const Case& c : cases) {
        RecordingFrame frame;
        frame.foregroundResult = c.foreground;
        const QString original = frame.title;
        SteppingClock clock(0, 25);
        QString used;
        std::vector<CaptureMessage> told;
        WindowCaptureSteps steps;
        steps.waitMs = [] { return 600; };
        steps.versionCode = c.version;
        steps.bitBlt = [&](BYTE, HWND) {
            used = QStringLiteral("bitBlt");
            EXPECT_TRUE(frame.minimized || !c.minimized);
            return c.engineResult;
        };
        steps.printKey = [&](BYTE, HWND) {
            used = QStringLiteral("printKey");
            return c.engineResult;
        };
        steps.tell = [&](const CaptureMessage& m) { told.push_back(m); };
        EXPECT_EQ(RunWindowCapture(c.kind, c.target, frame, clock, steps), c.expected) << c.name;
        EXPECT_EQ(used, QString::fromUtf8(c.usedEngine)) << c.name;
        EXPECT_FALSE(frame.minimized) << c.name;
        EXPECT_EQ(frame.events.contains(QStringLiteral("minimize")), c.minimized) << c.name;
        EXPECT_EQ(frame.title, original) << c.name;
        if (*c.caption) {
            ASSERT_EQ(told.size(), 1u) << c.name;
            EXPECT_EQ(told[0].caption, QString::fromUtf8(c.caption)) << c.name;
        } else {
            EXPECT_TRUE(told.empty()) << c.name;
        }
    }
}

TEST(ScreenCapture, CopyWaitsUntilTheFrameHasLeftTheScreenWithinALimit)
{
    struct Case {
        const char* name;
        int showsFor;
        bool waitsOut;  // the copy is made once the frame has gone
    };
    const Case cases[] = {
        {"gone at once", 0, true},
        {"gone after three looks", 3, true},
        {"never goes", -1, false},
    };
    for (const Case& c : cases) {
        RecordingFrame frame;
        frame.showsFor = c.showsFor;
        SteppingClock clock(1000, 1);
        DWORD copiedAt = 0;
        WindowCaptureSteps steps;
        steps.waitMs = [] { return 0; };
        steps.versionCode = 0x700;
        steps.printKey = [&](BYTE, HWND) {
            copiedAt = clock.Now();
            // Still on the screen only when the limit ran out.
            EXPECT_EQ(frame.showsFor == 0, c.waitsOut) << c.name;
            return kCaptureDone;
        };
        EXPECT_EQ(RunWindowCapture(2, nullptr, frame, clock, steps), 1) << c.name;
        if (c.waitsOut) {
            EXPECT_EQ(frame.screenQuestions, c.showsFor + 1) << c.name;
        }
        if (!c.waitsOut) {
            EXPECT_GE(copiedAt - 1000, kFrameLeaveLimitMs) << c.name;
            EXPECT_LT(copiedAt - 1000, kFrameLeaveLimitMs + 100) << c.name;
        }
        EXPECT_GE(clock.pumps, c.showsFor < 0 ? 1 : c.showsFor) << c.name;
    }
    // The frame as the target stays where it is: nothing to wait for.
    RecordingFrame frame;
    frame.showsFor = -1;
    SteppingClock clock(0, 1);
    WindowCaptureSteps steps;
    steps.waitMs = [] { return 0; };
    steps.versionCode = 0x700;
    steps.printKey = [](BYTE, HWND) { return kCaptureDone; };
    EXPECT_EQ(RunWindowCapture(3, frame.Window(), frame, clock, steps), 1);
    EXPECT_EQ(frame.screenQuestions, 0);
}

TEST(ScreenCapture, ScreenPartOutsideThePictureIsOpaqueBlack)
{
    QImage screen(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x)
            screen.setPixel(x, y, qRgb(10 * x, 20 * y, 7));
    }
    struct Case {
        const char* name;
        RECT rect;
    };
    const Case cases[] = {
        {"inside", {1, 1, 3, 3}},
        {"the whole picture", {0, 0, 4, 3}},
        {"over the top-left corner", {-2, -1, 2, 2}},
        {"over the bottom-right corner", {2, 1, 6, 5}},
        {"wholly outside", {10, 10, 12, 11}},
    };
    for (const Case& c : cases) {
        const QImage part = CopyScreenPart(screen, c.rect);
        ASSERT_EQ(part.width(), c.rect.right - c.rect.left) << c.name;
        ASSERT_EQ(part.height(), c.rect.bottom - c.rect.top) << c.name;
        for (int y = 0; y < part.height(); ++y) {
            const auto* row = reinterpret_cast<const quint32*>(part.constScanLine(y));
            for (int x = 0; x < part.width(); ++x) {
                const QPoint on(c.rect.left + x, c.rect.top + y);
                const QRgb expected = screen.rect().contains(on) ? screen.pixel(on) : qRgb(0, 0, 0);
                EXPECT_EQ(row[x], expected | 0xFF000000u) << c.name << " at " << x << "," << y;
            }
        }
    }
}

TEST(ScreenCapture, MessagesOfTheResults)
{
    EXPECT_FALSE(CaptureResultMessage(kCaptureDone, 0x700).has_value());
    const auto missing = CaptureResultMessage(kCaptureNoActiveWindow, 0x700);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->text, QStringLiteral("アクティブウィンドウを見つける事が出来ませんでした。"));
    EXPECT_EQ(missing->type, MB_OK);
    const auto newer = CaptureResultMessage(kCaptureFailed, 0x600);
    const auto older = CaptureResultMessage(kCaptureFailed, 0x5FF);
    ASSERT_TRUE(newer && older);
    EXPECT_TRUE(newer->text.endsWith(QStringLiteral("又はXP互換モードで実行して下さい。")));
    EXPECT_EQ(older->text,
        QStringLiteral("ウィンドウのキャプチャに失敗しました。\n\n "
                       "このウィンドウはキャプチャ出来ない可能性があります。"));
    EXPECT_EQ(older->type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(SwitchFailedMessage().text, QStringLiteral("ウィンドウの切り替えに失敗しました。"));
}

TEST(ScreenCapture, SavedTitleKeepsTwoHundredCharacters)
{
    RecordingFrame frame;
    frame.title = QString(250, QLatin1Char('t'));
    SteppingClock clock(0, 25);
    WindowCaptureSteps steps;
    steps.waitMs = [] { return 0; };
    steps.versionCode = 0x700;
    steps.printKey = [](BYTE, HWND) { return kCaptureDone; };
    RunWindowCapture(2, nullptr, frame, clock, steps);
    EXPECT_EQ(frame.title, QString(kSavedFrameTitleLength, QLatin1Char('t')));
}

TEST(ScreenCapture, CursorIsDrawnAtItsPositionLessWindowAndHotSpot)
{
    EXPECT_EQ(CursorDrawPosition(POINT{130, 250}, POINT{3, 5}, RECT{100, 200, 400, 500}).x, 27);
    EXPECT_EQ(CursorDrawPosition(POINT{130, 250}, POINT{3, 5}, RECT{100, 200, 400, 500}).y, 45);

    QImage arrow(2, 2, QImage::Format_ARGB32_Premultiplied);
    arrow.fill(qRgba(255, 0, 0, 255));
    const CaptureCursor cursor{arrow, POINT{1, 1}, POINT{111, 212}};
    CImage picture;
    ASSERT_TRUE(picture.Create(20, 20, 24));
    DrawCaptureCursor(picture, cursor, RECT{100, 200, 120, 220});
    EXPECT_EQ(picture.GetBPP(), 24);
    EXPECT_EQ(picture.GetPixel(10, 11), RGB(255, 0, 0));
    EXPECT_EQ(picture.GetPixel(11, 12), RGB(255, 0, 0));
    EXPECT_EQ(picture.GetPixel(12, 12), RGB(0, 0, 0));

    // A cursor outside the window leaves the copy as it was.
    CImage untouched;
    ASSERT_TRUE(untouched.Create(20, 20, 32));
    DrawCaptureCursor(untouched, CaptureCursor{arrow, POINT{0, 0}, POINT{50, 50}}, RECT{100, 200, 120, 220});
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(untouched.GetPixel(x, y), RGB(0, 0, 0));
        }
    }
}

TEST(ScreenCapture, EnginesFailCleanlyWithoutATarget)
{
    CLoadBitmap holder;
    SteppingClock clock(0, 1);
    struct Case {
        const char* name;
        BYTE kind;
        bool listed;
        BOOL rectFound;
        RECT rect;
        int expected;
    };
    const Case cases[] = {
        {"no listed window", 1, false, TRUE, RECT{0, 0, 10, 10}, kCaptureNoActiveWindow},
        {"window went away", 3, true, FALSE, RECT{}, kCaptureFailed},
        {"empty rectangle", 3, true, TRUE, RECT{10, 10, 10, 40}, kCaptureFailed},
        {"upside-down rectangle", 2, true, TRUE, RECT{10, 40, 20, 20}, kCaptureFailed},
    };
    for (const Case& c : cases) {
        CaptureSources sources;
        sources.enumerateWindows = [&] {
            if (c.listed) {
                g_pWindowList[0].window = FakeWindow(0x9);
                g_nWindowListCount = 1;
            }
        };
        sources.targetRect = [&](HWND, RECT& rect) {
            rect = c.rect;
            return c.rectFound;
        };
        sources.desktop = FakeWindow(0x1);
        sources.listCapacity = 4;
        int captions = 0;
        const auto caption = [&] { ++captions; };
        EXPECT_EQ(CaptureScreenBitBlt(c.kind, FakeWindow(0x9), &holder, sources, caption), c.expected)
            << c.name;
        EXPECT_EQ(
            CaptureScreenPrintKey(c.kind, FakeWindow(0x9), &holder, sources, clock, caption), c.expected)
            << c.name;
        EXPECT_EQ(captions, 0) << c.name;
        EXPECT_FALSE(holder.IsLoaded()) << c.name;
    }
}

TEST(ScreenCapture, ClipboardBitmapIsCopiedAt24BitsBottomUp)
{
    const UINT savedDpi = AppSettings.BMP_dpi;
    AppSettings.BMP_dpi = 96;
    BITMAPINFO info{};
    info.bmiHeader.biSize = 40;
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = -2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    auto* pixels = static_cast<BYTE*>(bits);
    pixels[0] = 0x11;  // top-left pixel: blue 0x11, green 0x22, red 0x33
    pixels[1] = 0x22;
    pixels[2] = 0x33;

    CLoadBitmap holder;
    ASSERT_TRUE(ImportClipboardBitmap(bitmap, &holder));
    EXPECT_EQ(holder.infoHeader.biSize, 40u);
    EXPECT_EQ(holder.infoHeader.biBitCount, 24);
    EXPECT_EQ(holder.infoHeader.biWidth, 3);
    EXPECT_EQ(holder.infoHeader.biHeight, 2);  // positive: bottom-up
    EXPECT_EQ(holder.infoHeader.biXPelsPerMeter, 3780);
    // The top row is the last one stored (rows padded to 12 bytes).
    const BYTE* top = holder.bits + 12;
    EXPECT_EQ(top[0], 0x11);
    EXPECT_EQ(top[1], 0x22);
    EXPECT_EQ(top[2], 0x33);
    // The bitmap stays usable by its owner.
    DIBSECTION section;
    EXPECT_NE(GetObject(bitmap, sizeof section, &section), 0);
    DeleteObject(bitmap);

    EXPECT_FALSE(ImportClipboardBitmap(nullptr, &holder));
    AppSettings.BMP_dpi = savedDpi;
}
