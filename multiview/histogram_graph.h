// The mask dialog's range graph: a histogram of one measure's values with
// two dotted markers at the ends of the chosen range and the outside of the
// range shaded grey. Three off-screen layers (background, bars, markers) are
// composed into the graph area, inset by its 1-pixel frame.
#pragma once

#include "imaging/virtual_window.h"
#include "platform/gdi/gdi.h"
#include "platform/types/types.h"

class CMaskValueTally;

class CHistogramGraph {
public:
    // For a graph area of rect's size (the layers are 2 pixels smaller).
    explicit CHistogramGraph(const RECT& rect);
    CHistogramGraph(const CHistogramGraph&) = delete;
    CHistogramGraph& operator=(const CHistogramGraph&) = delete;

    void SetValueRange(DWORD minimum, DWORD maximum);
    void SetCountRange(DWORD lowest, DWORD largest);
    // Each re-creates its layer for dc.
    int InitBackgroundLayer(CDC* dc);
    int InitHistogramLayer(CDC* dc);
    int InitMarkerLayer(CDC* dc);
    // A bar per tally entry of the measure.
    void DrawHistogram(int measure, const CMaskValueTally& tally);
    // The marker layer cleared and the two range ends drawn.
    void DrawRangeMarkers(DWORD low, DWORD high);
    // Grey outside lowX..highX on the background layer, white between.
    void ShadeOutsideRange(int lowX, int highX);
    // Background opaquely, then bars and markers keyed, at (1, 1) of dc.
    void Compose(CDC* dc);
    // The value under layer x (the inverse of the marker mapping).
    DWORD PixelToValue(int x) const;

    // x of the markers as last drawn.
    int LowMarkerX() const { return m_lowLine[0].x; }
    int HighMarkerX() const { return m_highLine[0].x; }
    int LayerWidth() const { return m_width - 2; }
    int LayerHeight() const { return m_height - 2; }

private:
    int BarX(DWORD value) const;
    int MarkerX(DWORD value) const;
    int MakeLayer(CVirtualWindow& layer, CDC* dc, COLORREF back);

    int m_width;
    int m_height;
    CVirtualWindow m_background;
    CVirtualWindow m_histogram;
    CVirtualWindow m_markers;
    CPen m_barPen{PS_SOLID, 1, RGB(255, 0, 0)};
    CPen m_markerPen{PS_DOT, 1, RGB(0, 0, 255)};
    CBrush m_whiteBrush{RGB(255, 255, 255)};
    CBrush m_greyBrush{RGB(128, 128, 128)};
    DWORD m_countLow = 0;
    DWORD m_countHigh = 0;
    DWORD m_valueMin = 0;
    DWORD m_valueMax = 0;
    POINT m_lowLine[2] = {};
    POINT m_highLine[2] = {};
};
