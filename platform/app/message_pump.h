// Message pumping on the Qt event loop, the flush of queued mouse input and
// the millisecond tick count.
#pragma once

#include "platform/types/types.h"

#include <QtGlobal>
#include <functional>

// Handles every pending event, then returns. A quit request taken meanwhile
// (QCoreApplication::exit or quit) stays in force: the outer loop still ends.
void PumpMessages();

// Discards pending messages numbered lo..hi without handling them. Mouse
// input (and key presses and releases) in that range that was queued before
// the flush is dropped when it arrives (the window layer asks IsMouseInputFlushed for each mouse event);
// posted messages of the range are removed through the handler the window
// layer installs.
void FlushMessages(UINT lo, UINT hi);

// Asked by the window layer for each mouse event with its timestamp (the
// QInputEvent clock): true when the event was queued before the last flush of
// mouse messages and must be dropped.
bool IsMouseInputFlushed(qint64 eventTimestampMs);
// The same for a key press or release (asked by the application's input filter).
bool IsKeyInputFlushed(qint64 eventTimestampMs);

// Posted messages numbered lo..hi are removed by this handler (the window
// layer owns the posted-message queue). An empty handler removes nothing.
using PostedMessageFlushHandler = std::function<void(UINT lo, UINT hi)>;
void SetPostedMessageFlushHandler(PostedMessageFlushHandler handler);

// Milliseconds of a monotonic clock (since the system started); the 32-bit
// form wraps after 49.7 days as the platform's does.
DWORD GetTickCount();
ULONGLONG GetTickCount64();
