#include "clip/draw_pens.h"

#include "platform/dialog/msgbox.h"
#include "platform/window/window.h"

namespace {

void OutlineRect(CDC* dc, int l, int t, int r, int b)
{
    dc->MoveTo(l, t);
    dc->LineTo(r, t);
    dc->LineTo(r, b);
    dc->LineTo(l, b);
    dc->LineTo(l, t);
}

bool Unset(POINT p)
{
    return p.x == -1 && p.y == -1;
}

bool Same(POINT a, POINT b)
{
    return a.x == b.x && a.y == b.y;
}

}  // namespace

CDrawLinePen::CDrawLinePen(int style, int width, COLORREF color)
    : m_style(style), m_width(width), m_color(color)
{
    m_pen.CreatePen(style, width, color);
}

void CDrawLinePen::SetPen(int style, int width, COLORREF color)
{
    m_pen.DeleteObject();
    m_style = style;
    m_width = width;
    m_color = color;
    m_pen.CreatePen(style, width, color);
}

void CDrawLinePen::DrawRect(CDC* dc, int l, int t, int r, int b)
{
    CPen* old = dc->SelectObject(&m_pen);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    OutlineRect(dc, l, t, r, b);
    dc->SetBkMode(oldMode);
    dc->SelectObject(old);
}

void CDrawLinePen::DrawSquareAt(CDC* dc, POINT p, int s)
{
    DrawRect(dc, p.x - s, p.y - s, p.x + s, p.y + s);
}

void CDrawXorLine::Line(CDC* dc, POINT a, POINT b)
{
    dc->MoveTo(a.x, a.y);
    dc->LineTo(b.x, b.y);
}

void CDrawXorLine::DrawLine(CDC* dc, POINT a, POINT b)
{
    from = a;
    to = b;
    if (Unset(a) && Unset(b)) {
        MessageBeep(0);
        AfxMessageBox(QStringLiteral("No Setting coordinate."));
        return;
    }
    CPen* old = dc->SelectObject(&m_pen);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    Line(dc, a, b);
    dc->SetBkMode(oldMode);
    dc->SelectObject(old);
}

void CDrawXorLine::MoveLine(CDC* dc, POINT a, POINT b, int mode)
{
    from = a;
    to = b;
    if (Same(a, drawnFrom) && Same(b, drawnTo))
        return;
    CPen* old = dc->SelectObject(&m_pen);
    if (mode == 1) {
        const int oldRop = dc->SetROP2(R2_XORPEN);
        if (!Unset(drawnFrom) || !Unset(drawnTo))
            Line(dc, drawnFrom, drawnTo);
        Line(dc, a, b);
        drawnFrom = a;
        drawnTo = b;
        dc->SetROP2(oldRop);
    } else {
        Line(dc, a, b);
    }
    dc->SelectObject(old);
}

int CDrawXorLine::Erase(CDC* dc)
{
    if (Unset(drawnFrom) && Unset(drawnTo))
        return 0;
    CPen* old = dc->SelectObject(&m_pen);
    const int oldRop = dc->SetROP2(R2_XORPEN);
    Line(dc, drawnFrom, drawnTo);
    dc->SetROP2(oldRop);
    dc->SelectObject(old);
    ResetDrawnLine();
    return 1;
}

void CDrawXorLine::ResetDrawnLine()
{
    drawnFrom = drawnTo = POINT{-1, -1};
}

CDrawRectFrame::CDrawRectFrame(int style, int width, COLORREF color, COLORREF eraseColor)
{
    m_drawPen.CreatePen(style, width, color);
    m_erasePen.CreatePen(style, width, eraseColor);
}

void CDrawRectFrame::Outline(CDC* dc, CPen* pen, const RECT& r)
{
    CPen* old = dc->SelectObject(pen);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    OutlineRect(dc, r.left, r.top, r.right, r.bottom);
    dc->SetBkMode(oldMode);
    dc->SelectObject(old);
}

void CDrawRectFrame::DrawRect(CDC* dc, const RECT& r)
{
    Outline(dc, &m_drawPen, r);
}

void CDrawRectFrame::MoveRect(CDC* dc, const RECT& r)
{
    EraseRect(dc);
    Outline(dc, &m_drawPen, r);
    m_last = r;
}

void CDrawRectFrame::EraseRect(CDC* dc)
{
    if (m_last.left == -1 && m_last.top == -1 && m_last.right == -1 && m_last.bottom == -1)
        return;
    Outline(dc, &m_erasePen, m_last);
    ResetRect();
}

void CDrawRectFrame::ResetRect()
{
    m_last = RECT{-1, -1, -1, -1};
}

void CDrawRectFrame::DeletePens()
{
    m_drawPen.DeleteObject();
    m_erasePen.DeleteObject();
}
