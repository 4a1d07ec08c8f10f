// Window handles. An HWND names one of the program's own windows or a foreign
// X11 window alike; it is an opaque value, never dereferenced.
//
// Encoding: a foreign X11 window is its X id shifted left by one with the low
// bit set; the program's own windows get even numbers from the window layer,
// which keeps the table from handle to window object. The null handle is 0.
#pragma once

#include <cstdint>

struct HWND__;
using HWND = HWND__*;

inline bool IsX11WindowHandle(HWND hwnd)
{
    return (reinterpret_cast<std::uintptr_t>(hwnd) & 1u) != 0;
}

inline HWND HwndFromX11Window(unsigned long xid)
{
    return xid == 0 ? nullptr : reinterpret_cast<HWND>((static_cast<std::uintptr_t>(xid) << 1) | 1u);
}

inline unsigned long X11WindowOfHwnd(HWND hwnd)
{
    return IsX11WindowHandle(hwnd) ? static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(hwnd) >> 1)
                                   : 0;
}
