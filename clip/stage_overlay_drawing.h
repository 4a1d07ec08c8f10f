// The stage's plain overlays drawn into its back buffer: the centre marker
// of a range and the measure lines.
#pragma once

#include "platform/gdi/gdi.h"

class CStageZoom;
class StageMeasureLines;
struct StageOverlayState;

// Dash-dot lines through the middle of the wheel range, or of the band once
// its first point is set; nothing without either.
void DrawCenterMarker(CDC* dc, const StageOverlayState& overlay, COLORREF color);

// Every line with both ends set that passes through the visible part, cut at
// the view's edges, in the line's colour and the given width; each end that
// lies in the view gets a square of half size width + 2.
void DrawMeasureLines(CDC* dc, const CStageZoom& zoom, const StageMeasureLines& lines, int width);
