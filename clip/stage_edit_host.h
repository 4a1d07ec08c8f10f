// What the image edits ask of the view stage window: its drawing context,
// its view, redrawing and re-layout, and the overview window's state.
#pragma once

#include "platform/gdi/gdi_objects.h"
#include "platform/types/types.h"

class StageEditHost {
public:
    virtual ~StageEditHost() = default;
    // The DC the display bitmap is made compatible with (the back buffer's);
    // null while there is no back buffer.
    virtual HDC DisplayDc() = 0;
    // The view rectangle (the pixel accessor's clip size).
    virtual RECT ViewRect() const = 0;
    // Renders the surface with every overlay (flags 7).
    virtual void Render() = 0;
    // Lays the stage out for the image's present size (ReStructViewStage(0))
    // and rebuilds the back buffer.
    virtual void Relayout() = 0;
    // The view shows a part of the image.
    virtual bool ShowsPart() const = 0;
    virtual bool OverviewOpen() const = 0;
    // Nothing while the overview window is closed.
    virtual void RefreshOverview() = 0;
    // WM_FRAME_CLOSE_SKY to the frame.
    virtual void CloseOverview() = 0;
    // The control panel reports the image transformed; false while there is
    // no control panel.
    virtual bool PanelReportsTransformed() const = 0;
};
