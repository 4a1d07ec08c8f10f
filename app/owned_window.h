// Closing one of the frame's windows through its pointer member. The pointer
// is cleared at once, so the frame treats the window as closed; the object is
// deleted only after every handler of it has returned, since a window often
// asks the frame to close it from inside its own handler. Worker threads
// never use these pointers: they send or post to window handles, which the
// window layer checks.
#pragma once

#include "platform/window/window.h"

#include <utility>

// Destroys the window and deletes its object once it is safe; the member becomes null.
template <class Window> void CloseOwnedWindow(Window*& member)
{
    if (Window* w = std::exchange(member, nullptr))
        DeleteWindowLater(static_cast<CWnd*>(w));
}

// The same as the frame ends: a window none of whose handlers runs is deleted
// at once, since the event loop that would delete it later is ending.
template <class Window> void CloseOwnedWindowAtEnd(Window*& member)
{
    if (Window* w = std::exchange(member, nullptr)) {
        auto* wnd = static_cast<CWnd*>(w);
        if (wnd->IsInHandler()) {
            DeleteWindowLater(wnd);
            return;
        }
        wnd->DestroyWindow();
        delete w;
    }
}

// The same for a window whose WM_CLOSE handler destroys it: it is told to
// close first.
template <class Window> void SendCloseToOwnedWindow(Window*& member)
{
    if (Window* w = std::exchange(member, nullptr)) {
        static_cast<CWnd*>(w)->SendMessage(WM_CLOSE);
        DeleteWindowLater(static_cast<CWnd*>(w));
    }
}
