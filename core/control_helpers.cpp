#include "core/control_helpers.h"

#include <QImage>

void FillRectColor(CDC* dc, const RECT* rect, COLORREF color)
{
    if (!dc || !rect)
        return;
    CBrush brush;
    if (!brush.CreateSolidBrush(color))
        return;
    dc->FillRect(rect, &brush);
    brush.DeleteObject();
}

HBITMAP CopyBitmapHandle(CBitmap* out, HBITMAP source)
{
    if (!out || !source)
        return nullptr;
    const CBitmap* from = CBitmap::FromHandle(source);
    const QImage* image = from ? from->GetImage() : nullptr;
    if (!image || image->isNull())
        return nullptr;
    // A deep copy of the whole image: rows keep their padding whatever the depth.
    const QImage copy = image->copy();
    if (out->GetSafeHandle())
        out->DeleteObject();
    if (!out->CreateFromImage(copy))
        return nullptr;
    return *out;
}

bool IsMouseMessage(UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

LRESULT SendMouseToParent(CWnd& control, CWnd& parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    control.ClientToScreen(&p);
    parent.ScreenToClient(&p);
    return parent.SendMessage(message, wParam, MAKELPARAM(p.x, p.y));
}
