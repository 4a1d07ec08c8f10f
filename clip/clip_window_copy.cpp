// Copying a clip to the clipboard at the chosen size, pasting it back into
// the stage, and printing it.
#include "clip/clip_window.h"

#include "core/copy_messages.h"
#include "core/frame_messages.h"
#include "core/save_size_globals.h"
#include "core/settings/app_settings.h"
#include "imaging/resampler.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/cursor.h"
#include "print/print_dialog.h"
#include "res/frame_command_ids.h"

namespace {

// A bitmap of its own holding a copy of the picture; null without one.
HBITMAP CopyOf(HBITMAP source)
{
    if (!source || source->image.isNull())
        return nullptr;
    auto* copy = new GdiBitmap;
    copy->image = source->image.copy();
    if (copy->image.isNull()) {
        delete copy;
        return nullptr;
    }
    return copy;
}

}  // namespace

HBITMAP CDlgClipWindow::MakeCopyBitmap(bool* sizeCancelled)
{
    *sizeCancelled = false;
    if (!m_slot)
        return nullptr;
    switch (m_saveSizeChoice) {
    case 0:
        return CopyOf(m_slot->dib);
    case 1: {
        CBitmap* shown = m_buffer.IsCreated() ? m_buffer.GetMemDC()->GetCurrentBitmap() : nullptr;
        return shown ? CopyOf(static_cast<HBITMAP>(*shown)) : nullptr;
    }
    default:
        break;
    }
    if (RunSaveSizeStep() != 1) {
        *sizeCancelled = true;
        return nullptr;
    }
    CWaitCursor wait;
    const SIZE requested{g_nSaveSizeWidth, g_nSaveSizeHeight};
    if (AppSettings.ImageComplement == 1)
        return ResizeClipSmoothly(*m_slot, requested);
    CClipImageSlot resized;
    int code = 1;
    if (!CreateResizedImage(&resized, m_slot->GetSaveSource(), m_image, requested, &code))
        return nullptr;
    return CopyOf(resized.dib);
}

CDlgClipWindow::CopyOutcome CDlgClipWindow::CopyToClipboard(bool showMessage, bool closeOnCopy)
{
    EndPickMode();
    bool sizeCancelled = false;
    HBITMAP bitmap = MakeCopyBitmap(&sizeCancelled);
    if (sizeCancelled)
        return CopyOutcome::SizeCancelled;
    int result = 2;
    if (bitmap) {
        // Accepted, the bitmap is the clipboard's; refused, it is still ours.
        result = SendToFrame(WM_FRAME_COPY_BITMAP, reinterpret_cast<WPARAM>(bitmap)) == 1 ? 1 : 0;
        if (result != 1)
            DeleteObject(bitmap);
    }
    if (showMessage)
        ShowClipboardCopyMessage(result, GetSafeHwnd());
    if (result == 1 && closeOnCopy && AppSettings.ClipCloseOnClip == 1)
        CloseAsButton();
    return result == 1 ? CopyOutcome::Copied : result == 0 ? CopyOutcome::Failed : CopyOutcome::NoBitmap;
}

void CDlgClipWindow::OnCopyToStage()
{
    const CopyOutcome outcome = CopyToClipboard(false, false);
    if (outcome == CopyOutcome::Copied)
        SendToFrame(WM_COMMAND, MAKEWPARAM(ID_EDIT_PASTE_IMAGE, 0), 0);
    else if (outcome == CopyOutcome::Failed)
        ShowClipboardCopyMessage(0, GetSafeHwnd());
    else if (outcome == CopyOutcome::NoBitmap)
        ShowClipboardCopyMessage(2, GetSafeHwnd());
    // A size the user cancelled or did not give keeps the clip.
    if (outcome != CopyOutcome::SizeCancelled)
        CloseAsButton();
}

void CDlgClipWindow::OnPrint()
{
    // The dialog prints a copy, so the clip may change meanwhile.
    HBITMAP copy = m_slot ? CopyOf(m_slot->dib) : nullptr;
    if (!copy) {
        AfxMessageBox(QStringLiteral("印刷の準備に失敗しました。"));
        return;
    }
    if (!CDlgPrintOut::Running()) {
        CDlgPrintOut dialog(copy, m_slot->memDC ? CDC::FromHandle(m_slot->memDC) : nullptr, m_image);
        dialog.DoModal();
        BringWindowToTop();
    }
    DeleteObject(copy);
}
