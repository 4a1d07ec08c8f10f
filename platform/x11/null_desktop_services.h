// The desktop services of a run without an X display: every call fails
// cleanly and every list is empty.
#pragma once

#include "platform/x11/desktop_services.h"

class NullWindowList : public WindowListService {
public:
    std::vector<HWND> TopLevelWindows() override { return {}; }
    bool QueryWindow(HWND, unsigned, DesktopWindowInfo& info) override
    {
        info = DesktopWindowInfo{};
        return false;
    }
    bool WindowExists(HWND) override { return false; }
    bool HasWindowManager() override { return false; }
};

class NullWindowControl : public WindowControlService {
public:
    HWND ForegroundWindow() override { return nullptr; }
    bool Activate(HWND) override { return false; }
    bool Minimize(HWND) override { return false; }
    bool Restore(HWND) override { return false; }
    bool Raise(HWND) override { return false; }
};

class NullScreenGrab : public ScreenGrabService {
public:
    SIZE ScreenSize() override { return {}; }
    bool Grab(const RECT&, QImage&) override { return false; }
};

class NullCursor : public CursorService {
public:
    bool CursorImage(DesktopCursorImage&) override { return false; }
    bool CursorPosition(POINT&) override { return false; }
};

class NullPointerConfinement : public PointerConfinementService {
public:
    bool ConfinePointerTo(POINT) override { return false; }
    void ReleasePointer() override { }
};

class NullInput : public InputService {
public:
    bool MovePointer(POINT) override { return false; }
    bool SendWheelNotches(int) override { return false; }
    bool SendKey(UINT) override { return false; }
};

class NullFrameExtents : public FrameExtentsService {
public:
    bool NormalWindowExtents(FrameExtents&) override { return false; }
};
