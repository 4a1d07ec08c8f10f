// The forms a file list takes on the desktop's clipboard: text/uri-list
// (file URLs, each line ended by CR LF) and x-special/gnome-copied-files
// ("copy", then one URL a line), which file managers paste from.
#pragma once

#include <QByteArray>
#include <QStringList>

inline constexpr char kUriListMime[] = "text/uri-list";
inline constexpr char kGnomeCopiedFilesMime[] = "x-special/gnome-copied-files";

QByteArray FileUriListBytes(const QStringList& paths);
QByteArray GnomeCopiedFilesBytes(const QStringList& paths);
