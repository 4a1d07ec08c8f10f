#include "platform/window/pointer_position.h"
#include "platform/x11/desktop_services.h"

#include <QCursor>

BOOL GetCursorPos(POINT* point)
{
    if (!point)
        return FALSE;
    const QPoint p = QCursor::pos();
    *point = POINT{p.x(), p.y()};
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    QCursor::setPos(x, y);
    return TRUE;
}

BOOL ClipCursor(const RECT* rect)
{
    if (!rect) {
        Desktop().pointer.ReleasePointer();
        return TRUE;
    }
    if (rect->right - rect->left != 1 || rect->bottom - rect->top != 1)
        return FALSE;
    return Desktop().pointer.ConfinePointerTo(POINT{rect->left, rect->top}) ? TRUE : FALSE;
}
