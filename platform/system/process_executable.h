// The executable a process of this machine runs, by its process id.
#pragma once

#include "platform/types/types.h"

#include <QString>

// The file name (without folder) of the process's executable; empty when the
// process is gone, belongs to another machine's display client or may not be read.
QString ProcessExecutableName(DWORD pid);
