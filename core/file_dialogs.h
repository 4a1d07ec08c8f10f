// The image-file open and save dialog and the folder picker.
#pragma once

#include "platform/types/hwnd.h"

#include <QString>
#include <QStringList>

// The six filters of the image-file dialog, in order: all images, BMP, JPG,
// TIF, GIF, PNG.
QStringList ImageFileDialogFilters();

// Mode 1 opens, any other mode saves. 1 with the chosen path and its file
// name; 0 with both empty when cancelled, when the initial folder does not
// exist (nothing is shown then) or when the path has 520 characters or more.
int ShowImageFileDialog(HWND owner, const QString& initialFolder, QString& path, QString& name, int mode);

// Opens on the folder the path names; 1 with the chosen folder in path, 0
// when cancelled and 2 when the chosen folder's path has 260 characters or
// more (path empty in both cases).
int BrowseForFolder(HWND owner, QString& path, const QString& title);
