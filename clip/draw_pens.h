// Small pens for the stage's marks: a pen that outlines rectangles and
// squares, a line that can be moved by drawing it again with exclusive-or,
// and a frame that is taken off by drawing it in a second colour.
#pragma once

#include "platform/gdi/gdi.h"

class CDrawLinePen {
public:
    CDrawLinePen() : CDrawLinePen(PS_SOLID, 0, RGB(255, 255, 255)) { }
    CDrawLinePen(int style, int width, COLORREF color);
    virtual ~CDrawLinePen() = default;
    CDrawLinePen(const CDrawLinePen&) = delete;
    CDrawLinePen& operator=(const CDrawLinePen&) = delete;

    void SetPen(int style, int width, COLORREF color);
    // The outline through the four corners.
    void DrawRect(CDC* dc, int l, int t, int r, int b);
    void DrawSquareAt(CDC* dc, POINT p, int halfSize);

protected:
    CPen m_pen;
    int m_style;
    int m_width;
    COLORREF m_color;
};

class CDrawXorLine : public CDrawLinePen {
public:
    CDrawXorLine(int style, int width, COLORREF color) : CDrawLinePen(style, width, color) { }

    // Draws the line without remembering it; a line of unset points beeps
    // and says so.
    void DrawLine(CDC* dc, POINT from, POINT to);
    // Mode 1 takes the remembered line off with exclusive-or and draws the
    // new one the same way; mode 0 just draws the new line.
    void MoveLine(CDC* dc, POINT from, POINT to, int mode);
    // Takes the remembered line off; 0 when there is none.
    int Erase(CDC* dc);
    void ResetDrawnLine();

    POINT from{-1, -1};
    POINT to{-1, -1};
    POINT drawnFrom{-1, -1};
    POINT drawnTo{-1, -1};

private:
    void Line(CDC* dc, POINT a, POINT b);
};

class CDrawRectFrame {
public:
    CDrawRectFrame(int style, int width, COLORREF color, COLORREF eraseColor);
    CDrawRectFrame(const CDrawRectFrame&) = delete;
    CDrawRectFrame& operator=(const CDrawRectFrame&) = delete;

    void DrawRect(CDC* dc, const RECT& r);
    // Takes the last rectangle off, draws r and remembers it.
    void MoveRect(CDC* dc, const RECT& r);
    void EraseRect(CDC* dc);
    void ResetRect();
    void DeletePens();

private:
    void Outline(CDC* dc, CPen* pen, const RECT& r);

    CPen m_drawPen;
    CPen m_erasePen;
    RECT m_last{-1, -1, -1, -1};
};
