// The clipboard, on the desktop's clipboard (QClipboard). A window opens it,
// empties it, sets or gets data by format and closes it; only one window has
// it open at a time. Bitmaps travel as images, CF_TEXT as code page 932
// bytes in a global memory block (the desktop sees Unicode text), file lists
// as blocks too (the desktop sees file URLs).
//
// What the caller hands over with a successful SetClipboardData belongs to
// the clipboard from then on, and what GetClipboardData answers stays the
// clipboard's: both are freed when the clipboard's content changes (after
// the clipboard is closed, when the change came from another program).
//
// UI thread only; a worker goes through CallOnUiThread.
#pragma once

#include "platform/clipboard/global_memory.h"
#include "platform/types/hwnd.h"
#include "platform/types/types.h"

using HANDLE = void*;

// Clipboard formats: CF_BITMAP takes and gives an HBITMAP, CF_TEXT an HGLOBAL
// holding NUL-ended code page 932 text. CF_HDROP takes an HGLOBAL holding a
// file list (drop_file_list.h), which the desktop sees as file URLs; the
// program only puts file lists on the clipboard, so none is given back.
enum : UINT {
    CF_TEXT = 1,
    CF_BITMAP = 2,
    CF_HDROP = 15,
};

// Opens the clipboard for `owner` (which may be null); FALSE while another
// window has it open.
BOOL OpenClipboard(HWND owner);
// FALSE when the clipboard is not open.
BOOL CloseClipboard();
// Clears the clipboard and frees what it held; FALSE when it is not open.
BOOL EmptyClipboard();

// Whether the clipboard holds data of the format. Answered from what the
// layer last learnt of the clipboard, so it is cheap enough for the command
// states of every frame update; the clipboard need not be open.
BOOL IsClipboardFormatAvailable(UINT format);

// The clipboard's data of the format; null when the clipboard is not open, the
// format is not there, or its text does not convert to code page 932.
HANDLE GetClipboardData(UINT format);

// Puts data of the format on the clipboard and returns it; null (the data
// stays the caller's) when the clipboard is not open, the handle is null or
// not of the format, CF_TEXT's bytes are not code page 932 text or CF_HDROP's
// block is not a file list.
HANDLE SetClipboardData(UINT format, HANDLE data);

// Inside the layer: starts following the desktop clipboard's changes (the
// format answers and the viewer chain need it); done once.
void FollowClipboardChanges();
