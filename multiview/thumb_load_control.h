// What the multi-view stage and its thumbnail loaders share about the load
// that runs: one record per process.
//
// Rules: the plain fields (ranges, megabyte sum, pending range) are written
// by the UI thread only, before it starts a loader (the loader's opening
// handshake with the stage makes them visible to it). The cursor, the resume
// flag, the pass count, the loaded counter, the stopping flag and the
// suspend request are atomics: the range loader writes the cursor at every
// position and reads it back after each thumbnail it made, since the UI
// thread may move it forward to bring the visible page first.
#pragma once

#include "platform/types/types.h"

#include <atomic>

struct ThumbLoadControl {
    // The display positions the next range loader loads.
    WORD rangeFirst = 0;
    WORD rangeLast = 0;
    // The position the running range loader works on.
    std::atomic<WORD> cursor{0};
    // Set: the next range pass starts at the cursor instead of rangeFirst.
    std::atomic<bool> resume{false};
    // Passes of the running range load.
    std::atomic<WORD> passCount{0};
    // Thumbnails made since the last start (the panel's progress).
    std::atomic<WORD> loadedCount{0};
    // The listed files' total size in MB.
    double megabyteSum = 0;
    // Set while a range loader is stopped only to let the visible page load
    // first: that loader leaves the panel's progress bar running.
    std::atomic<bool> stopping{false};
    // A range load interrupted for a page load (0 and 0: none).
    WORD pendingFirst = 0;
    WORD pendingLast = 0;
    // The visible range the page loader loads.
    WORD pageFirst = 0;
    WORD pageLast = 0;
    // Set by the UI thread to hold the loaders before their next file
    // (the folder dialog is open, the clipboard is being written).
    std::atomic<bool> suspended{false};

    bool HasPendingRange() const { return pendingFirst != 0 || pendingLast != 0; }
    void ClearPendingRange() { pendingFirst = pendingLast = 0; }
};

// The process's record.
inline ThumbLoadControl& GetThumbLoadControl()
{
    static ThumbLoadControl control;
    return control;
}
