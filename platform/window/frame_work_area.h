// The desktop's work area as the main frame follows it. X11 desktops have no
// taskbar registration: the panels' space shows as the part of the screen
// that the screen's available geometry leaves out, and a change of the
// available geometry stands for the taskbar having moved.
#pragma once

#include "platform/clipboard/clipboard_viewers.h"
#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <functional>
#include <memory>

// The primary screen's rectangle and its available part (screen coordinates);
// all zero without a screen.
RECT QueryScreenRect();
RECT QueryAvailableScreenRect();

// Calls `changed` on the UI thread whenever the available geometry of the
// primary screen changes, as long as the returned watch lives.
class WorkAreaWatch {
public:
    virtual ~WorkAreaWatch() = default;
};
std::unique_ptr<WorkAreaWatch> WatchWorkArea(std::function<void()> changed);

// The desktop-bar registration of the platform the program was designed on
// has no counterpart here; the frame keeps the calls in their places and
// these do nothing. (The clipboard-viewer chain the frame joins next to it
// is real: platform/clipboard/clipboard_viewers.h.)
inline void RegisterAppBar(HWND /*frame*/, UINT /*callbackMessage*/)
{
}
inline void RemoveAppBar(HWND /*frame*/)
{
}
