// Files dropped on a window: WM_DROPFILES carries an HDROP in wParam, read
// with DragQueryFileW. The drop stays valid until DragFinish, which the
// handler calls (CWnd::OnDropFiles does for a window that does not handle
// drops), so a handler may hand it to a worker. Any thread may read and
// finish a drop; a finished handle reads as an empty drop.
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/messages.h"

#include <QString>
#include <QStringList>

struct HDROP__;
using HDROP = HDROP__*;

// With index 0xFFFFFFFF the number of files; otherwise the length of that
// file's path, which is stored in path (when given). 0 for a bad index.
UINT DragQueryFileW(HDROP drop, UINT index, QString* path);
// The drop point in the window's client coordinates.
BOOL DragQueryPoint(HDROP drop, POINT* point);
void DragFinish(HDROP drop);
// Whether the window takes dropped files (WM_DROPFILES); nothing for a
// handle that names no window of ours.
void DragAcceptFiles(HWND window, BOOL accept);

// Inside the layer: makes the record of one drop, and frees it (DragFinish).
HDROP MakeDropRecord(const QStringList& paths, POINT point);
void FreeDropRecord(HDROP drop);
