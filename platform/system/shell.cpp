#include "platform/system/shell.h"

#include <QFileInfo>
#include <QProcess>

#include <mutex>
#include <optional>

namespace {

std::mutex g_hookMutex;
ShellOpenHook g_hook;

}  // namespace

namespace {

// The hook's answer when one is set.
std::optional<bool> Hooked(const QString& path)
{
    std::lock_guard lock(g_hookMutex);
    if (g_hook)
        return g_hook(path);
    return std::nullopt;
}

bool StartOpener(const QString& path)
{
    // Detached: the opener outlives neither our event loop nor our exit code.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {path});
}

}  // namespace

bool ShellOpenDocument(const QString& path)
{
    if (const std::optional<bool> hooked = Hooked(path))
        return *hooked;
    return QFileInfo(path).isFile() && StartOpener(path);
}

bool ShellExploreFolder(const QString& folder)
{
    if (const std::optional<bool> hooked = Hooked(folder))
        return *hooked;
    return QFileInfo(folder).isDir() && StartOpener(folder);
}

void SetShellOpenHookForTesting(ShellOpenHook hook)
{
    std::lock_guard lock(g_hookMutex);
    g_hook = std::move(hook);
}
