#include "platform/system/shell.h"

#include <QFileInfo>
#include <QProcess>

#include <mutex>

namespace {

std::mutex g_hookMutex;
ShellOpenHook g_hook;

}  // namespace

bool ShellOpenDocument(const QString& path)
{
    {
        std::lock_guard lock(g_hookMutex);
        if (g_hook)
            return g_hook(path);
    }
    if (!QFileInfo(path).isFile())
        return false;
    // Detached: the opener outlives neither our event loop nor our exit code.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {path});
}

void SetShellOpenHookForTesting(ShellOpenHook hook)
{
    std::lock_guard lock(g_hookMutex);
    g_hook = std::move(hook);
}
