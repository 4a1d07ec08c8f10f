// Kestrel: screen capture and image handling for X11.
#include "app/version.h"

#include <QString>
#include <cstdio>

int main(int, char**)
{
    const QString caption = QStringLiteral("%1 Ver.%2.%3")
                                .arg(QString::fromUtf16(kProgramName))
                                .arg(kVersionMajor)
                                .arg(kVersionMinor, 2, 10, QLatin1Char('0'));
    std::printf("%s\n", caption.toUtf8().constData());
    return 0;
}
