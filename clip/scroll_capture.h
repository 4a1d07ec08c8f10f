// Scroll capture: a browser window whose page is taller than the window is
// scrolled with wheel notches, grabbed screen by screen, and the screens are
// stitched where they overlap into one tall image. The algorithm sees the
// window only through ScrollCaptureHost (its rectangle, a grab, a wheel
// notch, the cursor, time and memory), so that it runs against a synthetic
// page as well as against a real window on the desktop.
//
// UI thread only: the capture blocks its caller until it ends.
#pragma once

#include "imaging/load_bitmap.h"
#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

// Result codes of a scroll capture.
enum : BYTE {
    kScrollSingleScreen = 1,  // one screen: fixed rows over half the window, or no movement
    kScrollPageEnded = 3,     // the page stopped moving: the normal end
    kScrollNoWindowRect = 11,
    kScrollNoMemory = 12,
    kScrollGrabFailed = 13,
    kScrollNoClipboardBitmap = 14,
    kScrollTooLittleMovement = 15,
    kScrollTooTall = 16,
    kScrollLowMemory = 17,
    kScrollUnsupportedIe = 18,
    kScrollFixedRowsOverHalf = 31,
    kScrollNoOverlap = 32,
    kScrollInternalError = 50,
    kScrollAllocFailed = 51,
    kScrollCannotScroll = 52,
    kScrollPageJumps = 53,
};

// True for the codes whose capture hands over an image: 1, 2, 3, 16, 17, 52, 53.
bool ScrollResultKeepsImage(BYTE code);

// The scrolled content inside the last stitched image: right and bottom
// exclusive. Set by every capture that keeps an image.
extern RECT g_rcScrollArea;

// One screen grab or the stitched image: 3 bytes a pixel (blue, green, red),
// rows top-down without padding.
struct ScrollRows {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;

    std::size_t Stride() const { return static_cast<std::size_t>(width) * 3; }
    std::uint8_t* Row(int y) { return bytes.data() + Stride() * static_cast<std::size_t>(y); }
    const std::uint8_t* Row(int y) const { return bytes.data() + Stride() * static_cast<std::size_t>(y); }
    // Sets the size; false (unchanged) when memory runs out.
    bool Resize(int w, int h);
};

// What the capture needs of the window and the desktop.
class ScrollCaptureHost {
public:
    virtual ~ScrollCaptureHost() = default;
    // The rectangle to grab of the target (screen coordinates); false when there is none.
    virtual bool TargetRect(HWND target, RECT& rect) = 0;
    // Grabs the screen rectangle into `screen` at its size: 1, or 12 (memory),
    // 13 (the screen could not be read), 14 (no picture on the clipboard).
    virtual int Grab(const RECT& rect, ScrollRows& screen) = 0;
    // One wheel notch towards the user (the page moves down) at the screen point p.
    virtual void WheelNotch(HWND target, POINT p) = 0;
    virtual void MoveCursor(POINT p) = 0;
    // Holds the cursor on p until released.
    virtual void ConfineCursor(POINT p) = 0;
    virtual void ReleaseCursor() = 0;
    virtual void Sleep(DWORD milliseconds) = 0;
    // Physical memory still available, in bytes.
    virtual std::uint64_t AvailableMemoryBytes() = 0;
    // Whether the stitched image may take `bytes` more; a test refuses to
    // show what a lack of memory does.
    virtual bool MayAllocate(std::size_t /*bytes*/) { return true; }
    // The page's own child window under p (the content window of Internet
    // Explorer and Safari) with its rectangle; null when there is none.
    virtual HWND ContentChildAt(HWND /*target*/, BYTE /*kind*/, POINT /*p*/, RECT* /*rect*/)
    {
        return nullptr;
    }
};

// The settings and screen figures a capture reads.
struct ScrollCaptureSettings {
    int scrollWait = 50;    // ms after each notch, 5..500
    int matchLineNum = 50;  // rows that must match where two grabs overlap
    int ambiguousLeve = 1;  // tolerated differing bytes per row, per 300 bytes
    int scrollRate = 67;    // percent of the window scrolled per step
    int afterScrollBehave = 1;
    int maxSaveSizeHeight = 0;
    int captionHeight = 0;
    int frameWidth = 0;    // F: sizing frame + 4
    int frameHeight = 0;   // Fy: sizing frame + 4
    int vscrollWidth = 0;  // V
};
// The settings of the program and the frame's screen figures.
ScrollCaptureSettings CurrentScrollCaptureSettings();

// The wait after a step's notches: 10 x s up to 10, 3 x s up to 50, 2 x s up to 100, else 1.5 x s.
int ScrollSettleWaitMs(int scrollWait);
// Notches per step for a first notch that moved the page d0 rows in a window H rows high.
int ScrollNotchCount(int scrollRate, int height, int d0, int matchLineNum);
// Where the notches are aimed in the window rectangle: over the vertical
// scroll bar, five sixths down.
POINT ScrollWheelPoint(const RECT& window, const ScrollCaptureSettings& settings);

// The capture of `target` (browser kind as DetectBrowserWindow gives it) into
// the holder: a result code as above. The holder is changed only for the
// codes that keep an image.
BYTE RunScrollCapture(HWND target, CLoadBitmap* holder, BYTE browserKind, ScrollCaptureHost& host,
    const ScrollCaptureSettings& settings);

// The code's message (none for 0, 1, 2, 3 and unknown codes).
QString ScrollCaptureResultText(BYTE code);
// Shows the code's message and returns 1 when the code keeps an image, else 0.
int ShowScrollCaptureResult(BYTE code);
