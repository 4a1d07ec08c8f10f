// Accelerator table 128 of the main frame. It is applied to keys for the
// frame and its bars only; the editing keys in it reach commands the frame
// does not handle, so they are dropped there and nowhere else.
#pragma once

#include "platform/app/app.h"

#include <vector>

std::vector<ACCEL> FrameAcceleratorTable128();
