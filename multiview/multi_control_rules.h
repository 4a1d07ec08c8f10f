// The multi-view panel's rules without its window: the folder history, the
// thumbnail size steps, the load / stop state machine, the texts of its
// readouts, the enabling of its buttons and the status-bar guide's areas.
#pragma once

#include "multiview/multi_view_state.h"
#include "platform/types/types.h"

#include <QString>
#include <span>

inline constexpr int kMultiFolderHistoryCount = 20;
inline constexpr int kMultiFolderTextChars = 519;  // the combo box's limit
inline constexpr int kThumbSizeStep = 4;
inline constexpr int kThumbSizeTick = 12;

// A folder already in the history moves to entry 0 (the entries before it
// move down one place); a new one goes in as entry 0 and the last drops out.
void MoveFolderToHistoryFront(QString (&history)[kMultiFolderHistoryCount], const QString& folder);

// The size after one Ctrl + wheel step: a delta below 1 shrinks by 4 down
// to 48, a delta of 1 or more grows by 4 up to 144.
int StepThumbSize(int size, int wheelDelta);
bool IsThumbSizeInRange(int size);

// The rank bits built first for a sort key: name 1, size 4, otherwise date 2.
unsigned SortBitsOfKey(int key);

// Button 1114 (load / stop). With nothing changed on disk and loading
// finished it does nothing; otherwise a changed folder or a finished load
// first clears the view (state 2), then the state flips 1 <-> 2.
struct LoadStopStep {
    bool act = false;         // false: nothing happens, the button stays disabled
    bool clearFirst = false;  // the view is cleared and the watch stopped first
    int newState = 0;
};
LoadStopStep LoadStopTransition(int changed, int displayState);

// The operation buttons whose work is part of the program: every one now. A
// button whose work has not landed stays disabled here rather than do nothing.
bool IsPanelButtonAvailable(int id);
// Tests of the handlers behind those buttons make every button available.
void SetAllPanelButtonsAvailableForTesting(bool all);

// The readouts.
QString CellPositionText(int x, int y);                              // "X = 001, Y = 002"
QString FileFactText(const QString* text);                           // "---" for none
QString FileSizeText(ULONGLONG bytes, const SIZE* imageSize);        // "1.00 KB (640×480)"
QString TotalsText(int total);                                       // "選択/総数 : 0/12"
QString SelectedCountText(int selected, const QString& shownTotal);  // "選択/総数 : 3/12"

// What timer 15 enables, from the stage's focus (-1 none), file count,
// selection and whether the focus's sort order is ready.
struct MultiButtonFacts {
    int focus = -1;
    int total = 0;
    int selected = 0;
    bool sortReadyAtFocus = false;
    bool changed = false;
    int displayState = 0;
    bool listEmpty = true;
};
struct MultiButtonStates {
    bool focusButtons = false;      // 1343, 1344, 1479, 1353
    bool selectionButtons = false;  // 1347, 1348, 1590, 1592, 1591
    bool loadStop = false;          // 1114
    bool clearView = false;         // 1342
};
MultiButtonStates ComputeMultiButtonStates(const MultiButtonFacts& facts);

// The status-bar guide: the topic of each button (its area is the control
// deflated by 2 pixels); 0 elsewhere.
struct HoverArea {
    int controlId;
    int topic;
    RECT rect;
};
std::span<const HoverArea> MultiHoverTopics();  // rectangles empty: ids and topics only
int HoverTopicAt(std::span<const HoverArea> areas, POINT p);
