// Global memory blocks: the movable blocks that carry data to the clipboard.
// A block is reached through its handle; GlobalLock gives its bytes. Every
// call checks the handle against the live blocks, so a stale or foreign
// handle gets a failure result instead of touching memory. Safe on any thread.
#pragma once

#include "platform/types/types.h"

#include <QByteArray>
#include <cstddef>

struct GlobalBlock;
using HGLOBAL = GlobalBlock*;
using SIZE_T = std::size_t;

// Allocation flags. Every block is movable and starts zeroed; the flags are
// taken for what the callers mean and change nothing.
enum : UINT {
    GMEM_FIXED = 0x0000,
    GMEM_MOVEABLE = 0x0002,
    GMEM_ZEROINIT = 0x0040,
    GMEM_SHARE = 0x2000,
    GMEM_DDESHARE = 0x2000,
    GHND = GMEM_MOVEABLE | GMEM_ZEROINIT,
};

// A new block of `bytes` zero bytes; null for zero bytes or when memory runs out.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// The block's bytes, counting one more lock; null for a handle that names no block.
void* GlobalLock(HGLOBAL block);
// Counts one lock less; TRUE while the block is still locked.
BOOL GlobalUnlock(HGLOBAL block);
// The block's size in bytes; 0 for a handle that names no block.
SIZE_T GlobalSize(HGLOBAL block);
// Frees the block: null on success, the handle itself when it names no block
// or the block belongs to the clipboard.
HGLOBAL GlobalFree(HGLOBAL block);

// Inside the layer: the clipboard takes blocks over and frees them.
// True when the block was live and free to take; it then belongs to the clipboard.
bool TakeGlobalBlockForClipboard(HGLOBAL block);
void FreeClipboardGlobalBlock(HGLOBAL block);
// A copy of the block's bytes; null for a handle that names no block.
QByteArray GlobalBlockBytes(HGLOBAL block);
