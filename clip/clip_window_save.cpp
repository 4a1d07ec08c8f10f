// Saving a clip: at its own size, at the size shown, or at a size the user
// gives, in the format of the name chosen in the stage's save dialog.
#include "clip/clip_window.h"

#include "clip/clip_window_rules.h"
#include "clip/save_size_dialog.h"
#include "clip/view_stage.h"
#include "core/app_state.h"
#include "core/frame_messages.h"
#include "core/histories.h"
#include "core/save_size_globals.h"
#include "core/settings/app_settings.h"
#include "imaging/bmp_file.h"
#include "imaging/jpeg_file.h"
#include "imaging/png_codec.h"
#include "imaging/resampler.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/cursor.h"

#include <memory>

namespace {

constexpr int kBmp = 1;
constexpr int kPng = 5;

// Writes source as the file type asks. The PNG writer gets its own copy of
// the transparency record, so the window keeps the colour as it was picked.
void WriteAs(const QString& path, int type, const DibSaveSource& source, int pngSourceKind, bool bmpFromDib,
    const CPngTransparency& transparency, BYTE* code)
{
    if (type == kBmp && bmpFromDib) {
        SaveBmpFile(path, source, code);
    } else if (type >= kBmp && type < kPng) {
        SaveJpegOrOtherFile(path, source, code);
    } else if (type == kPng) {
        CPngTransparency record = transparency;
        SavePngFile(path, source, pngSourceKind, &record, code);
    }
}

}  // namespace

HBITMAP ResizeClipSmoothly(const CClipImageSlot& slot, SIZE size)
{
    if (!slot.dib || slot.dib->image.isNull() || size.cx <= 0 || size.cy <= 0)
        return nullptr;
    QImage scaled = slot.dib->image.scaled(static_cast<int>(size.cx), static_cast<int>(size.cy),
        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull())
        return nullptr;
    auto* bitmap = new GdiBitmap;
    bitmap->image = scaled.convertToFormat(QImage::Format_RGB32);
    if (bitmap->image.isNull()) {
        delete bitmap;
        return nullptr;
    }
    return bitmap;
}

void CDlgClipWindow::OnSave()
{
    EndPickMode();
    if (m_saveSizeChoice == 2 && RunSaveSizeStep() != 1)
        return;
    BYTE code = 1;
    const bool confirmed = RunSaveWorker(&code);
    m_saveResult = code;
    if (code != 1)
        AfxMessageBox(ClipSaveResultMessage(code));
    if (confirmed)
        AddSaveHistories();
    // Only a file that was written lets the window go.
    if (confirmed && code == 1 && AppSettings.ClipCloseOnSave == 1)
        CloseAsButton();
}

int CDlgClipWindow::RunSaveSizeStep()
{
    g_nSaveSizeWidth = m_image.cx;
    g_nSaveSizeHeight = m_image.cy;
    CDlgSaveImageSize dialog(this);
    const INT_PTR result = dialog.DoModal();
    if (result != IDOK)
        return 2;
    if (!ClipSaveSizeAllowed(SIZE{g_nSaveSizeWidth, g_nSaveSizeHeight}, AppSettings.MinSaveSize,
            AppSettings.MaxSaveSizeWidth, AppSettings.MaxSaveSizeHeight)) {
        AfxMessageBox(QStringLiteral("有効な保存サイズが指定されませんでした。"));
        g_nSaveSizeWidth = m_image.cx;
        g_nSaveSizeHeight = m_image.cy;
        return 2;
    }
    return 1;
}

bool CDlgClipWindow::RunSaveWorker(BYTE* code)
{
    *code = 1;
    auto* stage = dynamic_cast<CDlgViewStage*>(CWnd::FromHandle(GetAppState().Window(AppWindow::ViewStage)));
    if (!stage || !m_slot)
        return false;
    QString path;
    const int type = stage->GetSaveImageFileName(&path);
    if (type == 0 || type == 10)
        return false;
    CWaitCursor wait;
    switch (m_saveSizeChoice) {
    case 0:
        WriteAs(path, type, m_slot->GetSaveSource(), 0, true, m_transparency, code);
        break;
    case 1:
        if (!SaveShownSize(path, type, code))
            return false;
        break;
    default:
        if (!SaveGivenSize(path, type, code))
            return false;
        break;
    }
    if (*code == 1)
        SendToFrame(WM_FRAME_SYNC_TREE);
    return true;
}

bool CDlgClipWindow::SaveShownSize(const QString& path, int type, BYTE* code)
{
    CBitmap* shown = m_buffer.GetMemDC()->GetCurrentBitmap();
    if (!m_buffer.IsCreated() || !shown) {
        *code = 3;
        return false;
    }
    DibSaveSource source = m_slot->GetSaveSource();
    source.memDC = m_buffer.GetMemDC()->GetSafeHdc();
    source.ddb = static_cast<HBITMAP>(*shown);
    WriteAs(path, type, source, 1, false, m_transparency, code);
    return true;
}

bool CDlgClipWindow::SaveGivenSize(const QString& path, int type, BYTE* code)
{
    const SIZE requested{g_nSaveSizeWidth, g_nSaveSizeHeight};
    if (AppSettings.ImageComplement == 1) {
        // A failed set-up is a failed save, reported as one: nothing was written.
        std::unique_ptr<GdiBitmap> resized(ResizeClipSmoothly(*m_slot, requested));
        if (!resized) {
            *code = 3;
            return false;
        }
        DibSaveSource source = m_slot->GetSaveSource();
        source.memDC = nullptr;
        source.ddb = resized.get();
        WriteAs(path, type, source, 2, false, m_transparency, code);
        return true;
    }
    CClipImageSlot resized;
    int resizeCode = 1;
    if (!CreateResizedImage(&resized, m_slot->GetSaveSource(), m_image, requested, &resizeCode)) {
        *code = static_cast<BYTE>(resizeCode);
        return false;
    }
    WriteAs(path, type, resized.GetSaveSource(), 2, true, m_transparency, code);
    return true;
}

void CDlgClipWindow::AddSaveHistories() const
{
    if (AppSettings.FolderHistory == 1)
        AddWorkFolderHistory(AppSettings.LastAccessDir);
    if (AppSettings.ClipHistory == 2)
        AddClipHistoryRect(m_clipRect);
}
