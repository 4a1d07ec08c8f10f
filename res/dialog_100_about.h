// Template 100: the About box.
#pragma once

#include "platform/dialog/dialog_template.h"

extern const DialogTemplate kDialog100About;
