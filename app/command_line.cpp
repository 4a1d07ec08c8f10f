#include "app/command_line.h"

#include "core/file_types.h"

QString PickOpenFilePath(const QStringList& arguments)
{
    QString path;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        // A path no buffer of the program could hold is skipped, not cut.
        if (arg.size() >= kMaxArgumentPathLength)
            continue;
        if (GetImageTypeOfPath(arg) != kImageTypeNone)
            path = arg;
    }
    return path;
}
