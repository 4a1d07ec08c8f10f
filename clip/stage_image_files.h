// The stage's image files: the open dialog, the save dialog with its proposed
// name, and the savers. Every saver writes the picture on screen, that is
// undo copy 1 of the holder (where flips and colour edits live), under fresh
// headers; none reports success for a file it did not write completely.
#pragma once

#include "imaging/load_bitmap_dup_mem.h"
#include "platform/types/hwnd.h"

#include <QString>

// The open dialog's title and filter.
QString OpenImageDialogTitle();
QString OpenImageDialogFilter();
// The save dialog's title, and its filter for DefSaveFormat (2 JPEG, 3 TIFF,
// 4 GIF, 5 PNG, any other value BMP first).
QString SaveImageDialogTitle();
QString SaveImageDialogFilter(int defSaveFormat);

// Shows the open dialog from LastAccessDir. 1 chosen: the path is in the
// holder and its folder becomes LastAccessDir. 0 cancelled: LastAccessDir
// becomes the program folder.
int OpenImageDialog(CLoadBitmap_for_Dlg* holder, HWND owner);

// Shows the save dialog with the proposed name (the image's base name or an
// automatic one). 0 cancelled or refused; else the chosen path is in *path,
// its folder becomes LastAccessDir and the result is TakeChosenSavePath's.
int GetSaveImageFileName(const CLoadBitmap_for_Dlg& holder, HWND owner, QString* path);

// The image file type of a chosen save path: 1 BMP, 2 JPEG, 3 TIFF, 4 GIF,
// 5 PNG; any other extension is told ("対応していない拡張子が指定されました。")
// and gives 10.
int TakeChosenSavePath(const QString& path);

// BMP of copy 1; refused when the path's drive lacks the room. 1 written, 0.
int SaveBmpFile(CLoadBitmapDlg_DupMem* holder, const QString& path);
// JPEG of copy 1 after the quality question. A 32-bit image (holder and both
// undo copies) is turned into 24 bits where it lies first, whatever the write
// gives; *converted (when given) tells whether that happened, so the stage
// rebuilds its views of the pixels. Other depths are refused with a message.
int SaveJpegFile(CLoadBitmapDlg_DupMem* holder, const QString& path, bool* converted = nullptr);
// PNG, GIF or TIFF of copy 1 through the image class, chosen by extension.
int SaveImageByGdiplus(CLoadBitmapDlg_DupMem* holder, const QString& path);
int SaveTiffFile(CLoadBitmapDlg_DupMem* holder, const QString& path);
