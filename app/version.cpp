#include "app/version.h"

static_assert(kVersionMinor >= 0 && kVersionMinor < 100, "the minor version is shown with two digits");
