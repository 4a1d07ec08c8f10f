// The multi view's pictures (our own artwork, PNG files in res/): the
// placeholders of files that are not shown and the masked-file picture.
#include "multiview/thumbnail_list.h"

#include "platform/gdi/resource_bitmaps.h"

// The pictures live in a static library: their resource data is linked in
// only when named (outside any namespace, as the resource system needs).
static void InitMultiViewResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(multi_view_bitmaps);
        return true;
    }();
    (void)once;
}

namespace {

QImage LoadPicture(int resourceId)
{
    InitMultiViewResources();
    return QImage(QStringLiteral(":/multi_view/bitmap_%1.png").arg(resourceId))
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage MultiViewBitmapImage(int resourceId)
{
    // Loaded once; loaders on several threads share the read-only copies.
    static const QImage unsupported = LoadPicture(kUnsupportedFileBitmap);
    static const QImage unreadable = LoadPicture(kUnreadableFileBitmap);
    static const QImage masked = LoadPicture(kMaskedFileBitmap);
    switch (resourceId) {
    case kUnsupportedFileBitmap:
        return unsupported;
    case kUnreadableFileBitmap:
        return unreadable;
    case kMaskedFileBitmap:
        return masked;
    default:
        return QImage();
    }
}

HBITMAP LoadMultiViewBitmap(int resourceId)
{
    return CreateBitmapFromImage(MultiViewBitmapImage(resourceId));
}
