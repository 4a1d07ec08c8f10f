// The multi-view panel's copies in the multi view's state of one run: the
// folder history, the view mode, the sort key and direction and the display
// state. The panel takes them when it is made and gives them back when it
// goes; they are never written to the settings file, so every run starts
// with an empty history. (The thumbnail size is MultiViewState's own.)
#pragma once

#include "multiview/multi_control_rules.h"

#include <QString>

struct MultiViewPanelCopies {
    QString history[kMultiFolderHistoryCount];  // entry 0 the most recent
    int viewMode = 0;
    int sortKey = 0;
    int descending = 0;
    int displayState = 0;
};

MultiViewPanelCopies& GetMultiViewPanelCopies();
