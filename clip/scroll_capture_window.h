// Scroll capture of a window picked in the capture-window chooser: the frame
// leaves the screen, the browser comes to the front, the page is captured
// (clip/scroll_capture.h) and brought back to its top with the Home key, the
// frame returns and the result is told. The desktop's side of it (the
// print-screen grab, wheel notches and the Home key through the input
// service, the pointer held on the wheel point) is DesktopScrollCaptureHost.
#pragma once

#include "clip/screen_capture.h"
#include "clip/scroll_capture.h"

#include <QString>

#include <functional>

// The scroll capture on this desktop.
class DesktopScrollCaptureHost : public ScrollCaptureHost {
public:
    bool TargetRect(HWND target, RECT& rect) override;
    // By print-screen (the clipboard's picture of the desktop) from version
    // code 0x600 on, as the screen capture does, else by a copy of the screen.
    int Grab(const RECT& rect, ScrollRows& screen) override;
    void WheelNotch(HWND target, POINT p) override;
    void MoveCursor(POINT p) override;
    void ConfineCursor(POINT p) override;
    void ReleaseCursor() override;
    // Messages are handled while waiting: the program's windows keep answering the window system.
    void Sleep(DWORD milliseconds) override;
    std::uint64_t AvailableMemoryBytes() override;
};

// What the capture of a chosen window does besides the capture itself.
struct ScrollWindowSteps {
    int waitMs = 0;  // WaitForCapture
    std::function<BYTE(HWND)> detectBrowser;
    // The Home key to the browser (its content child for kinds 4 and 5).
    std::function<void(HWND, BYTE)> pressHome;
    std::function<QString(HWND)> windowTitle;
    // Puts the cursor on the centre of the stage's view.
    std::function<void()> pointAtStage;
};
// The steps on this desktop.
ScrollWindowSteps DesktopScrollWindowSteps();

// Kind 3 with a target only: 1 when an image went into the holder (the
// result's message has been shown), 0 otherwise.
int ScrollCaptureWindow(BYTE kind, HWND target, CLoadBitmap* holder, CaptureFrame& frame, CaptureClock& clock,
    ScrollCaptureHost& host, const ScrollWindowSteps& steps, const ScrollCaptureSettings& settings);
