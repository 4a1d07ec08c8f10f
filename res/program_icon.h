// The program's icon, one picture drawn at the sizes desktops ask for.
#pragma once

#include <QString>

#include <vector>

// The icon's PNG files, smallest first, as resource paths.
std::vector<QString> ProgramIconFiles();
