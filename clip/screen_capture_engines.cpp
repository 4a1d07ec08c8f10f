// The two capture engines (a copy of the desktop's DC, and the print-screen
// key read back from the clipboard) and the clipboard import.
#include "clip/screen_capture.h"

#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "core/window_list.h"
#include "imaging/image_file_loaders.h"
#include "platform/clipboard/clipboard.h"
#include "platform/clipboard/print_screen_key.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/window/window.h"
#include "platform/x11/desktop_services.h"
#include "platform/x11/enum_windows.h"

namespace {

constexpr BYTE kSnapshotKey = 0x2C;  // the print-screen key's virtual-key code

// The target and its rectangle; a target without a rectangle of its own, or
// with an empty one (a window that went away), gives kCaptureFailed.
struct PreparedCapture {
    HWND window = nullptr;
    RECT rect{};
    int result = kCaptureDone;
    std::optional<CaptureCursor> cursor;
};

PreparedCapture PrepareCapture(BYTE kind, HWND target, const CaptureSources& sources)
{
    PreparedCapture prepared;
    // The cursor is read first, where it was when the capture began.
    if (sources.drawCursor && sources.cursor)
        prepared.cursor = sources.cursor();
    const CaptureTarget chosen =
        ChooseCaptureTarget(kind, target, sources.listCapacity, sources.enumerateWindows, sources.desktop);
    if (chosen.result != kCaptureDone) {
        prepared.result = chosen.result;
        return prepared;
    }
    prepared.window = chosen.window;
    if (!chosen.window || !sources.targetRect || !sources.targetRect(chosen.window, prepared.rect) ||
        prepared.rect.right <= prepared.rect.left || prepared.rect.bottom <= prepared.rect.top)
        prepared.result = kCaptureFailed;
    return prepared;
}

// Draws the cursor (when read) and hands the copy to the holder at bpp bits.
int FinishCapture(CImage& copy, const PreparedCapture& prepared, const CaptureSources& sources,
    CLoadBitmap* holder, int bpp, const std::function<void()>& caption)
{
    if (prepared.cursor) {
        RECT window{};
        if (sources.windowRect)
            sources.windowRect(prepared.window, window);
        DrawCaptureCursor(copy, *prepared.cursor, window);
    }
    if (caption)
        caption();
    return ImageToBuffer(copy, holder, bpp) == 1 ? kCaptureDone : kCaptureFailed;
}

int ScreenDepth(HDC dc)
{
    return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
}

}  // namespace

CaptureSources DesktopCaptureSources()
{
    CaptureSources sources;
    sources.enumerateWindows = [] { EnumWindows(EnumWindowListProc, 0); };
    sources.targetRect = [](HWND w, RECT& rect) { return GetCaptureTargetRect(w, rect); };
    sources.windowRect = [](HWND w, RECT& rect) {
        GetWindowRectForOs(static_cast<int>(g_nWindowsVersion), w, rect);
    };
    sources.cursor = []() -> std::optional<CaptureCursor> {
        if (!DesktopIsAvailable())
            return std::nullopt;
        DesktopCursorImage image;
        if (!Desktop().cursor.CursorImage(image) || image.image.isNull())
            return std::nullopt;
        return CaptureCursor{image.image, image.hotspot, image.position};
    };
    sources.desktop = GetDesktopWindow();
    sources.listCapacity = AppSettings.CaptureListMax;
    sources.drawCursor = AppSettings.CaptureMouseCursor == 1;
    return sources;
}

int CaptureScreenBitBlt(BYTE kind, HWND target, CLoadBitmap* holder, const CaptureSources& sources,
    const std::function<void()>& caption)
{
    const PreparedCapture prepared = PrepareCapture(kind, target, sources);
    if (prepared.result != kCaptureDone)
        return prepared.result;
    const int width = prepared.rect.right - prepared.rect.left;
    const int height = prepared.rect.bottom - prepared.rect.top;
    HDC desktop = GetDC(nullptr);
    if (!desktop)
        return kCaptureFailed;
    CImage copy;
    if (!copy.Create(width, height, ScreenCopyDepth(ScreenDepth(desktop)))) {
        ReleaseDC(nullptr, desktop);
        return kCaptureFailed;
    }
    HDC into = copy.GetDC();
    const BOOL copied =
        into && BitBlt(into, 0, 0, width, height, desktop, prepared.rect.left, prepared.rect.top, SRCCOPY);
    if (into)
        copy.ReleaseDC();
    ReleaseDC(nullptr, desktop);
    if (!copied)
        return kCaptureFailed;
    return FinishCapture(copy, prepared, sources, holder, 24, caption);
}

int CaptureScreenPrintKey(BYTE kind, HWND target, CLoadBitmap* holder, const CaptureSources& sources,
    CaptureClock& clock, const std::function<void()>& caption)
{
    const PreparedCapture prepared = PrepareCapture(kind, target, sources);
    if (prepared.result != kCaptureDone)
        return prepared.result;
    keybd_event(kSnapshotKey, 0, 0, 0);
    clock.Sleep(AppSettings.KeyPushWait);
    keybd_event(kSnapshotKey, 0, KEYEVENTF_KEYUP, 0);
    bool open = false;
    for (int i = 0; i < kClipboardPollTries && !open; ++i) {
        open = IsClipboardFormatAvailable(CF_BITMAP) && OpenClipboard(nullptr);
        if (!open) {
            clock.Sleep(1);
            clock.Pump();
        }
    }
    if (!open)
        return kCaptureFailed;
    auto* screen = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    DIBSECTION section;
    if (!screen || GetDibSection(screen, &section) == 0) {
        CloseClipboard();
        return kCaptureFailed;
    }
    HDC desktop = GetDC(nullptr);
    const int depth = ScreenCopyDepth(desktop ? ScreenDepth(desktop) : 24);
    if (desktop)
        ReleaseDC(nullptr, desktop);
    // The bitmap is only read.
    CImage whole;
    whole.Attach(screen);
    int result = kCaptureFailed;
    if (!prepared.cursor && CopyScreenPartIsWhole(whole.Image(), prepared.rect)) {
        // The whole clipboard picture without a cursor: it goes straight into the holder.
        if (caption)
            caption();
        result = ImageToBuffer(whole, holder, depth) == 1 ? kCaptureDone : kCaptureFailed;
    } else {
        CImage copy;
        copy.SetImage(CopyScreenPart(whole.Image(), prepared.rect));
        if (!copy.IsNull())
            result = FinishCapture(copy, prepared, sources, holder, depth, caption);
    }
    whole.Detach();
    CloseClipboard();
    return result;
}

bool ImportClipboardBitmap(HBITMAP bitmap, CLoadBitmap* holder)
{
    DIBSECTION section;
    if (!bitmap || GetDibSection(bitmap, &section) == 0)
        return false;
    CImage image;
    image.Attach(bitmap);
    const bool done = ImageToBuffer(image, holder, 24) == 1;
    // The bitmap stays with its owner.
    image.Detach();
    return done;
}
