// Ownership of byte blocks taken with std::malloc or std::calloc: the DIB
// holders keep such blocks and release them with std::free, so a block that
// is still being filled is held the same way until it is handed over.
#pragma once

#include "platform/types/types.h"

#include <cstdlib>
#include <memory>

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

using MallocBlock = std::unique_ptr<BYTE, FreeDeleter>;
