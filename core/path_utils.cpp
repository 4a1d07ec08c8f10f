#include "core/path_utils.h"

#include "platform/system/program_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <sys/stat.h>

QString g_szExeFolder;
QString g_szDesktopFolder;
QString g_szMyDocumentsFolder;

void AddBackslash(QString& path)
{
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
}

void AddBackslashToString(QString& path)
{
    AddBackslash(path);
}

void RemoveTrailingBackslash(QString& path)
{
    if (path.isEmpty() || path == QStringLiteral("/"))
        return;
    AddBackslash(path);
    path.chop(1);
}

void RemoveTrailingChar(QString& text, QChar c)
{
    if (!text.isEmpty() && text.back() == c)
        text.chop(1);
}

QString GetFolderOfPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

void GetExeFolder(QString& buffer)
{
    buffer = ProgramFolder();
}

int GetFileNamePart(const QString& path, QString& name)
{
    name.clear();
    if (path.isEmpty() || path.endsWith(u'/'))
        return 0;
    const QString full = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    const QString part = full.mid(full.lastIndexOf(u'/') + 1);
    if (part.isEmpty())
        return 0;
    name = part;
    return 1;
}

void InitSpecialFolderPaths()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty())
        g_szDesktopFolder = desktop;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty())
        g_szMyDocumentsFolder = documents;
}

int IsSamePath(const QString& a, const QString& b)
{
    QString x = a;
    QString y = b;
    AddBackslash(x);
    AddBackslash(y);
    return x == y ? 1 : 0;
}

namespace {

bool IsDirectory(const QString& path)
{
    struct stat info { };
    return stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

int CreateFolderPath(const QString& path, int capacity)
{
    QString copy = path;
    AddBackslash(copy);
    if (copy.isEmpty() || copy.size() > capacity - 1)
        return 0;
    // Each level ends before a separator; the root ("/") is not a level.
    for (qsizetype end = copy.indexOf(u'/', 1); end > 0; end = copy.indexOf(u'/', end + 1)) {
        const QString level = copy.left(end);
        if (level.endsWith(u'/'))
            continue;  // a doubled separator adds no level
        // A folder made meanwhile by another thread or program counts as made.
        if (!IsDirectory(level) && mkdir(QFile::encodeName(level).constData(), 0777) != 0 &&
            !IsDirectory(level))
            return 0;
    }
    return 1;
}
