// Paths and titles handed between windows through process-wide buffers.
#pragma once

#include <QString>

// The image to open in the stage: named on the command line, or chosen in the
// multi view (WM_STAGE_OPEN_SHARED_PATH).
extern QString g_szOpenFilePath;
// The file continuous capture saved last (WM_STAGE_OPEN_PATH_PTR); empty when none.
extern QString g_pszContinueCaptureLastPath;
// The title of the last captured window (at most 520 characters); empty when
// there is none. A stage image that arrives without one takes its base name.
extern QString g_szCaptureTitle;
