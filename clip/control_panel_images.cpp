#include "clip/control_panel_images.h"

#include "platform/gdi/resource_bitmaps.h"

namespace {

struct ImageIds {
    PanelImage image;
    int scale1;
    int scale2;
};

constexpr ImageIds kImageIds[] = {
    {PanelImage::TwoClick, 173, 317},
    {PanelImage::TwoClickPressed, 174, 318},
    {PanelImage::Wheel, 175, 319},
    {PanelImage::WheelPressed, 172, 320},
    {PanelImage::FullScreen, 182, 321},
    {PanelImage::ActiveWindow, 183, 322},
    {PanelImage::History, 201, 323},
    {PanelImage::Chooser, 202, 324},
    {PanelImage::ContinueCapture, 390, 391},
    {PanelImage::Linked, 381, 383},
    {PanelImage::NotLinked, 382, 384},
};

}  // namespace

// The pictures live in a static library: their resource data is linked in
// only when named (outside any namespace, as the resource system needs).
static void InitPanelResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(control_panel_bitmaps);
        return true;
    }();
    (void)once;
}

int PanelBitmapId(PanelImage image, int iconScale)
{
    for (const ImageIds& ids : kImageIds)
        if (ids.image == image)
            return iconScale == 2 ? ids.scale2 : ids.scale1;
    return 0;
}

HBITMAP LoadPanelBitmap(int resourceId)
{
    InitPanelResources();
    return LoadBitmapFile(QStringLiteral(":/panel/bitmap_%1.png").arg(resourceId));
}
