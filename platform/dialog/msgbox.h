// Message boxes: the platform's MessageBoxW and the class library's
// AfxMessageBox, shown by the UI thread. A worker thread may call them too:
// its request is queued to the UI thread and the worker waits for the answer.
//
// Tests install a hook that receives every box instead of showing it and
// gives its answer (see tests/support/scripted_dialogs.h).
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <QString>
#include <functional>

// Button sets.
inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_OKCANCEL = 0x00000001;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x00000002;
inline constexpr UINT MB_YESNOCANCEL = 0x00000003;
inline constexpr UINT MB_YESNO = 0x00000004;
inline constexpr UINT MB_RETRYCANCEL = 0x00000005;
inline constexpr UINT MB_TYPEMASK = 0x0000000F;
// Icons.
inline constexpr UINT MB_ICONHAND = 0x00000010;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONQUESTION = 0x00000020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONASTERISK = 0x00000040;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr UINT MB_ICONMASK = 0x000000F0;
// Default button.
inline constexpr UINT MB_DEFBUTTON1 = 0x00000000;
inline constexpr UINT MB_DEFBUTTON2 = 0x00000100;
inline constexpr UINT MB_DEFBUTTON3 = 0x00000200;
inline constexpr UINT MB_DEFMASK = 0x00000F00;
// Modality and placement.
inline constexpr UINT MB_APPLMODAL = 0x00000000;
inline constexpr UINT MB_SYSTEMMODAL = 0x00001000;
inline constexpr UINT MB_TASKMODAL = 0x00002000;
inline constexpr UINT MB_SETFOREGROUND = 0x00010000;
inline constexpr UINT MB_TOPMOST = 0x00040000;

// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Shows a modal box with the buttons and icon of type; returns the id of the
// button pressed (IDCANCEL, or IDOK for a box with OK alone, when closed).
int MessageBoxW(HWND owner, const QString& text, const QString& caption, UINT type);

// The class library's box: caption "Kestrel", owned by the active window.
int AfxMessageBox(const QString& text, UINT type = MB_OK, UINT helpId = 0);

// One box as the program asked for it.
struct MessageBoxRequest {
    HWND owner = nullptr;
    QString text;
    QString caption;
    UINT type = MB_OK;
};

// The button ids a box of this type offers, in their display order.
QList<int> MessageBoxButtons(UINT type);

// The answer of a box closed without a button (Esc or the window's close box):
// IDCANCEL when the box has Cancel, IDOK for OK alone, else 0 (cannot close).
int MessageBoxEscapeAnswer(UINT type);

// While a hook is set, boxes are not shown: the hook is called on the UI
// thread (or on the caller's thread when no application object exists) and
// its result is the answer. An empty hook restores the real boxes.
using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;
void SetMessageBoxHookForTesting(MessageBoxHook hook);
