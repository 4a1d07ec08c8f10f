#include "core/settings/app_settings.h"

AppSettingsRecord AppSettings;
int g_nRangeSelectMethod = 2;
int g_nZoomStepBase = 1000;
