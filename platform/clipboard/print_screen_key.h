// Simulated key presses, as far as the program makes them: the print-screen
// key. Its press and release put a picture of the whole desktop (every
// monitor; what lies outside all monitors black) on the clipboard as a
// bitmap, as the platform's own key does; with Alt held down (a simulated
// VK_MENU press before it) the picture is of the active window. No key event
// reaches the X server. Without a display, or while another window has the
// clipboard open, nothing is put on it. Other keys only have their Alt state
// noted.
//
// UI thread only (the clipboard's rule).
#pragma once

#include "platform/types/messages.h"

#include <cstdint>

enum : DWORD {
    KEYEVENTF_EXTENDEDKEY = 0x1,
    KEYEVENTF_KEYUP = 0x2,
};

void keybd_event(BYTE virtualKey, BYTE scanCode, DWORD flags, std::uintptr_t extraInfo);
