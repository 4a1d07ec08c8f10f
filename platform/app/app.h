// The application object. Input first passes the application's message
// pre-filter (PreTranslateMessage: by default each window from the target up
// through its parents and owners gets its own PreTranslateMessage), then the
// accelerator table; only what neither takes reaches the window. The filter
// is an application-wide Qt event filter, installed with the first window.
#pragma once

#include "platform/window/window.h"

#include <QString>

#include <vector>

// Accelerator table entries.
struct ACCEL {
    BYTE fVirt = 0;
    WORD key = 0;
    WORD cmd = 0;
};
enum : BYTE {
    FVIRTKEY = 0x01,
    FSHIFT = 0x04,
    FCONTROL = 0x08,
    FALT = 0x10,
};

// The command of the first entry that a key press with these modifiers
// matches; 0 when none does. A virtual-key entry matches the key code and
// exactly the modifiers it names.
WORD MatchAccelerator(const std::vector<ACCEL>& table, UINT vk, bool shift, bool control, bool alt);

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    CWnd* m_pMainWnd = nullptr;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // InitInstance, the event loop until the application quits, ExitInstance.
    virtual int Run();
    // The message pre-filter; TRUE means the message is taken.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Sends WM_COMMAND for a matching accelerator to the main window; TRUE when one matched.
    BOOL TranslateAccelerator(const MSG* msg);
    void SetAcceleratorTable(std::vector<ACCEL> table) { m_accelerators = std::move(table); }
    DWORD GetTickCount() const;

private:
    std::vector<ACCEL> m_accelerators;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// Offers msg to the windows from its target up through parents and owners;
// TRUE when one of them took it.
BOOL WalkPreTranslateTree(MSG* msg);

// Call before the QApplication is made: device-pixel coordinates (no Qt
// scaling) and the plain Unix event dispatcher, which posts messages several
// times faster than the GLib one.
void PrepareApplicationEnvironment();
// The allocator keeps large freed blocks for the next picture (part of the above).
void KeepImageMemoryInProcess();

// The picture every window of the program shows as its icon (title bar,
// task switcher), from PNG files of one picture at several sizes; files that
// cannot be read are left out. False when none could be.
bool SetProgramIcon(const std::vector<QString>& pngFiles);

// True when the program would run on X11 but no X server can be reached.
bool X11DisplayMissing();

// The program's main: prepares the environment, makes the toolkit's
// application object and runs the application object that run makes and
// runs; answers its exit code. Without a reachable X server it says so on
// standard error and answers 2.
int RunApplicationMain(int argc, char** argv, int (*run)());
