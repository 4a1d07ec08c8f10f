// Which items of the multi view's right-click menu (296) can be chosen.
// No window: the stage gathers the facts.
#pragma once

#include "platform/types/types.h"

struct MultiMenuFacts {
    bool contextHasThumbnail = false;  // the right-clicked file has its thumbnail
    bool hasFocus = false;
    bool focusSortReady = false;  // the focus's file is ranked under every key
};

// Printing is not part of the program yet: its item stays grey.
bool IsMultiMenuItemEnabled(UINT id, const MultiMenuFacts& facts);
