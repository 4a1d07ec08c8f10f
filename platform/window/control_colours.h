// The colours a window gives its controls (WM_CTLCOLOR*). Text statics,
// group boxes, edits and buttons ask their parent window when they are shown,
// invalidated or enabled; the text colour (SetTextColor) and the background
// (the brush returned, else SetBkColor) it sets on the DC it is handed go
// into the control's palette, and a parent that sets nothing gives the
// control its default colours back. Picture controls ask while they paint
// (their parent draws into them); other kinds do not ask.
#pragma once

#include "platform/dialog/dialog_template.h"

class CWnd;
class QWidget;

// The message a control of that kind asks with; 0 for kinds that do not ask
// here. As the platform does, check boxes, radio buttons, group boxes and
// read-only or disabled edits ask as statics, push buttons as buttons.
UINT ControlColourMessage(ControlKind kind, bool readOnlyOrDisabled);

// The kind of a control's widget; false for a widget that is no control.
bool ControlKindOf(const QWidget* widget, ControlKind* kind);

// Asks the control's parent for its colours and applies them. Nothing for
// windows that are not controls, for kinds that do not ask, and while the
// same control is being asked already (a parent may invalidate it again).
void AskControlColours(CWnd* control);
