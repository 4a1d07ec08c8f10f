// Path, file name and folder of an image, with the defaults an image without
// a file shows ("no_path", "no_name", "no_directory").
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <QString>
#include <QStringList>

class CFilePathInfo {
public:
    // Each text holds at most 520 characters (a 521-character buffer).
    static constexpr int kCapacity = 521;
    static constexpr DWORD kDefaultDialogFlags = 0x800006;  // hide read-only, overwrite prompt, sizing

    CFilePathInfo() { Reset(); }

    void Reset();
    // path := p; folder := its folder with a trailing '/'; name := its file name.
    void SetPath(const QString& p);
    void SetPathOnly(const QString& p) { path = Bounded(p); }
    void SetName(const QString& n) { name = Bounded(n); }
    void SetFolder(const QString& f) { folder = Bounded(f); }
    // name and folder stored, path := folder + '/' + name.
    void SetNameAndFolder(const QString& n, const QString& f);
    void UpdateFolder();
    void UpdateName();

    int GetPath(QString* out) const;
    int GetName(QString* out) const;
    int GetFolder(QString* out) const;
    const QString& Path() const { return path; }
    const QString& Name() const { return name; }
    const QString& Folder() const { return folder; }

    // The name up to its first '.'.
    void GetBaseName(QString* out) const;
    // The text after the last '.' of the path; empty when there is none.
    void GetExtension(QString* out) const;
    // The path with everything after its last '.' replaced by ext; 0 when the
    // path has no '.'.
    int ChangeExtension(QString* out, const QString& ext) const;

    // The open (open 1) or save dialog. filter is "text|patterns|...||" with
    // patterns separated by ';'. 1 when a file was chosen and taken.
    int ShowFileDialog(BOOL open, const QString& title, const QString& filter, const QString& initialFolder,
        const QString& defaultExt, const QString& fileName = QString());
    // The image-file open dialog from a start folder; on 1 the path, name and
    // folder are those of the chosen file.
    int ShowOpenItemDialog(HWND owner, const QString& startFolder);

    DWORD dialogFlags = kDefaultDialogFlags;

private:
    static QString Bounded(const QString& text) { return text.left(kCapacity - 1); }

    QString path;
    QString name;
    QString folder;
};

// "text|*.a;*.b|...||" as Qt name filters ("text (*.a *.b)").
QStringList NameFiltersFromFilterText(const QString& filter);
// The folder part of a path including its trailing '/' (empty when none).
QString FolderPartOfPath(const QString& path);
// The file part of a path (after the last '/').
QString NamePartOfPath(const QString& path);
