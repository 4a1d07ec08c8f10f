#include "platform/system/program_folder.h"

#include <QFileInfo>
#include <mutex>

namespace {

std::mutex g_folderMutex;
QString g_folderOverride;

QString WithTrailingSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString ExecutableFolder()
{
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    const QString target = exe.symLinkTarget();
    if (target.isEmpty())
        return QStringLiteral("./");
    return WithTrailingSlash(QFileInfo(target).absolutePath());
}

}  // namespace

QString ProgramFolder()
{
    std::lock_guard lock(g_folderMutex);
    if (!g_folderOverride.isEmpty())
        return g_folderOverride;
    static const QString folder = ExecutableFolder();
    return folder;
}

void SetProgramFolderForTesting(const QString& folder)
{
    std::lock_guard lock(g_folderMutex);
    g_folderOverride = folder.isEmpty() ? QString() : WithTrailingSlash(folder);
}
