// What the multi-view stage reads of the control panel, and the one state
// it writes back. The panel implements this and the frame hands it to the
// stage (CDlgMultiViewStage::SetPanelState) before the stage is created; the
// stage then reads these at every decision instead of keeping copies.
#pragma once

#include "platform/types/hwnd.h"

class MultiViewPanelState {
public:
    virtual ~MultiViewPanelState() = default;

    // The panel's window, where the stage sends and posts WM_MULTICTL_*.
    virtual HWND PanelWindow() const = 0;
    // kMultiViewGrid or kMultiViewPreview.
    virtual int ViewMode() const = 0;
    // kSortNone .. kSortBySize.
    virtual int SortKey() const = 0;
    // 1 when the sort order is reversed.
    virtual int Descending() const = 0;
    // kMultiDisplayFinished, kMultiDisplayLoading or kMultiDisplayStopped.
    virtual int DisplayState() const = 0;
    // Stores the display state and shows it on the load/stop button (1114),
    // as WM_MULTICTL_DISPLAY_STATE does, but at once.
    virtual void SetDisplayState(int state) = 0;
};
