// The capture's order of events: the frame, the countdown, the target and
// the messages. The engines themselves are in screen_capture_engines.cpp.
#include "clip/screen_capture.h"

#include "core/window_list.h"
#include "platform/dialog/msgbox.h"

#include <QPainter>

#include <algorithm>
#include <cstdio>

QString CountdownText(int remainingMs)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d", remainingMs / 1000, (remainingMs % 1000) / 100);
    return QString::fromLatin1(text);
}

void RunCaptureCountdown(CaptureFrame& frame, CaptureClock& clock, const std::function<int()>& waitMs)
{
    const DWORD start = clock.Now();
    DWORD nextShow = start;
    for (;;) {
        const DWORD now = clock.Now();
        const DWORD wait = static_cast<DWORD>(std::max(0, waitMs()));
        // Elapsed time rather than absolute ticks: no trouble when the tick count wraps.
        const DWORD elapsed = now - start;
        if (elapsed >= wait)
            return;
        if (static_cast<int>(nextShow - now) < 0) {
            frame.SetTitle(CountdownText(static_cast<int>(wait - elapsed)));
            nextShow += kCountdownStepMs;
        }
        clock.Pump();
    }
}

CaptureTarget ChooseCaptureTarget(
    BYTE kind, HWND target, int listCapacity, const std::function<void()>& enumerate, HWND desktop)
{
    if (kind == 1) {
        AllocWindowList(listCapacity);
        if (g_pWindowList && enumerate)
            enumerate();
        CaptureTarget chosen;
        if (g_pWindowList && g_nWindowListCount > 0)
            chosen.window = g_pWindowList[0].window;
        else
            chosen.result = kCaptureNoActiveWindow;
        FreeWindowList();
        return chosen;
    }
    if (kind == 3 && target)
        return CaptureTarget{target, kCaptureDone};
    return CaptureTarget{desktop, kCaptureDone};
}

bool UsesPrintKeyEngine(DWORD versionCode)
{
    return versionCode >= kPrintKeyEngineVersion;
}

int ScreenCopyDepth(int screenDepth)
{
    return std::max(24, screenDepth);
}

POINT CursorDrawPosition(POINT cursor, POINT hotspot, const RECT& window)
{
    return POINT{cursor.x - window.left - hotspot.x, cursor.y - window.top - hotspot.y};
}

CaptureMessage SwitchFailedMessage()
{
    return CaptureMessage{QStringLiteral("ウィンドウの切り替えに失敗しました。"), QStringLiteral("失敗"),
        MB_OK | MB_ICONEXCLAMATION};
}

std::optional<CaptureMessage> CaptureResultMessage(int result, DWORD versionCode)
{
    if (result == kCaptureDone)
        return std::nullopt;
    if (result == kCaptureNoActiveWindow)
        return CaptureMessage{QStringLiteral("アクティブウィンドウを見つける事が出来ませんでした。"),
            QStringLiteral("見つかりません"), MB_OK};
    const QString text = UsesPrintKeyEngine(versionCode)
        ? QStringLiteral(
              "ウィンドウのキャプチャに失敗しました。\n\n "
              "最小化されているウィンドウはキャプチャ出来ない場合があ"
              "ります。\n\n "
              "再度実行するとキャプチャ出来る場合があります。\n\n又はXP互換モードで実行して下さい。")
        : QStringLiteral("ウィンドウのキャプチャに失敗しました。\n\n "
                         "このウィンドウはキャプチャ出来ない可能性があります。");
    return CaptureMessage{text, QStringLiteral("キャプチャ失敗"), MB_OK | MB_ICONEXCLAMATION};
}

bool WaitUntilFrameLeft(CaptureFrame& frame, CaptureClock& clock)
{
    const DWORD start = clock.Now();
    while (frame.OnScreen()) {
        if (clock.Now() - start >= kFrameLeaveLimitMs)
            return false;
        clock.Pump();
        clock.Sleep(10);
    }
    return true;
}

int RunWindowCapture(
    BYTE kind, HWND target, CaptureFrame& frame, CaptureClock& clock, const WindowCaptureSteps& steps)
{
    const bool targetIsFrame = target && target == frame.Window();
    if (!targetIsFrame)
        frame.Minimize();
    const QString savedTitle = frame.Title().left(kSavedFrameTitleLength);
    const auto bringBack = [&] {
        // The frame was left alone when it is the target itself.
        if (!targetIsFrame)
            frame.Restore();
        frame.SetTitle(savedTitle);
    };
    if (target && kind == 3 && frame.ForceForeground(target) != 1) {
        bringBack();
        if (steps.tell)
            steps.tell(SwitchFailedMessage());
        return 0;
    }
    RunCaptureCountdown(frame, clock, steps.waitMs);
    // Whatever still shows after the limit is copied with the rest.
    if (!targetIsFrame)
        WaitUntilFrameLeft(frame, clock);
    const auto& engine = UsesPrintKeyEngine(steps.versionCode) ? steps.printKey : steps.bitBlt;
    const int result = engine ? engine(kind, target) : kCaptureFailed;
    clock.Sleep(10);
    bringBack();
    if (const auto message = CaptureResultMessage(result, steps.versionCode)) {
        if (steps.tell)
            steps.tell(*message);
        return 0;
    }
    return 1;
}

bool CopyScreenPartIsWhole(const QImage& screen, const RECT& rect)
{
    const QRect wanted(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return wanted == screen.rect() && screen.format() == QImage::Format_RGB32;
}

QImage CopyScreenPart(const QImage& screen, const RECT& rect)
{
    if (CopyScreenPartIsWhole(screen, rect))
        return screen;  // shared, not copied
    const QRect wanted(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    QImage part(wanted.size(), QImage::Format_RGB32);
    if (part.isNull())
        return part;
    const QImage source =
        screen.format() == QImage::Format_RGB32 ? screen : screen.convertToFormat(QImage::Format_RGB32);
    const QRect inside = wanted.intersected(source.rect());
    constexpr quint32 kBlack = 0xFF000000u;
    for (int y = 0; y < part.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(part.scanLine(y));
        const int sourceY = wanted.top() + y;
        if (inside.isEmpty() || sourceY < inside.top() || sourceY > inside.bottom()) {
            std::fill(line, line + part.width(), kBlack);
            continue;
        }
        const int from = inside.left() - wanted.left();
        const int count = inside.width();
        std::fill(line, line + from, kBlack);
        const auto* in = reinterpret_cast<const quint32*>(source.constScanLine(sourceY)) + inside.left();
        for (int x = 0; x < count; ++x)
            line[from + x] = in[x] | kBlack;
        std::fill(line + from + count, line + part.width(), kBlack);
    }
    return part;
}

void DrawCaptureCursor(CImage& picture, const CaptureCursor& cursor, const RECT& window)
{
    if (picture.IsNull() || cursor.image.isNull())
        return;
    const POINT at = CursorDrawPosition(cursor.position, cursor.hotspot, window);
    QImage canvas = picture.Image().convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(QPoint(at.x, at.y), cursor.image);
    }
    const int depth = picture.GetBPP();
    if (depth == 24)
        picture.SetImage(canvas.convertToFormat(QImage::Format_BGR888));
    else
        picture.SetImage(std::move(canvas));
}
