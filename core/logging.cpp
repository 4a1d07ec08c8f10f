#include "core/logging.h"

Q_LOGGING_CATEGORY(lcSettings, "kestrel.settings", QtInfoMsg)
Q_LOGGING_CATEGORY(lcImaging, "kestrel.imaging", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFrame, "kestrel.frame", QtInfoMsg)
