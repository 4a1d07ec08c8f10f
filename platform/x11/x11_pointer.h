// The X11 cursor image (XFixes), pointer confinement (XFixes pointer
// barriers) and simulated input (XTest).
#pragma once

#include "platform/x11/desktop_services.h"

#include <vector>

class X11Connection;

class X11Cursor final : public CursorService {
public:
    explicit X11Cursor(X11Connection& x) : m_x(x) { }
    bool CursorImage(DesktopCursorImage& cursor) override;
    bool CursorPosition(POINT& position) override;

private:
    X11Connection& m_x;
};

class X11PointerConfinement final : public PointerConfinementService {
public:
    explicit X11PointerConfinement(X11Connection& x) : m_x(x) { }
    bool ConfinePointerTo(POINT point) override;
    void ReleasePointer() override;

private:
    X11Connection& m_x;
    std::vector<unsigned long> m_barriers;
};

class X11Input final : public InputService {
public:
    explicit X11Input(X11Connection& x) : m_x(x) { }
    bool MovePointer(POINT point) override;
    bool SendWheelNotches(int notches) override;
    bool SendKey(UINT virtualKey) override;
    bool ReadLockKeys(LockKeyStates& states) override;

private:
    bool Available();
    X11Connection& m_x;
};
