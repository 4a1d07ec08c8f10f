// Screen capture: gets the frame out of the way, counts the configured wait
// down in the frame's title, copies a window (or the whole screen) with one
// of two engines and converts the copy into an image holder. The steps that
// touch the frame, the clock and the screen go through small interfaces so
// the order of events can be followed without a display.
//
// UI thread only: the countdown and the clipboard polling pump messages.
#pragma once

#include "imaging/load_bitmap.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/image/image_class.h"
#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <QString>

#include <functional>
#include <optional>

// Results of the engines.
enum : int {
    kCaptureFailed = 0,
    kCaptureDone = 1,
    kCaptureNoActiveWindow = 2,
};

// The frame's title is saved up to this many characters while the countdown shows.
constexpr int kSavedFrameTitleLength = 200;
// From this version code on the print-screen engine is used.
constexpr DWORD kPrintKeyEngineVersion = 0x600;
// The countdown's display step and the clipboard poll's limit.
constexpr DWORD kCountdownStepMs = 250;
constexpr int kClipboardPollTries = 25;
// How long a capture waits for the minimised frame to leave the screen.
constexpr DWORD kFrameLeaveLimitMs = 1500;

// What a capture does to the frame.
class CaptureFrame {
public:
    virtual ~CaptureFrame() = default;
    virtual HWND Window() = 0;
    virtual QString Title() = 0;
    virtual void SetTitle(const QString& title) = 0;
    virtual void Minimize() = 0;
    virtual void Restore() = 0;
    // 1 when the window came to the front.
    virtual int ForceForeground(HWND window) = 0;
    // True while the frame or one of its windows still shows on the screen.
    // A window manager minimises asynchronously, so the copy waits for this.
    virtual bool OnScreen() = 0;
};

// Time and the message loop, as the countdown sees them.
class CaptureClock {
public:
    virtual ~CaptureClock() = default;
    virtual DWORD Now() = 0;
    virtual void Pump() = 0;
    virtual void Sleep(DWORD milliseconds) = 0;
};

// The countdown's text of a remaining time: seconds and tenths, "%d.%d".
QString CountdownText(int remainingMs);
// Shows the remaining time in the frame's title every 250 ms until the wait
// (read again on every turn) has passed; a wait of 0 shows nothing.
void RunCaptureCountdown(CaptureFrame& frame, CaptureClock& clock, const std::function<int()>& waitMs);

struct CaptureTarget {
    HWND window = nullptr;
    int result = kCaptureDone;  // kCaptureNoActiveWindow when the list was empty
};
// Kind 1: the first entry of a fresh window list of listCapacity entries that
// `enumerate` fills (the list is freed again); kind 3 with a target: the
// target; else the desktop window.
CaptureTarget ChooseCaptureTarget(
    BYTE kind, HWND target, int listCapacity, const std::function<void()>& enumerate, HWND desktop);

bool UsesPrintKeyEngine(DWORD versionCode);
// The bits per pixel of a screen copy made at the screen's depth (bits per
// pixel times planes): never fewer than 24.
int ScreenCopyDepth(int screenDepth);
// Where the cursor's picture starts in a copy of a window whose rectangle is `window`.
POINT CursorDrawPosition(POINT cursor, POINT hotspot, const RECT& window);

struct CaptureMessage {
    QString text;
    QString caption;
    UINT type = 0;
};
CaptureMessage SwitchFailedMessage();
// The message for an engine's result; none for a success.
std::optional<CaptureMessage> CaptureResultMessage(int result, DWORD versionCode);

// What a whole capture needs besides the frame and the clock.
struct WindowCaptureSteps {
    std::function<int()> waitMs;
    DWORD versionCode = 0;
    // The engines: kind and target in, an engine result out.
    std::function<int(BYTE, HWND)> bitBlt;
    std::function<int(BYTE, HWND)> printKey;
    std::function<void(const CaptureMessage&)> tell;
};
// Waits (pumping messages) until the frame has left the screen, at most
// kFrameLeaveLimitMs; true when it has.
bool WaitUntilFrameLeft(CaptureFrame& frame, CaptureClock& clock);

// The whole capture: 1 captured, 0 failed (the user has been told). The frame
// and its title come back on every path once it was minimised.
int RunWindowCapture(
    BYTE kind, HWND target, CaptureFrame& frame, CaptureClock& clock, const WindowCaptureSteps& steps);

// The rectangle (screen coordinates) cut out of a picture of the whole
// screen that starts at the screen's top-left corner; what lies outside the
// picture is opaque black. Always 32 bits with an opaque fourth byte.
QImage CopyScreenPart(const QImage& screen, const RECT& rect);
// True when that part is the whole picture, which is then used as it is.
bool CopyScreenPartIsWhole(const QImage& screen, const RECT& rect);

// The cursor as a capture draws it.
struct CaptureCursor {
    QImage image;  // premultiplied ARGB
    POINT hotspot{};
    POINT position{};
};
// Draws the cursor into the picture of a window whose rectangle is `window`;
// what falls outside the picture is dropped.
void DrawCaptureCursor(CImage& picture, const CaptureCursor& cursor, const RECT& window);

// Where the engines read the screen, the cursor and the window rectangles.
struct CaptureSources {
    std::function<void()> enumerateWindows;  // fills the window list
    std::function<BOOL(HWND, RECT&)> targetRect;
    std::function<void(HWND, RECT&)> windowRect;
    std::function<std::optional<CaptureCursor>()> cursor;  // asked only when the cursor is drawn
    HWND desktop = nullptr;
    int listCapacity = 0;
    bool drawCursor = false;
};
// The sources of the running program (window list, XFixes cursor, settings).
CaptureSources DesktopCaptureSources();

// The engines. `caption` is called once the copy is made. Results as above.
int CaptureScreenBitBlt(BYTE kind, HWND target, CLoadBitmap* holder, const CaptureSources& sources,
    const std::function<void()>& caption);
int CaptureScreenPrintKey(BYTE kind, HWND target, CLoadBitmap* holder, const CaptureSources& sources,
    CaptureClock& clock, const std::function<void()>& caption);

// Copies a bitmap (the clipboard's) into the holder at 24 bits; the bitmap
// stays its owner's. True when the holder now holds it.
bool ImportClipboardBitmap(HBITMAP bitmap, CLoadBitmap* holder);
