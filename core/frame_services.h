// What the windows ask the main frame to do. The windows sit below the
// application in the layers, so they reach the frame through this interface,
// which the frame implements and installs at its creation, as it does its
// state (core/app_state.h). It grows with each window that calls the frame;
// while no frame is installed every call does nothing.
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

class CClipImageSlot;
class CPngTransparency;

class FrameServices {
public:
    virtual ~FrameServices() = default;

    // Brings the window to the foreground even when another program holds
    // it; 1 when it came to the front.
    virtual int ForceForegroundWindow(HWND /*target*/) { return 0; }
    // Minimises the frame with its windows, and restores them.
    virtual void MinimizeFrame() { }
    virtual void RestoreFrame() { }
    // Opens a clip window on a filled clip-image slot showing the inclusive
    // image rectangle r of the stage; 1 when it opened. Until the frame has
    // clip windows the slot is kept as it is and the answer is success.
    virtual int OpenClipWindow(
        BYTE /*slot*/, CClipImageSlot* /*image*/, CPngTransparency* /*transparency*/, const RECT& /*r*/)
    {
        return 1;
    }
    // A clip window lies over the view stage: the active window when it is a
    // clip window, else the window directly above the stage when it is one.
    virtual bool IsClipWindowOverStage() const { return false; }
    // Whether the frame can open the clip-range history and run continuous
    // capture (the panel's buttons for them stay disabled otherwise).
    virtual bool CanOpenClipHistory() const { return false; }
    virtual bool CanRunContinueCapture() const { return false; }
    // Whether the multi view is part of the program: continuous capture
    // offers the switch to it after a run only then.
    virtual bool IsMultiViewInProgram() const { return false; }
};

// The installed frame; an instance that does nothing while none is.
FrameServices& GetFrameServices();
// The frame installs itself at creation and passes null when it goes.
void SetFrameServices(FrameServices* frame);
