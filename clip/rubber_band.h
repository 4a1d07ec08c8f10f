// The rubber bands a range is chosen with: a rectangle outline drawn onto a
// drawing area (the stage's surface), either plainly or with exclusive-or so
// that drawing it again takes it off. The zoom band keeps its start as an
// image pixel too, so the band survives the view moving under it.
// Rectangles are inclusive pixel edges; -1 in all four means unset.
#pragma once

#include "platform/gdi/gdi.h"

class CStageZoom;

inline constexpr RECT kUnsetRect{-1, -1, -1, -1};

// Side flags of OrderRect: where the second point lies from the first.
enum : int {
    kEndRightOfStart = 1,
    kEndNotRightOfStart = 2,
    kEndBelowStart = 4,
    kEndNotBelowStart = 8,
};

// left <= right and top <= bottom, by swapping.
void NormalizeRect(RECT& r);
// The normalised rectangle of two points; returns the side flags.
int OrderRect(int x1, int y1, int x2, int y2, RECT* out);
bool IsUnsetRect(const RECT& r);

// Moves the band's edges onto the pixel grid where the grid is shown: a start
// edge lying on the start pixel's grid line goes just inside it, the opposite
// edge of that pixel likewise. ratio: client pixels per image pixel; extent:
// the surface size.
RECT AlignRectToPixelGrid(
    RECT r, POINT start, double ratioX, double ratioY, SIZE extent, int level, bool gridOn);

class CDrawRubberBand {
public:
    // mode 1 draws and erases with exclusive-or; mode 0 draws plainly.
    CDrawRubberBand(int style, int width, COLORREF color, int mode);
    virtual ~CDrawRubberBand() = default;
    CDrawRubberBand(const CDrawRubberBand&) = delete;
    CDrawRubberBand& operator=(const CDrawRubberBand&) = delete;

    void SetPen(int style, int width, COLORREF color);
    // The drawing area in client coordinates.
    void SetArea(int left, int top, int right, int bottom);
    // Draws the current rectangle (in mode 1 taking the last one off first).
    void Draw(CDC* dc);
    // Takes the last drawn rectangle off (mode 1) and forgets it and the start.
    void Erase(CDC* dc);
    bool IsStarted() const { return start.x != -1 || start.y != -1; }
    bool HasRect() const;
    void ResetDrawnRect() { lastDrawn = kUnsetRect; }

    // A client point relative to the area (its drawing coordinates).
    POINT AreaPoint(POINT client) const;
    bool InArea(POINT areaPoint) const;

    int mode;
    int inset = 0;  // 1: every edge one pixel further right and down
    POINT start{-1, -1};
    RECT current = kUnsetRect;
    RECT lastDrawn = kUnsetRect;
    RECT areaSize{};
    RECT areaRect{};

protected:
    void DrawOutline(CDC* dc, const RECT& r);

    CPen m_pen;
    int m_penStyle;
    int m_penWidth;
    COLORREF m_color;
};

class CDrawZoomRubberBand : public CDrawRubberBand {
public:
    CDrawZoomRubberBand(CStageZoom* zoom, int style, int width, COLORREF color, int mode);

    // Starts the band at client p when it lies in the area.
    virtual void BeginAt(POINT p);
    // Current rectangle from the start to client p; the side flags, or 0
    // when p or the start lies outside the area.
    virtual int ExtendTo(POINT p);

    void SetStart(POINT p, POINT imagePixel);
    // The band for client p, kept on the view when the start pixel is
    // scrolled out of it; q receives p's image pixel.
    RECT CalcBandRect(POINT p, bool store, POINT* q);
    void DrawTo(CDC* dc, POINT p);
    void TrackTo(POINT p);
    // The start follows the start pixel after the view moved.
    void UpdateStartPoint();
    void ResetStart();
    void Reset();

    // Grid alignment as the settings ask for it.
    bool gridOn = false;
    int gridLevel = 10;

    POINT imageStart{0, 0};
    RECT bandImage{};  // start pixel, end pixel: as set, not normalised

private:
    CStageZoom* m_zoom;
};
