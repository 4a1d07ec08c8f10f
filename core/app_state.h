// What the main frame tells the rest of the program about the application's
// state: which of its windows exist and are active, the mode and the stage's
// selection state. The frame implements this interface and installs itself;
// until then every question answers "no window".
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/messages.h"
#include "platform/types/types.h"

// The program's windows that the state questions name.
enum class AppWindow {
    MainFrame,
    ControlPanel,
    ViewStage,
    ModeBar,
    FileTree,
    ColorAdjust,
    Measure,
    MultiViewPanel,
    MultiViewStage,
    ExifWindow,
    FolderTree,
    ClipHistoryDialog,
    WorkFolderDialog,
    MaskDialog,
    OverviewWindow,
    CaptureChooser,
    // The twelve clip windows; AppStateSource::ClipWindow names one of them.
    ClipWindow,
    WaitBox,
    ZoomLens,
    ContinuousCaptureDialog,
    RenameDialog,
    StretchDialog,
};

class AppStateSource {
public:
    virtual ~AppStateSource() = default;

    // 1 clip mode, 2 multi view.
    virtual int AppMode() const { return 0; }
    // The stage's selection state byte (g_nStageMode).
    virtual BYTE StageMode() const { return 0; }
    // True once the stage's zoom rubber band has been started.
    virtual bool ZoomRubberBandStarted() const { return false; }

    // The window's handle, null while it does not exist.
    virtual HWND Window(AppWindow) const { return nullptr; }
    // The handle of clip window 0..11, null while it does not exist.
    virtual HWND ClipWindow(int /*index*/) const { return nullptr; }
    virtual HWND ActiveWindow() const { return nullptr; }
    virtual HWND ForegroundWindow() const { return nullptr; }
    virtual bool IsWindowVisible(HWND) const { return false; }
    // The window's rectangle in screen coordinates as the frame keeps it.
    virtual RECT WindowRect(HWND) const { return RECT(); }
    // A point in the window's client coordinates in screen coordinates.
    virtual POINT ClientToScreen(HWND, POINT p) const { return p; }
    // Brings the window to the top of the Z order without moving it.
    virtual void BringToTop(HWND) { }
};

// The installed source; a source that answers "no window" while none is.
AppStateSource& GetAppState();
// The frame installs itself at creation and passes null when it goes.
void SetAppStateSource(AppStateSource* source);

// A message sent (the receiver's result) or posted to one of the program's
// windows; nothing happens (result 0) while that window does not exist.
LRESULT SendToAppWindow(AppWindow which, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
void PostToAppWindow(AppWindow which, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
