// The class library's point, size and rectangle classes over the plain
// POINT, SIZE and RECT records, with the few operations windows use.
#pragma once

#include "platform/types/types.h"

#include <algorithm>
#include <utility>

class CPoint : public POINT {
public:
    CPoint() = default;
    CPoint(int x_, int y_) : POINT{x_, y_} { }
    CPoint(const POINT& p) : POINT(p) { }
    CPoint operator+(const CPoint& o) const { return CPoint(x + o.x, y + o.y); }
    CPoint operator-(const CPoint& o) const { return CPoint(x - o.x, y - o.y); }
    void Offset(int dx, int dy)
    {
        x += dx;
        y += dy;
    }
};

class CSize : public SIZE {
public:
    CSize() = default;
    CSize(int cx_, int cy_) : SIZE{cx_, cy_} { }
    CSize(const SIZE& s) : SIZE(s) { }
};

class CRect : public RECT {
public:
    CRect() = default;
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} { }
    CRect(const RECT& r) : RECT(r) { }
    CRect(const POINT& topLeft, const SIZE& size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy}
    {
    }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(const POINT& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void SetRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void OffsetRect(int dx, int dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void InflateRect(int dx, int dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    // The overlap of a and b; empty (and false) when they do not meet.
    bool IntersectRect(const RECT& a, const RECT& b)
    {
        SetRect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom));
        if (IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        return true;
    }
};
