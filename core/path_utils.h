// Paths and folders. The separator is '/'; where a path "ends with a
// separator" the root "/" keeps its only one. Names compare case-sensitively.
#pragma once

#include <QString>

// The program folder ending with '/', the desktop and the documents folder.
extern QString g_szExeFolder;
extern QString g_szDesktopFolder;
extern QString g_szMyDocumentsFolder;

// Appends '/' when the path does not end with one (an empty path stays empty).
void AddBackslash(QString& path);
void AddBackslashToString(QString& path);
// Removes one trailing '/'; an empty path stays empty and "/" stays "/".
void RemoveTrailingBackslash(QString& path);
// Removes the last character when it is c.
void RemoveTrailingChar(QString& text, QChar c);

// The folder part of the path, ending with '/' (empty when it has none).
QString GetFolderOfPath(const QString& path);
// The program folder with its trailing '/'.
void GetExeFolder(QString& buffer);
// The file name of the path made absolute; 1, or 0 with an empty name when the
// path is empty or names a folder position (ends with '/', the root).
int GetFileNamePart(const QString& path, QString& name);
// Sets the desktop and documents folders from the user's folders; a global
// stays unchanged when its folder is not known.
void InitSpecialFolderPaths();

// 1 when both folders are the same text once each ends with '/'.
int IsSamePath(const QString& a, const QString& b);

// Creates every missing folder of the path, top down; 1 when all exist then.
// 0 when one cannot be created or the path with its '/' exceeds capacity - 1
// characters. The root is never created or tested.
int CreateFolderPath(const QString& path, int capacity);
