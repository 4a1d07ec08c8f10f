// The program folder: the folder of the running executable, ending with '/'.
#pragma once

#include <QString>

// The folder of the executable with a trailing '/' (from /proc/self/exe).
QString ProgramFolder();

// Tests place the program folder in a temporary folder; an empty text
// returns to the executable's folder. A missing trailing '/' is added.
void SetProgramFolderForTesting(const QString& folder);
