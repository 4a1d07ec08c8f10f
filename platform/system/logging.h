// The layer's logging categories. Diagnostics go through a category, never
// straight to stderr, so a user can turn them on or off by name
// (QT_LOGGING_RULES="kestrel.*.debug=true").
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPlatform)  // kestrel.platform: windows, dialogs, files
Q_DECLARE_LOGGING_CATEGORY(lcX11)       // kestrel.x11: the desktop's services
