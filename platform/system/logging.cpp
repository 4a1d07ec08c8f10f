#include "platform/system/logging.h"

Q_LOGGING_CATEGORY(lcPlatform, "kestrel.platform", QtInfoMsg)
Q_LOGGING_CATEGORY(lcX11, "kestrel.x11", QtInfoMsg)
