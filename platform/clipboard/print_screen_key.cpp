#include "platform/clipboard/print_screen_key.h"

#include "platform/clipboard/clipboard.h"
#include "platform/gdi/gdi.h"
#include "platform/x11/desktop_services.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>

#include <algorithm>

namespace {

struct KeyState {
    bool altDown = false;
    bool printDown = false;
    bool activeWindowOnly = false;  // Alt was down when print-screen went down
};

KeyState& Keys()
{
    static KeyState keys;
    return keys;
}

RECT WholeDesktop()
{
    const SIZE size = Desktop().grab.ScreenSize();
    return RECT{0, 0, size.cx, size.cy};
}

// The active window's outer rectangle; the whole desktop when there is none.
RECT ActiveWindowRect()
{
    const HWND active = Desktop().control.ForegroundWindow();
    DesktopWindowInfo info;
    if (active != nullptr && Desktop().windows.QueryWindow(active, kQueryGeometry, info) &&
        !IsRectEmptyArea(info.rect))
        return info.rect;
    return WholeDesktop();
}

// The root window also has parts that no monitor shows: those are black.
void BlackenOutsideMonitors(QImage& picture, const RECT& rect)
{
    QRegion monitors;
    for (const QScreen* screen : QGuiApplication::screens())
        monitors += screen->geometry();
    if (monitors.isEmpty())
        return;
    const QRegion outside = QRegion(picture.rect()) - monitors.translated(-rect.left, -rect.top);
    for (const QRect& r : outside) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            std::fill(line + r.left(), line + r.right() + 1, 0xFF000000u);
        }
    }
}

void PutScreenOnClipboard(bool activeWindowOnly)
{
    const RECT rect = activeWindowOnly ? ActiveWindowRect() : WholeDesktop();
    auto* bitmap = new GdiBitmap;
    if (!Desktop().grab.Grab(rect, bitmap->image)) {
        delete bitmap;
        return;
    }
    BlackenOutsideMonitors(bitmap->image, rect);
    if (!OpenClipboard(nullptr)) {
        DeleteObject(bitmap);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_BITMAP, bitmap))
        DeleteObject(bitmap);
    CloseClipboard();
}

}  // namespace

void keybd_event(BYTE virtualKey, BYTE, DWORD flags, std::uintptr_t)
{
    KeyState& keys = Keys();
    const bool down = (flags & KEYEVENTF_KEYUP) == 0;
    if (virtualKey == VK_MENU) {
        keys.altDown = down;
        return;
    }
    if (virtualKey != VK_SNAPSHOT)
        return;
    if (down) {
        keys.printDown = true;
        keys.activeWindowOnly = keys.altDown;
        return;
    }
    // The picture is taken as the key comes back up, after a press.
    if (!keys.printDown)
        return;
    keys.printDown = false;
    PutScreenOnClipboard(keys.activeWindowOnly);
}
