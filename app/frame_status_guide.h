// The guidance the frame shows in its status bar's first pane while a range
// is selected, the capture-window chooser is open or a clip window is
// pointed at (WM_FRAME_STATUS_GUIDE: topic, value). No window.
#pragma once

#include "platform/types/messages.h"

#include <QString>

struct StatusGuideFacts {
    bool fixSaveArea = false;  // the range is fixed
    bool chooserOpen = false;  // the capture-window chooser is open
    int captureListMax = 0;    // CaptureListMax
};

// The text for a topic and value; empty clears the pane.
QString StatusGuideText(WPARAM topic, LPARAM value, const StatusGuideFacts& facts);

// The explanation of a multi-view panel button (WM_FRAME_STATUS_MULTI: its
// number in the low byte); empty clears the pane.
QString MultiPanelGuideText(WPARAM topic);
