#include "res/menu_pictures.h"

#include <QFile>
#include <QString>

// The pictures live in a static library: their resource data is linked in
// only when named (outside any namespace, as the resource system needs).
static void InitMenuPictureResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(menu_bitmaps);
        Q_INIT_RESOURCE(toolbar_bitmaps);
        return true;
    }();
    (void)once;
}

namespace {

// The resource's picture in the format the menu and toolbar painters blend;
// null when the resource is missing (QImage would only warn).
QImage LoadPicture(const QString& path)
{
    InitMenuPictureResources();
    if (!QFile::exists(path))
        return {};
    return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The file name's suffix of the larger drawing; scale 1 names none.
QString ScaleSuffix(int iconScale)
{
    return iconScale == 2 ? QStringLiteral("_x2") : QString();
}

}  // namespace

QImage MenuItemPicture(int bitmapId, int iconScale)
{
    return LoadPicture(QStringLiteral(":/menu/bitmap_%1%2.png").arg(bitmapId).arg(ScaleSuffix(iconScale)));
}

QImage ToolbarStrip(int toolbarId, int iconScale)
{
    return LoadPicture(
        QStringLiteral(":/toolbar/toolbar_%1%2.png").arg(toolbarId).arg(ScaleSuffix(iconScale)));
}

int MenuPictureSide(int iconScale)
{
    return iconScale == 2 ? 32 : 16;
}
