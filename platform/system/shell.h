// Opening a document with the desktop's default program (xdg-open), as the
// platform's shell "open" verb does. Tests install a hook that receives each
// request instead of starting a program.
#pragma once

#include <QString>

#include <functional>

// Starts the desktop's opener on the file and returns at once; false when the
// file is missing or the opener could not be started (callers that show no
// message may ignore it).
bool ShellOpenDocument(const QString& path);

// Opens a folder in the desktop's file manager (xdg-open on the folder) and
// returns at once; false when the folder is missing or the opener could not
// be started.
bool ShellExploreFolder(const QString& folder);

// While a hook is set, ShellOpenDocument and ShellExploreFolder call it instead and returns its
// result. An empty hook restores the desktop's opener.
using ShellOpenHook = std::function<bool(const QString& path)>;
void SetShellOpenHookForTesting(ShellOpenHook hook);
