// The image named on the command line.
#pragma once

#include <QString>
#include <QStringList>

// Arguments this long or longer are not taken as paths.
inline constexpr int kMaxArgumentPathLength = 260;

// The last argument after the program name whose file type is a supported
// image; empty when there is none.
QString PickOpenFilePath(const QStringList& arguments);
