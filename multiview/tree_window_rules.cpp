#include "multiview/tree_window_rules.h"

POINT TreeWindowDefaultPosition(const RECT& panel, int captionHeight)
{
    return POINT{panel.left + (panel.right - panel.left) / 2, panel.top + captionHeight};
}

bool DropHeldArrowKey(bool arrowHeld, DWORD now, DWORD lastChange)
{
    // Unsigned: a tick count that wrapped still gives the time since.
    return arrowHeld && now - lastChange < kTreeKeyThrottleMs;
}
