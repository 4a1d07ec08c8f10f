#include "imaging/file_path_info.h"

QString FolderPartOfPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

QString NamePartOfPath(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

void CFilePathInfo::Reset()
{
    path = QStringLiteral("no_path");
    name = QStringLiteral("no_name");
    folder = QStringLiteral("no_directory");
    dialogFlags = kDefaultDialogFlags;
}

void CFilePathInfo::SetPath(const QString& p)
{
    path = Bounded(p);
    folder = FolderPartOfPath(path);
    name = NamePartOfPath(path);
}

void CFilePathInfo::SetNameAndFolder(const QString& n, const QString& f)
{
    name = Bounded(n);
    folder = Bounded(f);
    // A folder that already ends with the separator is not given a second one.
    path = Bounded(folder.endsWith(u'/') ? folder + name : folder + u'/' + name);
}

void CFilePathInfo::UpdateFolder()
{
    folder = FolderPartOfPath(path);
}

void CFilePathInfo::UpdateName()
{
    name = NamePartOfPath(path);
}

int CFilePathInfo::GetPath(QString* out) const
{
    *out = path;
    return 1;
}

int CFilePathInfo::GetName(QString* out) const
{
    *out = name;
    return 1;
}

int CFilePathInfo::GetFolder(QString* out) const
{
    *out = folder;
    return 1;
}

void CFilePathInfo::GetBaseName(QString* out) const
{
    const qsizetype dot = name.indexOf(u'.');
    *out = dot < 0 ? name : name.left(dot);
}

void CFilePathInfo::GetExtension(QString* out) const
{
    const qsizetype dot = path.lastIndexOf(u'.');
    *out = dot < 0 ? QString() : path.mid(dot + 1);
}

int CFilePathInfo::ChangeExtension(QString* out, const QString& ext) const
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0)
        return 0;
    *out = (path.left(dot + 1) + ext).left(kCapacity - 1);
    return 1;
}
