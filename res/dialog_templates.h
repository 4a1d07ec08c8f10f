// The program's dialog templates, one table per template number; each is
// defined in its own file res/dialog_<number>_<name>.cpp.
#pragma once

#include "platform/dialog_template.h"

// 305: the JPEG quality asked before a JPEG file is written.
extern const DialogTemplate kDialog305JpegQuality;

// The template of a number; null when there is none.
const DialogTemplate* FindDialogTemplate(UINT id);
