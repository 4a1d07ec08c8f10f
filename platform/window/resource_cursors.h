// The program's own cursors by resource id: our own 32 x 32 artwork, drawn
// once on first use, each with its hot spot.
//
//   158       the view was panned in this drag (four arrows)
//   166       two-click range selection (cross-hair with a corner)
//   211       fixed range (cross-hair with a filled square)
//   168       wheel range (cross-hair with a dashed square)
//   208, 205  wheel range, the wheel sizes the width (Shift) / the height (Ctrl)
//   165, 167  the wheel grows / shrinks the range
//   206, 207  ... its width only (Shift)
//   203, 204  ... its height only (Ctrl)
//   210       pick a colour (dropper, hot spot at its tip)
//   345       measure: place a line's start point
//   346       measure: place a line's end point
//   347       measure: drag a line's end point
//   348       measure: move a whole line
#pragma once

#include "platform/gdi/gdi_icons.h"

inline constexpr int kResourceCursorSize = 32;

// The cursor of a resource id, owned by the layer and shared by every caller
// (it is never destroyed); null for an id without artwork.
HCURSOR LoadResourceCursor(int resourceId);
