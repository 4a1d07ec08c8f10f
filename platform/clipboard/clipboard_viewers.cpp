#include "platform/clipboard/clipboard_viewers.h"

#include "platform/clipboard/clipboard.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window.h"

namespace {

HWND& FirstViewer()
{
    static HWND first = nullptr;
    return first;
}

}  // namespace

HWND JoinClipboardViewerChain(HWND viewer)
{
    KESTREL_ASSERT_UI_THREAD();
    FollowClipboardChanges();
    HWND next = FirstViewer();
    FirstViewer() = viewer;
    return next;
}

void LeaveClipboardViewerChain(HWND viewer, HWND next)
{
    KESTREL_ASSERT_UI_THREAD();
    HWND first = FirstViewer();
    if (first == viewer)
        FirstViewer() = next;
    else if (first)
        SendMessageW(
            first, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(viewer), reinterpret_cast<LPARAM>(next));
}

void NotifyClipboardViewers()
{
    if (HWND first = FirstViewer())
        SendMessageW(first, WM_DRAWCLIPBOARD);
}
