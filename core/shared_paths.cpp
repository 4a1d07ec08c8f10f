#include "core/shared_paths.h"

QString g_szOpenFilePath;
QString g_pszContinueCaptureLastPath;
QString g_szCaptureTitle;
