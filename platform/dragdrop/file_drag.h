// Dragging files out of a window: the files go as text/uri-list (file URLs)
// and as x-special/gnome-copied-files, which desktop file managers read.
// Only copying is offered. The drag runs its own loop and returns when the
// files were dropped or the drag was given up.
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <QByteArray>
#include <QStringList>
#include <functional>

class QMimeData;

using DROPEFFECT = DWORD;
inline constexpr DROPEFFECT DROPEFFECT_NONE = 0;
inline constexpr DROPEFFECT DROPEFFECT_COPY = 1;

// The drag's data for a list of absolute paths (the caller owns it).
QMimeData* MakeFileDragData(const QStringList& paths);

// Drags the files from the window; DROPEFFECT_COPY when they were dropped,
// DROPEFFECT_NONE otherwise (also for no window or no paths).
DROPEFFECT DoDragDropFiles(HWND source, const QStringList& paths, DROPEFFECT allowed);

// Tests stand in for the drag (it needs a real pointer): the hook gets the
// window and the paths and answers the effect. Empty: the real drag.
using FileDragHook = std::function<DROPEFFECT(HWND source, const QStringList& paths)>;
void SetFileDragHookForTest(FileDragHook hook);
