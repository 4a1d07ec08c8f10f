#include "res/program_icon.h"

#include <QtGlobal>

// The pictures live in a static library: their resource data is linked in
// only when named (outside any namespace, as the resource system needs).
static void InitProgramIconResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(program_icon);
        return true;
    }();
    (void)once;
}

std::vector<QString> ProgramIconFiles()
{
    InitProgramIconResources();
    std::vector<QString> files;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        files.push_back(QStringLiteral(":/program_icon/kestrel_%1.png").arg(size));
    return files;
}
