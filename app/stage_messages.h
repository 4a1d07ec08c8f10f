// The view stage's messages, for the frame's sources.
#pragma once

#include "clip/stage_messages.h"
