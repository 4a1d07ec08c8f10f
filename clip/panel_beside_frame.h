// Where a panel of the frame's left edge stands now: the clip-mode panel, the
// measure panel and the multi-view panel all stand there.
#pragma once

#include "platform/types/types.h"

class CWnd;

// The panel's rectangle at the main frame's left edge, below its title band
// and the mode bar, keeping the panel's present size. Screen pixels.
RECT PanelPlacementBesideFrame(const CWnd& panel);
