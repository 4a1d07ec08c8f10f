#include "platform/system/process_executable.h"

#include <QFileInfo>

QString ProcessExecutableName(DWORD pid)
{
    if (pid == 0)
        return QString();
    const QString target = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    return target.isEmpty() ? QString() : QFileInfo(target).fileName();
}
