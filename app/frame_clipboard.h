// Text the windows ask the frame to put on the clipboard.
#pragma once

#include <QString>

// Puts the text on the clipboard as code page 932 text (CF_TEXT). False, and
// the clipboard as it was, when the clipboard is busy, memory runs out or a
// character has no code page 932 form.
bool CopyTextToClipboard(const QString& text);
