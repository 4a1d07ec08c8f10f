#include "app/mode_bar_rules.h"

#include "core/system_figures.h"

RECT ModeBarPlacement(const RECT& frameWindow, const ScreenMetrics& m, SIZE barSize)
{
    // The top is the stage area's offset: caption, sizing frame, toolbar,
    // half a sizing frame and the menu.
    const int left = frameWindow.left + m.frameWidth + 2;
    const int top = frameWindow.top + GetFrameClientTop(m);
    return RECT{left, top, left + barSize.cx, top + barSize.cy};
}

namespace {

struct ImageIds {
    ModeBarImage image;
    int scale1;
    int scale2;
};

constexpr ImageIds kImageIds[] = {
    {ModeBarImage::ClipButtonInClipMode, 281, 325},
    {ModeBarImage::ClipButtonInClipModeMeasuring, 348, 350},
    {ModeBarImage::ClipButtonInMultiView, 282, 326},
    {ModeBarImage::ClipButtonInMultiViewMeasuring, 349, 351},
    {ModeBarImage::MultiButtonInMultiView, 283, 327},
    {ModeBarImage::MultiButtonInClipMode, 284, 328},
};

}  // namespace

int ModeBarBitmapId(ModeBarImage image, int iconScale)
{
    for (const ImageIds& ids : kImageIds)
        if (ids.image == image)
            return iconScale == 2 ? ids.scale2 : ids.scale1;
    return 0;
}

ModeBarPictures ModeBarPicturesFor(int appMode, bool measurePanelOpen)
{
    if (appMode == 1)
        return {measurePanelOpen ? ModeBarImage::ClipButtonInClipModeMeasuring
                                 : ModeBarImage::ClipButtonInClipMode,
            ModeBarImage::MultiButtonInClipMode};
    return {
        measurePanelOpen ? ModeBarImage::ClipButtonInMultiViewMeasuring : ModeBarImage::ClipButtonInMultiView,
        ModeBarImage::MultiButtonInMultiView};
}
