#include "multiview/tree_window_bitmaps.h"

#include "platform/gdi/resource_bitmaps.h"

#include <QString>

HBITMAP LoadTreeBitmap(int resourceId)
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(tree_bitmaps);
        return true;
    }();
    (void)registered;
    return LoadBitmapFile(QStringLiteral(":/tree/bitmap_%1.png").arg(resourceId));
}
