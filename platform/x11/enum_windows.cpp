#include "platform/x11/enum_windows.h"

#include "platform/x11/desktop_services.h"

BOOL EnumWindows(WindowEnumProc proc, std::intptr_t value)
{
    const std::vector<HWND> windows = Desktop().windows.TopLevelWindows();
    for (HWND window : windows) {
        if (proc(window, value) == 0)
            break;
    }
    return windows.empty() ? FALSE : TRUE;
}
