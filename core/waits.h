// Waiting while the windows stay responsive, the wait-time entry of the
// option pages, the modifier-key state, file drops on the main frame and the
// standard cursors.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <memory>

class CWnd;
class CWorkerThread;

// Limits of a wait time entered in seconds, in milliseconds.
inline constexpr int kMinWaitTimeMs = 100;
inline constexpr int kMaxWaitTimeMs = 7000;

// The wait time of an entry text in milliseconds, kept within the limits; a
// text of more than 9 characters counts as 14000. message receives the text
// to show when a limit was applied (empty otherwise).
int WaitTimeFromText(const QString& text, QString* message);
// The same, showing the message in a box when a limit was applied.
int GetWaitTimeFromEditText(const QString& text);
// The wait time entered in the edit control (up to 100 characters are read).
int GetWaitTimeFromEdit(const CWnd* edit);

// Waits up to the limit for the worker to end while still handling messages
// (a worker may be waiting for the UI thread). When it ended, the worker is
// released, the holder cleared and true returned; when the time is up false
// (the worker was asked to stop beforehand and is left to its owner).
bool StopThreadWithTimeout(std::unique_ptr<CWorkerThread>& holder, DWORD milliseconds);

// 1 Shift down and Ctrl up, 2 Ctrl down and Shift up, 0 otherwise.
int GetShiftCtrlState();
int ShiftCtrlStateOf(bool shiftDown, bool ctrlDown);

// Lets the main frame accept dropped files (or not).
void EnableDropFiles(BOOL enable);

// Shows a system cursor; up to 10 attempts, handling messages in between.
void SetStandardCursor(int systemCursorId);
// Shows one of the program's own cursors when it exists.
void SetAppCursor(int resourceId);
// From the program's cursors (fromResources 1) or the system's (other values).
void SetCursorFrom(int cursorId, int fromResources);
