// Questions about the application's state: which of the program's windows
// exist or are active, which selection runs on the stage. The main frame
// answers the window questions (platform/app_state.h); the settings and the
// range selection method come from the settings store.
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

// 1 a clip-mode window is active, 2 a multi-view window, 3 + n clip window n,
// 0 anything else.
int GetActiveAppWindowKind();
// The same for any top-level window of the program.
int GetAppWindowKind(HWND window);

int IsFixSaveArea();
int IsSmoothClipOrFixedArea();
// The stage's state byte: 3 while a range is being selected, 1 when idle.
int IsClipStateSelecting(BYTE stageMode);
int IsClipStateIdle(BYTE stageMode);
int IsClickClipActive();
int IsWheelClipActive();
int IsClipSelecting();
int IsClickClipRangeSet();
int GetHighlightZoomAreaMode();
int IsHighlightZoomAreaOn();
int IsExifWindowOpen();
int IsExifWindowForeground();
int IsModeChoiceWindowOpen();
int IsMaskWindowOpen();
int IsMeasureWindowOpen();
int IsMultiViewStageVisible();

// Brings the control panel or the overview window to the top when the two
// overlap and the point (client coordinates of w) lies in w's visible part;
// 1 when it did.
int RaiseOverlappedToolWindow(HWND w, int flag, POINT point);
