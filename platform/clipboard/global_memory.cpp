#include "platform/clipboard/global_memory.h"

#include <memory>
#include <mutex>
#include <new>
#include <unordered_set>

struct GlobalBlock {
    std::unique_ptr<std::byte[]> bytes;
    SIZE_T size = 0;
    int locks = 0;
    bool ownedByClipboard = false;
};

namespace {

struct LiveBlocks {
    std::mutex mutex;
    std::unordered_set<GlobalBlock*> blocks;
};

LiveBlocks& Live()
{
    static LiveBlocks live;
    return live;
}

// The block behind a handle, or null; the caller holds the mutex.
GlobalBlock* Find(LiveBlocks& live, HGLOBAL handle)
{
    return live.blocks.contains(handle) ? handle : nullptr;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT /*flags*/, SIZE_T bytes)
{
    if (bytes == 0)
        return nullptr;
    auto block = std::unique_ptr<GlobalBlock>(new (std::nothrow) GlobalBlock);
    if (!block)
        return nullptr;
    block->bytes.reset(new (std::nothrow) std::byte[bytes]());
    if (!block->bytes)
        return nullptr;
    block->size = bytes;
    LiveBlocks& live = Live();
    std::lock_guard lock(live.mutex);
    live.blocks.insert(block.get());
    return block.release();
}

void* GlobalLock(HGLOBAL handle)
{
    LiveBlocks& live = Live();
    std::lock_guard lock(live.mutex);
    GlobalBlock* block = Find(live, handle);
    if (!block)
        return nullptr;
    ++block->locks;
    return block->bytes.get();
}

BOOL GlobalUnlock(HGLOBAL handle)
{
    LiveBlocks& live = Live();
    std::lock_guard lock(live.mutex);
    GlobalBlock* block = Find(live, handle);
    if (!block)
        return FALSE;
    if (block->locks > 0)
        --block->locks;
    return block->locks > 0 ? TRUE : FALSE;
}

SIZE_T GlobalSize(HGLOBAL handle)
{
    LiveBlocks& live = Live();
    std::lock_guard lock(live.mutex);
    GlobalBlock* block = Find(live, handle);
    return block ? block->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL handle)
{
    if (!handle)
        return nullptr;
    LiveBlocks& live = Live();
    std::lock_guard lock(live.mutex);
    GlobalBlock* block = Find(live, handle);
    if (!block || block->ownedByClipboard)
        return handle;
    live.blocks.erase(block);
    delete block;
    return nullptr;
}

bool TakeGlobalBlockForClipboard(HGLOBAL handle)
{
    LiveBlocks& live = Live();
    std::lock_guard lock(live.mutex);
    GlobalBlock* block = Find(live, handle);
    if (!block || block->ownedByClipboard)
        return false;
    block->ownedByClipboard = true;
    return true;
}

void FreeClipboardGlobalBlock(HGLOBAL handle)
{
    LiveBlocks& live = Live();
    std::lock_guard lock(live.mutex);
    GlobalBlock* block = Find(live, handle);
    if (!block)
        return;
    live.blocks.erase(block);
    delete block;
}

QByteArray GlobalBlockBytes(HGLOBAL handle)
{
    LiveBlocks& live = Live();
    std::lock_guard lock(live.mutex);
    GlobalBlock* block = Find(live, handle);
    if (!block)
        return {};
    return QByteArray(reinterpret_cast<const char*>(block->bytes.get()), static_cast<qsizetype>(block->size));
}
