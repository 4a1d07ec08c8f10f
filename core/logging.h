// The program's logging categories above the layer (see
// platform/system/logging.h for the layer's own).
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcSettings)  // kestrel.settings: reading and writing Kestrel.cfg
Q_DECLARE_LOGGING_CATEGORY(lcImaging)   // kestrel.imaging: image files and codecs
Q_DECLARE_LOGGING_CATEGORY(lcFrame)     // kestrel.frame: the main frame and its windows
