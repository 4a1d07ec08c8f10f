#include "app/frame_clipboard.h"

#include "platform/clipboard/clipboard.h"
#include "platform/system/cp932.h"

#include <cstring>
#include <optional>

bool CopyTextToClipboard(const QString& text)
{
    // Converted before the clipboard is touched: a failure leaves it as it was.
    const std::optional<QByteArray> bytes = EncodeCp932(text);
    if (!bytes)
        return false;
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, static_cast<SIZE_T>(bytes->size()) + 1);
    if (!block)
        return false;
    void* p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(p, bytes->constData(), static_cast<size_t>(bytes->size()));  // the block ends in 0
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return false;
    }
    const bool set = EmptyClipboard() && SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    if (!set)
        GlobalFree(block);  // still the frame's: handing over failed
    return set;
}

bool CopyBitmapToClipboard(HWND owner, HBITMAP bitmap)
{
    if (!bitmap || !OpenClipboard(owner))
        return false;
    const bool set = EmptyClipboard() && SetClipboardData(CF_BITMAP, bitmap) != nullptr;
    CloseClipboard();
    return set;
}
