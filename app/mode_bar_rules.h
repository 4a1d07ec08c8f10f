// Where the mode bar stands and which pictures its buttons show. Screen
// pixels. No window, no drawing.
#pragma once

#include "platform/types/types.h"

struct ScreenMetrics;

// The bar's rectangle at its present size: at the frame's left edge, directly
// below the frame's caption, toolbar and menu (the metrics' frame figures
// hold the sizing frame + 4).
RECT ModeBarPlacement(const RECT& frameWindow, const ScreenMetrics& m, SIZE barSize);

// The six pictures of the bar's two buttons.
enum class ModeBarImage {
    ClipButtonInClipMode,
    ClipButtonInClipModeMeasuring,
    ClipButtonInMultiView,
    ClipButtonInMultiViewMeasuring,
    MultiButtonInMultiView,
    MultiButtonInClipMode,
};
inline constexpr int kModeBarImageCount = 6;

// The bitmap resource id of a picture at icon scale 1 or 2.
int ModeBarBitmapId(ModeBarImage image, int iconScale);

// The two buttons' pictures for the application mode (1 clip mode, anything
// else the multi view) and whether the measure panel stands in the control
// panel's place.
struct ModeBarPictures {
    ModeBarImage clipButton;
    ModeBarImage multiButton;
};
ModeBarPictures ModeBarPicturesFor(int appMode, bool measurePanelOpen);
