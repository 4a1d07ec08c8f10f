// Keyboard and mouse input in the platform's terms: virtual-key codes from
// Qt keys, the packing of key and mouse messages, and the key state query.
#pragma once

#include "platform/types/messages.h"

#include <Qt>

// The virtual-key code of a Qt key (0 when there is none). Letters give their
// capital, whatever Shift and Caps Lock say.
UINT VirtualKeyFromQtKey(int qtKey);
// wParam of a mouse message: the MK_ flags of the buttons and modifiers.
UINT MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
// lParam of WM_KEYDOWN, WM_KEYUP and WM_CHAR: repeat count 1, the scan code,
// bit 30 the previous state, bit 31 the transition.
LPARAM KeyMessageLParam(bool down, bool autoRepeat, quint32 scanCode);

// The state of a key: the high bit (0x8000) set while it is down. Modifiers
// and mouse buttons are read from Qt; other keys from the key presses and
// releases the application has seen.
short GetKeyState(int vk);
short GetAsyncKeyState(int vk);
// Records a key press or release (called by the application's input filter).
void NoteKeyTransition(UINT vk, bool down);
