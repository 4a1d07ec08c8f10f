// WM_ACTIVATE as the platform sends it: WA_CLICKACTIVE when a mouse click
// activated the window (WA_ACTIVE otherwise), and lParam the window that lost
// the activation (for WA_INACTIVE, the one that gains it), null when that is
// none of the program's windows. Inside the window layer.
#pragma once

class CWnd;
class QEvent;
class QWidget;

// Qt activated the top-level window whose host is host.
void NoteWindowActivated(CWnd* wnd, QWidget* host);
// Qt deactivated the top-level window.
void NoteWindowDeactivated(CWnd* wnd);
// Handles the layer's own activation event; false for any other event.
bool HandleActivationEvent(const QEvent* event);
