// The clipboard-viewer chain: a window that joins is sent WM_DRAWCLIPBOARD
// whenever the clipboard's content changes (by this program once it closes
// the clipboard, by another program at once). The window that joined last is
// the first of the chain and passes the message on to the one it was given
// when it joined; WM_CHANGECBCHAIN (wParam the leaving window, lParam the one
// after it) lets the chain mend itself when a window leaves.
// UI thread only.
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

enum : UINT {
    WM_DRAWCLIPBOARD = 0x0308,
    WM_CHANGECBCHAIN = 0x030D,
};

// Makes the window the first of the chain; returns the window that was first
// (null when none), to which the new one passes the messages on.
HWND JoinClipboardViewerChain(HWND viewer);
// Takes the window out of the chain; `next` is the window after it.
void LeaveClipboardViewerChain(HWND viewer, HWND next);

// Inside the layer: tells the chain that the clipboard's content changed.
void NotifyClipboardViewers();
