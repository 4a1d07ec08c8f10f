// Questions about files and folders: existence and kind, counts of entries
// and of the files below dropped folders, write times and file-name characters.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <QStringList>

// 1 when the path names something that is not a folder.
int FileExists(const QString& path);
// Removes one trailing '/' from the caller's path, then 1 when it names a
// folder ("/" always exists).
int FolderExists(QString& path);
// 1 when the path, without a trailing '/', names a folder.
int IsFolder(const QString& path);
// 0 not found, 1 file, 2 folder.
int GetPathKind(const QString& path);

// Entries of a folder matching the pattern's name part ("folder/*.jpg"; "*.*"
// matches every name; case-insensitive), "." and ".." aside: kind 1 counts
// entries that are not folders, any other kind counts folders.
int CountFolderEntries(const QString& pattern, int kind);
// Files named by a drop: a file counts 1, a folder every file below it,
// anything missing nothing.
int CountDroppedFiles(const QStringList& paths);
// count plus every file below the folder. Links to folders are not followed,
// so a link back up the tree cannot loop.
int CountFilesRecursive(const QString& folder, int count);

// Last-write times as local time to the millisecond: 1 a newer, 2 a older,
// 3 equal, 0 when either is missing.
int CompareFileWriteTimes(const QString& a, const QString& b);
// The last-write time as local time; 0 when the path is not found.
int GetFileLocalWriteTime(const QString& path, SYSTEMTIME* time);

// 1 when every character may stand in a file name: not a control character
// nor one of \ / : * ? " < > |.
int IsValidFileNameChars(const QString& text);
