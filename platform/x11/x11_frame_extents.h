// The frame the running window manager gives a normal top-level window, asked
// of it with the EWMH frame-extents request on a window that is never shown.
#pragma once

#include "platform/x11/desktop_services.h"

#include <mutex>

class X11Connection;

// Asks the window manager for the frame of a normal top-level window: an
// unmapped probe window, the _NET_REQUEST_FRAME_EXTENTS message, then up to
// waitMs for its _NET_FRAME_EXTENTS. False without a window manager, without
// an answer in time, or on any X error.
bool RequestNormalFrameExtents(X11Connection& x, int waitMs, FrameExtents& extents);

class X11FrameExtents final : public FrameExtentsService {
public:
    explicit X11FrameExtents(X11Connection& x, int waitMs = 300) : x_(x), waitMs_(waitMs) { }
    // Asks once; the first answer is kept for the life of the service.
    bool NormalWindowExtents(FrameExtents& extents) override;

private:
    X11Connection& x_;
    const int waitMs_;
    std::mutex mutex_;
    bool known_ = false;
    FrameExtents extents_;
};
