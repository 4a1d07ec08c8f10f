// The message shown after an image was (or was not) copied to the clipboard.
#pragma once

#include "platform/types/hwnd.h"

#include <QString>

// The text for a copy result code 0..3; empty for any other code.
QString ClipboardCopyMessageText(int code);

// Shows the text of the code in a box owned by owner; other codes show nothing.
void ShowClipboardCopyMessage(int code, HWND owner);
