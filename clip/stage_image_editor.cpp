#include "clip/stage_image_editor.h"

#include "clip/color_adjust.h"
#include "clip/image_transforms.h"
#include "clip/stage_edit_host.h"
#include "imaging/dib_accessor.h"
#include "imaging/dib_helpers.h"
#include "imaging/load_bitmap_dup_mem.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/cursor.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace {

const QString kNoMemory = QStringLiteral("メモリの確保に失敗しました。");

void ReportEditCode(BYTE code)
{
    if (code == CImageTransform::kNoMemory)
        AfxMessageBox(QStringLiteral("編集の為のメモリが確保できませんでした。"));
    else if (code == CImageTransform::kUnsupported)
        AfxMessageBox(QStringLiteral("サポートされていないフォーマットです。"));
}

bool TransformableDepth(int bpp)
{
    return bpp == 8 || bpp == 24 || bpp == 32;
}

}  // namespace

CStageImageEditor::CStageImageEditor(CLoadBitmapDlg_DupMem* holder, CDibAccessor* accessor,
    CImageTransform* transform, CColorAdjust* adjust, StageEditHost* host)
    : m_holder(holder), m_accessor(accessor), m_transform(transform), m_adjust(adjust), m_host(host)
{
}

bool CStageImageEditor::HasPicture() const
{
    return m_holder->IsLoaded() && m_holder->dup1Bits != nullptr;
}

int CStageImageEditor::PrepareLoadedImage()
{
    // A new picture has no transform behind it.
    m_transform->FreeResultCopy();
    const bool prepared = m_holder->IsLoaded() && m_holder->CreateBitmap(m_host->DisplayDc()) &&
        m_holder->AllocDuplicates(m_holder->PixelBytes(), m_holder->infoHeader.biBitCount);
    if (prepared) {
        m_holder->SaveToDup1();
        m_holder->CopyDup1ToDup2();
    }
    if (!prepared || m_holder->dup1Bits == nullptr || m_holder->dup2Bits == nullptr) {
        // The old copies may be gone: no view may keep pointing at them.
        m_holder->FreeDuplicates();
        m_accessor->Reset();
        m_transform->Attach(m_accessor);
        return 0;
    }
    SyncEditSource();
    return 1;
}

void CStageImageEditor::SyncEditSource()
{
    // Size and depth are copy 1's: they describe the pixels the views read.
    m_accessor->Reset();
    m_accessor->SetBitCount(m_holder->dupBitCount);
    m_accessor->SetWidth(m_holder->dup1Width);
    m_accessor->SetHeight(std::abs(m_holder->dup1Height));
    m_accessor->SetBits(m_holder->dup1Bits);
    m_accessor->SetPalette(reinterpret_cast<const RGBQUAD*>(m_holder->dup1Palette));
    const RECT view = m_host->ViewRect();
    m_accessor->SetClipSize(view.left, view.top, view.right, view.bottom);
    m_transform->Attach(m_accessor);
}

int CStageImageEditor::FixWindow_RenderImage()
{
    HDC dc = m_host->DisplayDc();
    if (dc != nullptr && !m_holder->CreateBitmapFromDup1(dc)) {
        AfxMessageBox(kNoMemory);
        return 0;
    }
    m_host->Render();
    return 1;
}

LRESULT CStageImageEditor::RunFlip(BYTE (CImageTransform::*flip)(int, int))
{
    if (!HasPicture())
        return 0;
    LONG w = 0;
    LONG h = 0;
    m_holder->GetSize(&w, &h);
    BYTE code = 0;
    {
        CWaitCursor wait;
        code = (m_transform->*flip)(w, h);
    }
    if (code != CImageTransform::kDone) {
        ReportEditCode(code);
        return 0;
    }
    FixWindow_RenderImage();
    m_host->RefreshOverview();
    return 1;
}

LRESULT CStageImageEditor::FlipTopBottom()
{
    return RunFlip(&CImageTransform::FlipUpsideDown);
}

LRESULT CStageImageEditor::FlipLeftRight()
{
    return RunFlip(&CImageTransform::MirrorLeftRight);
}

LRESULT CStageImageEditor::Rotate90()
{
    if (!HasPicture())
        return 0;
    // The turn answers only done or failed: a depth it cannot turn is named
    // here, as the flips name it.
    if (!TransformableDepth(m_transform->bitCount)) {
        ReportEditCode(CImageTransform::kUnsupported);
        return 0;
    }
    LONG w = 0;
    LONG h = 0;
    m_holder->GetSize(&w, &h);
    int done = 0;
    {
        CWaitCursor wait;
        // Copy 1 is replaced by the turned block: the views follow it at once.
        CHolderRotationHost rotation(m_holder, [this](int) { SyncEditSource(); });
        done = m_transform->RotateRight90(w, h, &rotation);
    }
    if (!done)
        return 0;
    FixWindow_RenderImage();
    m_host->Relayout();
    if (m_host->ShowsPart() || !m_host->OverviewOpen())
        m_host->RefreshOverview();
    else
        m_host->CloseOverview();
    return 1;
}

int CStageImageEditor::RestoreLoadedPicture()
{
    if (!m_holder->CopyDup2ToDup1())
        return 0;
    const int restored = m_holder->RestoreFromDup1();
    // Copy 1 may have moved and changed size even when the image could not
    // follow: views, display and layout take it in every case.
    SyncEditSource();
    FixWindow_RenderImage();
    m_host->Relayout();
    return restored;
}

void CStageImageEditor::ResetImage()
{
    if (!HasPicture())
        return;
    int restored = 0;
    {
        CWaitCursor wait;
        restored = RestoreLoadedPicture();
    }
    if (!restored) {
        AfxMessageBox(kNoMemory);
        return;
    }
    m_transform->FreeResultCopy();
    m_adjust->Reset();
    m_host->CloseOverview();
}

bool CStageImageEditor::FillSavedCopy(BYTE* saved)
{
    const std::size_t size = m_adjust->SavedSize();
    if (m_accessor->bitCount == 8) {
        // The loaded colours, so that offsets held from an earlier session
        // are not added twice.
        const BYTE* palette = m_holder->dup2Palette ? m_holder->dup2Palette : m_holder->dup1Palette;
        if (palette == nullptr || m_holder->dupPaletteBytes < size)
            return false;
        std::memcpy(saved, palette, size);
        return true;
    }
    if (m_host->PanelReportsTransformed() && m_transform->ResultCopy() != nullptr &&
        m_transform->ResultCopySize() == size) {
        std::memcpy(saved, m_transform->ResultCopy(), size);
        return true;
    }
    // Copy 2 into copy 1. A turned picture turns back with its image and
    // layout, and the saved copy is then made for that size.
    const bool sameSize =
        m_holder->dup1Width == m_holder->dup2Width && m_holder->dup1Height == m_holder->dup2Height;
    if (!(sameSize ? m_holder->CopyDup2ToDup1() : RestoreLoadedPicture())) {
        AfxMessageBox(kNoMemory);
        return false;
    }
    if (sameSize) {
        FixWindow_RenderImage();
    } else {
        saved = m_adjust->AllocSaved();
        if (saved == nullptr) {
            AfxMessageBox(QStringLiteral("コントラスト用のメモリを確保する事が出来ませんでした。"));
            return false;
        }
    }
    if (m_adjust->SavedSize() > m_holder->dup1Bytes)
        return false;
    std::memcpy(saved, m_holder->dup1Bits, m_adjust->SavedSize());
    return true;
}

void CStageImageEditor::ContrastBegin()
{
    if (!HasPicture())
        return;
    m_adjust->SetImage(m_accessor);
    BYTE* saved = m_adjust->AllocSaved();
    if (saved == nullptr) {
        AfxMessageBox(QStringLiteral("コントラスト用のメモリを確保する事が出来ませんでした。"));
        return;
    }
    if (!FillSavedCopy(saved)) {
        m_adjust->FreeSaved();
        return;
    }
    // Offsets held from an earlier session stay on the picture, which the
    // saved copy has just taken back to its unadjusted colours.
    if (m_adjust->redOffset != 0 || m_adjust->greenOffset != 0 || m_adjust->blueOffset != 0)
        ApplyAdjustment();
}

void CStageImageEditor::ContrastSet(int value, int channels)
{
    if (value > CColorAdjust::kMaxOffset)
        value = CColorAdjust::kMaxOffset;
    if (!m_adjust->SetOffsets(value, channels) || m_adjust->Saved() == nullptr)
        return;
    ApplyAdjustment();
}

void CStageImageEditor::ApplyAdjustment()
{
    const bool palette = m_accessor->bitCount == 8;
    if (!palette && m_transform->pixels == nullptr) {
        AfxMessageBox(QStringLiteral("コントスト: メモリの確保に失敗しました。"));
        return;
    }
    {
        CWaitCursor wait;
        if (palette)
            m_adjust->ApplyToPalette(reinterpret_cast<RGBQUAD*>(m_holder->dup1Palette));
        else
            m_adjust->ApplyToPixels(m_transform->pixels);
    }
    FixWindow_RenderImage();
    m_host->RefreshOverview();
}

void CStageImageEditor::ContrastEnd()
{
    m_adjust->FreeSaved();
}

void CStageImageEditor::Clear()
{
    m_transform->FreeResultCopy();
    m_adjust->Reset();
    m_accessor->Reset();
    m_transform->Attach(m_accessor);
}

int CStageImageEditor::AfterDepthChange()
{
    const int oldBitCount = m_accessor->bitCount;
    SyncEditSource();
    // An open colour adjustment keeps its unadjusted copy, converted too.
    const std::size_t oldSize = m_adjust->SavedSize();
    const std::size_t oldRows = static_cast<std::size_t>(m_accessor->width) * 4 * m_accessor->height;
    if (oldBitCount == 32 && m_accessor->bitCount == 24 && m_adjust->Saved() != nullptr &&
        oldSize == oldRows) {
        std::unique_ptr<BYTE[]> old(new (std::nothrow) BYTE[oldSize]);
        if (old)
            std::memcpy(old.get(), m_adjust->Saved(), oldSize);
        BYTE* saved = old ? m_adjust->AllocSaved() : nullptr;
        if (saved != nullptr)
            Copy32To24Rows(m_accessor->width, m_accessor->height, saved, old.get());
        else
            m_adjust->FreeSaved();
    }
    return FixWindow_RenderImage();
}
