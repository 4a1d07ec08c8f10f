// The mouse cursor: the system's standard shapes by their ids, and the
// program's own cursors registered by resource id. Setting a cursor shows it
// over all of the program's windows until another one is set; the arrow
// gives each window its own cursor back.
#pragma once

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

// The program's own cursors, registered once by the resource tables.
void RegisterResourceCursor(int resourceId, const QCursor& cursor);
// Shows the registered cursor; false when none has that id.
bool SetResourceCursor(int resourceId);

// The cursor shown over all windows now (Qt::ArrowCursor when none is).
Qt::CursorShape CurrentOverrideCursorShape();
