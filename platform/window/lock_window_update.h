// Holding back a window's drawing while many changes are made to it: at most
// one window is locked at a time; locking another, or passing null, lets the
// locked one draw again (it then shows all the changes at once).
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

// FALSE when another window is locked already or the handle names no window of ours.
BOOL LockWindowUpdate(HWND hwnd);
// The locked window, or null.
HWND LockedWindowForTesting();
