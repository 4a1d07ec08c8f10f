#include "multiview/multi_control_images.h"

#include "platform/gdi/resource_bitmaps.h"

#include <iterator>

namespace {

struct ImageIds {
    MultiPanelImage image;
    int scale1;
    int scale2;
};

constexpr ImageIds kImageIds[] = {
    {MultiPanelImage::Grid, 286, 330},
    {MultiPanelImage::GridOn, 285, 329},
    {MultiPanelImage::Preview, 292, 332},
    {MultiPanelImage::PreviewOn, 291, 331},
    {MultiPanelImage::Load, 300, 333},
    {MultiPanelImage::Stop, 301, 334},
    {MultiPanelImage::ClearView, 297, 335},
    {MultiPanelImage::CopyPicture, 298, 336},
    {MultiPanelImage::OpenInClipMode, 299, 337},
    {MultiPanelImage::Delete, 304, 338},
    {MultiPanelImage::CopyFiles, 306, 339},
    {MultiPanelImage::BatchShrink, 366, 367},
    {MultiPanelImage::RenameOne, 368, 369},
    {MultiPanelImage::RenameBatch, 370, 371},
};
static_assert(std::size(kImageIds) == kMultiPanelImageCount);

}  // namespace

// The pictures live in a static library: their resource data is linked in
// only when named (outside any namespace, as the resource system needs).
static void InitMultiPanelResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(multi_panel_bitmaps);
        return true;
    }();
    (void)once;
}

int MultiPanelBitmapId(MultiPanelImage image, int iconScale)
{
    for (const ImageIds& ids : kImageIds)
        if (ids.image == image)
            return iconScale == 2 ? ids.scale2 : ids.scale1;
    return 0;
}

HBITMAP LoadMultiPanelBitmap(int resourceId)
{
    InitMultiPanelResources();
    return LoadBitmapFile(QStringLiteral(":/multipanel/bitmap_%1.png").arg(resourceId));
}
