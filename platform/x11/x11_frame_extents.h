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
    explicit X11FrameExtents(X11Connection& x, int waitMs = 300) : m_x(x), m_waitMs(waitMs) { }
    // Asks once; the first answer is kept for the life of the service.
    bool NormalWindowExtents(FrameExtents& extents) override;

private:
    X11Connection& m_x;
    const int m_waitMs;
    std::mutex m_mutex;
    bool m_known = false;
    FrameExtents m_extents;
};
