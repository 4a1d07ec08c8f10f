// Accelerator table 128 of the main frame, limited to the shortcuts whose
// commands the program handles: Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z, the Insert
// and Delete forms and F6 are left to the text fields that own them.
#pragma once

#include "platform/app/app.h"

#include <vector>

std::vector<ACCEL> FrameAcceleratorTable128();
