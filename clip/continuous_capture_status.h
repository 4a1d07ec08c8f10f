// How a continuous capture ends: the status byte both threads share, and the
// messages shown for it.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <optional>
#include <vector>

enum ContinueCaptureStatusCode : BYTE {
    kCcWriteFailed = 0,  // saver: a file could not be written
    kCcRunning = 1,
    kCcUserStop = 2,         // the stop button
    kCcPathTooLong = 3,      // saver: a path of 260 characters or more
    kCcDiskFull = 4,         // saver: the folder's file system is full
    kCcIntervalMissed = 10,  // loop: no free slot, or a frame came late (told at once)
    kCcScreenCopyFailed = 13,
    kCcNoDesktop = 15,
    kCcNoImage = 16,
    kCcSaveTooSlow = 17,  // loop: no free slot for longer than CC_SaveWait_ms
};

// A path of this many characters or more is not written.
inline constexpr int kCcMaxPathLength = 260;

// The caption of the run's message boxes.
QString ContinueCaptureCaption();
// The message shown after the run for a status (exclamation icon); none for
// 1, 2 and 10 (a stop is reported by the stop itself, 10 was shown at once).
std::optional<QString> ContinueCaptureStatusMessage(BYTE status);
// A box: its text and its icon (MB_ICON*).
struct ContinueCaptureMessage {
    QString text;
    UINT icon = 0;
    friend bool operator==(const ContinueCaptureMessage&, const ContinueCaptureMessage&) = default;
};
// The boxes shown after a loop that failed, in order: the status's message
// (exclamation), then the interval message (information) when the interval
// was not kept, unless the status already told the user so (10) or the user
// stopped the run (2).
std::vector<ContinueCaptureMessage> FailedRunMessages(BYTE status, bool intervalKept);
// The interval message after the run.
QString IntervalNotKeptMessage();
// Shown at once: a frame found no free slot (no force).
QString NoFreeSlotMessage();
// Shown at once: a frame came late (no force), with the interval in tenths.
QString IntervalMissedMessage(int intervalTenths);
