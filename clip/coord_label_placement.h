// Where the coordinate labels go: pure rules over the text's extent, the
// client point the label belongs to and the zoom's figures. A label keeps
// 10 pixels from its point and turns to the other side when the client
// area leaves no room of the text plus 20 pixels.
#pragma once

#include "platform/types/types.h"

struct LabelZoomFigures {
    double cellX = 0.0;  // where inside its magnified pixel the cursor lies
    double cellY = 0.0;
    double ratioX = 1.0;  // client pixels per image pixel
    double ratioY = 1.0;
};

// Left of and above the point when there is room, else right of / below it.
POINT PlaceStartLabel(SIZE text, POINT at, const LabelZoomFigures& zoom);
// Right of and below the point when there is room before the client area's
// right and bottom edge, else left of / above it.
POINT PlaceEndLabel(SIZE text, POINT at, SIZE client, const LabelZoomFigures& zoom);
// Centred between the two points; (0, 0) when the points are closer than
// the text is large (the label is then not drawn).
POINT PlaceSizeLabel(SIZE text, POINT p1, POINT p2, const LabelZoomFigures& zoom);

// The figures without the cell offsets; the end rule's ratios go with them.
LabelZoomFigures WithoutCellOffsets(const LabelZoomFigures& zoom, bool keepRatios);
