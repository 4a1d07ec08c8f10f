// The z-order of the program's own top-level windows, one rule for every
// window:
// - The layer keeps a stacking list. A window goes to the top when it is
//   shown, raised (BringWindowToTop, SetWindowPos with HWND_TOP) or
//   activated, to the bottom with HWND_BOTTOM, under another window with
//   SetWindowPos after it; a destroyed window leaves the list. Windows kept
//   on top (HWND_TOPMOST, WS_EX_TOPMOST) stay above all others.
// - Where a window manager reports the stacking of its clients
//   (_NET_CLIENT_LIST_STACKING), its order is the truth, since the user can
//   raise a window through its frame without the program raising it. The
//   report is used when it names every window asked about; a window not yet
//   mapped (just shown, its map request still on the way) makes the kept
//   list answer instead. Without a display (the offscreen runs) the kept
//   list always answers.
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <vector>

// Records the program's own window going to the top or the bottom of its layer,
// or directly below another of the program's windows.
void NoteWindowRaised(HWND hwnd);
void NoteWindowLowered(HWND hwnd);
void NoteWindowStackedUnder(HWND hwnd, HWND above);

// The program's visible top-level windows, topmost first.
std::vector<HWND> OwnWindowsInZOrder();

// GetWindow relations over the program's own top-level windows: the first and
// last window, and the window below (GW_HWNDNEXT) or above (GW_HWNDPREV) hwnd.
HWND OwnWindowRelative(HWND hwnd, UINT relation);
