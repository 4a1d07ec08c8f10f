// Scroll capture on the desktop: the grab goes the way of the screen
// capture's engines (print-screen read back from the clipboard, or a copy of
// the screen), the notches and the cursor through the desktop's input and
// pointer services.
#include "clip/scroll_capture_window.h"

#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "core/window_list.h"
#include "platform/app/message_pump.h"
#include "platform/clipboard/clipboard.h"
#include "platform/clipboard/print_screen_key.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/image/image_class.h"
#include "platform/system/kernel.h"
#include "platform/window/pointer_position.h"
#include "platform/x11/desktop_services.h"

#include <QImage>

#include <algorithm>

namespace {

// Copies a picture (any format) into 24-bit rows; 12 when memory runs out.
int PictureToRows(const QImage& picture, ScrollRows& rows)
{
    const QImage rgb =
        picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull() || !rows.Resize(rgb.width(), rgb.height()))
        return kScrollNoMemory;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::uint8_t* out = rows.Row(y);
        for (int x = 0; x < rgb.width(); ++x, out += 3) {
            out[0] = static_cast<std::uint8_t>(qBlue(in[x]));
            out[1] = static_cast<std::uint8_t>(qGreen(in[x]));
            out[2] = static_cast<std::uint8_t>(qRed(in[x]));
        }
    }
    return 1;
}

// The print-screen key, then the clipboard's picture of the desktop cut to the rectangle.
int GrabByPrintKey(const RECT& rect, ScrollRows& screen, ScrollCaptureHost& host)
{
    keybd_event(VK_SNAPSHOT, 0, 0, 0);
    host.Sleep(AppSettings.KeyPushWait);
    keybd_event(VK_SNAPSHOT, 0, KEYEVENTF_KEYUP, 0);
    bool open = false;
    for (int i = 0; i < kClipboardPollTries && !open; ++i) {
        open = IsClipboardFormatAvailable(CF_BITMAP) && OpenClipboard(nullptr);
        if (!open) {
            ::Sleep(1);
            PumpMessages();
        }
    }
    if (!open)
        return kScrollNoClipboardBitmap;
    auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    DIBSECTION section;
    if (!bitmap || GetDibSection(bitmap, &section) == 0) {
        CloseClipboard();
        return kScrollGrabFailed;
    }
    // The bitmap stays the clipboard's; it is only read.
    CImage whole;
    whole.Attach(bitmap);
    const QImage part = CopyScreenPart(whole.Image(), rect);
    whole.Detach();
    CloseClipboard();
    if (part.isNull())
        return kScrollNoMemory;
    return PictureToRows(part, screen);
}

}  // namespace

bool DesktopScrollCaptureHost::TargetRect(HWND target, RECT& rect)
{
    return GetCaptureTargetRect(target, rect) != 0;
}

int DesktopScrollCaptureHost::Grab(const RECT& rect, ScrollRows& screen)
{
    if (UsesPrintKeyEngine(g_nWindowsVersion))
        return GrabByPrintKey(rect, screen, *this);
    QImage picture;
    if (!Desktop().grab.Grab(rect, picture))
        return kScrollGrabFailed;
    return PictureToRows(picture, screen);
}

void DesktopScrollCaptureHost::WheelNotch(HWND, POINT p)
{
    // The wheel turns where the pointer is: it is held on p already.
    Desktop().input.MovePointer(p);
    Desktop().input.SendWheelNotches(-1);
}

void DesktopScrollCaptureHost::MoveCursor(POINT p)
{
    SetCursorPos(p.x, p.y);
}

void DesktopScrollCaptureHost::ConfineCursor(POINT p)
{
    const RECT point{p.x, p.y, p.x + 1, p.y + 1};
    ClipCursor(&point);
}

void DesktopScrollCaptureHost::ReleaseCursor()
{
    ClipCursor(nullptr);
}

void DesktopScrollCaptureHost::Sleep(DWORD milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    PumpMessages();
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        ::Sleep(static_cast<DWORD>(std::min<ULONGLONG>(end - now, 5)));
        PumpMessages();
    }
}

std::uint64_t DesktopScrollCaptureHost::AvailableMemoryBytes()
{
    KernelMemoryStatus status;
    return QueryMemoryStatus(&status) ? status.availPhys : 0;
}
