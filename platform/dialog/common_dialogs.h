// The file and folder dialog service: Qt's own (non-native) file dialog, so
// that it looks the same everywhere and runs under the offscreen platform.
// Tests install a hook that receives each request instead and answers it.
#pragma once

#include "platform/types/hwnd.h"

#include <QString>
#include <QStringList>
#include <functional>

enum class FileDialogKind { OpenFile, SaveFile, Folder };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::OpenFile;
    HWND owner = nullptr;
    QString title;            // empty: the dialog's own title
    QString initialFolder;    // the folder shown (and, for Folder, selected) first
    QString initialName;      // the name filled in (save dialogs)
    QStringList nameFilters;  // "Text (*.a *.b)" in order; the first is selected
    int selectedFilter = 0;
    bool hideFilterPatterns = false;  // show only each filter's text
    // Open and save: added (after a '.') to a chosen file name that has no '.'.
    QString defaultSuffix;
};

struct FileDialogAnswer {
    bool accepted = false;
    QString path;  // the chosen file or folder, absolute, '/' separators
    int selectedFilter = 0;
};

// Shows the dialog modally on the UI thread and returns what the user chose,
// the default suffix added where it applies.
FileDialogAnswer RunFileDialog(const FileDialogRequest& request);

// The path with the default suffix added when the file name has no '.'
// ("shot" with "bmp" or ".bmp" gives "shot.bmp").
QString WithDefaultSuffix(const QString& path, const QString& defaultSuffix);

// While a hook is set no dialog is shown: the hook answers each request as
// the user would (a name typed without its suffix gets the default one).
// An empty hook restores the real dialogs.
using FileDialogHook = std::function<FileDialogAnswer(const FileDialogRequest&)>;
void SetFileDialogHookForTesting(FileDialogHook hook);
