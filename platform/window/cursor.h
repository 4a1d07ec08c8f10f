// The mouse cursor: the system's standard shapes by their ids, and the
// program's own cursors registered by resource id. Setting a cursor shows it
// over all of the program's windows until another one is set; the arrow
// gives each window its own cursor back. Cursors are shown by the UI thread.
#pragma once

#include "platform/gdi/gdi_icons.h"
#include "platform/types/hwnd.h"

#include <QCursor>

// System cursor ids.
inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDC_IBEAM = 32513;
inline constexpr int IDC_WAIT = 32514;
inline constexpr int IDC_CROSS = 32515;
inline constexpr int IDC_UPARROW = 32516;
inline constexpr int IDC_SIZENWSE = 32642;
inline constexpr int IDC_SIZENESW = 32643;
inline constexpr int IDC_SIZEWE = 32644;
inline constexpr int IDC_SIZENS = 32645;
inline constexpr int IDC_SIZEALL = 32646;
inline constexpr int IDC_NO = 32648;
inline constexpr int IDC_HAND = 32649;
inline constexpr int IDC_APPSTARTING = 32650;
inline constexpr int IDC_HELP = 32651;

// The shape of a system cursor id; false for an unknown id.
bool SystemCursorShape(int id, Qt::CursorShape* shape);

// Shows the system cursor; false for an unknown id or without a GUI.
bool SetSystemCursor(int id);

// The window's own cursor, shown while the pointer is over it: a system
// cursor id, or 0 to take the parent's cursor again. False for an unknown
// id or window.
bool SetWindowCursor(HWND window, int systemCursorId);

// Shows a cursor (LoadResourceCursor) over all windows; null gives each
// window its own cursor back. Returns the cursor shown before (null when
// that was none of these). UI thread only.
HCURSOR SetCursor(HCURSOR cursor);

// The program's own cursors: one registered here, else the layer's artwork
// (platform/window/resource_cursors.h).
void RegisterResourceCursor(int resourceId, const QCursor& cursor);
// Shows the program's cursor; false when none has that id.
bool SetResourceCursor(int resourceId);

// The wait cursor while the object lives; the cursor shown before comes back
// when it goes. Made on a worker thread, it is shown and taken back by the
// UI thread (CallOnUiThread); without a GUI it does nothing.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    bool m_shown = false;
    HCURSOR m_shownBefore = nullptr;
};

// The cursor shown over all windows now (Qt::ArrowCursor when none is).
Qt::CursorShape CurrentOverrideCursorShape();
