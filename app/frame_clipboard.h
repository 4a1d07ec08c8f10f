// Text and pictures the windows ask the frame to put on the clipboard.
#pragma once

#include "platform/gdi/gdi_objects.h"
#include "platform/types/hwnd.h"

#include <QString>

// Puts the text on the clipboard as code page 932 text (CF_TEXT). False, and
// the clipboard as it was, when the clipboard is busy, memory runs out or a
// character has no code page 932 form.
bool CopyTextToClipboard(const QString& text);

// Puts the bitmap on the clipboard (CF_BITMAP) for owner, where it belongs from
// then on; other programs read it as an image. False, and the bitmap still
// the caller's, when the clipboard is busy or refuses it.
bool CopyBitmapToClipboard(HWND owner, HBITMAP bitmap);
