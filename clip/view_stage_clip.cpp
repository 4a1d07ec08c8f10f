// The end of a range selection: the range is cut from the image as shown
// into a free clip-image slot and the frame opens a clip window on it.
#include "clip/control_panel_messages.h"
#include "clip/rubber_band.h"
#include "clip/stage_renderer.h"
#include "clip/view_stage.h"
#include "core/app_state_queries.h"
#include "core/frame_services.h"
#include "core/histories.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"
#include "imaging/dib_helpers.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/cursor.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kTwoClicks = 2;
constexpr std::size_t kPaletteBytes = 256 * 4;

// The inclusive rectangle r, normalised and cut to a w x h image.
RECT ClampToImage(RECT r, int w, int h)
{
    NormalizeRect(r);
    r.left = std::max<LONG>(r.left, 0);
    r.top = std::max<LONG>(r.top, 0);
    r.right = std::min<LONG>(r.right, w - 1);
    r.bottom = std::min<LONG>(r.bottom, h - 1);
    return r;
}

}  // namespace

void CDlgViewStage::LButtonUp_DelRubberBand_Proccess()
{
    if (m_surfaceWnd.GetSafeHwnd()) {
        CClientDC dc(&m_surfaceWnd);
        m_band->Erase(&dc);
    }
    m_band->Reset();
    RenderSurface(0, kRenderAll);
}

void CDlgViewStage::FinishRange(const RECT& range, bool eraseBand)
{
    if (IsClipSelecting() && (eraseBand || m_band->IsStarted() || m_band->HasRect()))
        LButtonUp_DelRubberBand_Proccess();
    AppSettings.ClipPrevRect = range;
    const int method = g_nRangeSelectMethod;
    FinishClipRange(range);
    RECT done = range;
    NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_SET_PREV_RECT, reinterpret_cast<WPARAM>(&done));
    if (method == kTwoClicks)
        NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_SHOW_POINT, 0, 2);
    else
        NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_RANGE_DONE, 0, 2);
}

void CDlgViewStage::FinishClipRange(const RECT& range)
{
    const int mode = g_nStageMode & 0xFF;
    g_nStageMode = kStageModeNormal;
    SetSystemCursor(IDC_ARROW);
    // The selection's marks go with it: the stage ends in its normal view.
    m_twoClickPress = m_wheelPress = m_cursorImagePoint = POINT{-1, -1};
    m_wheelRangeClient = RECT{};
    m_band->Reset();
    for (auto& line : m_crossLines)
        line.reset();
    m_renderer->FreeHighlightBuffer();
    m_renderer->Labels().Reset();
    ReleasePointer();
    RenderSurface(0, kRenderAll);
    if (mode != kStageModeSelecting)
        return;
    if (OpenClipWindow(range) && AppSettings.ClipHistory == 1)
        AddClipHistoryRect(range);
}

int CDlgViewStage::OpenClipWindow(const RECT& range)
{
    const BYTE index = m_clipStore.AllocFreeSlot();
    if (index == CClipImageStore::kNoSlot) {
        AfxMessageBox(QStringLiteral("これ以上ウィンドウを開く事は出来ません。"));
        return 0;
    }
    CClipImageSlot* slot = m_clipStore.GetSlot(index);
    if (!CropToClipImage(slot, range)) {
        AfxMessageBox(QStringLiteral("サポートしていないフォーマットです。"));
        m_clipStore.FreeSlot(index);
        return 0;
    }
    CWaitCursor wait;
    // The window shows the part of the range that lies on the image.
    const RECT shown = ClampToImage(range, m_image->dup1Width, std::abs(m_image->dup1Height));
    if (!GetFrameServices().OpenClipWindow(index, slot, &m_transparency, shown)) {
        m_clipStore.FreeSlot(index);
        return 0;
    }
    return 1;
}

int CDlgViewStage::CropToClipImage(CClipImageSlot* slot, const RECT& r)
{
    if (!slot || !HasImage())
        return 0;
    // The pixels on screen: undo copy 1 holds the edits.
    const CLoadBitmapDlg_DupMem& image = *m_image;
    const int imageWidth = image.dup1Width;
    const int imageHeight = std::abs(image.dup1Height);
    const int bpp = image.dupBitCount;
    // Only pixels of the image are read, whatever rectangle is asked for.
    const RECT range = ClampToImage(r, imageWidth, imageHeight);
    if (range.right < range.left || range.bottom < range.top || IsUnsupportedBpp(bpp) || bpp < 8)
        return 0;
    const int w = range.right - range.left + 1, h = range.bottom - range.top + 1;

    slot->Reset(slot->index);
    // A fresh pixel offset: the image's own may count a longer header.
    if (!InitDibHeaders(&slot->fileHeader, &slot->infoHeader, w, h, bpp, 0, image.infoHeader.biXPelsPerMeter,
            image.infoHeader.biYPelsPerMeter) ||
        !slot->AllocColorTable() || !slot->AllocBits()) {
        slot->Reset(slot->index);
        return 0;
    }
    std::memcpy(reinterpret_cast<BYTE*>(slot->colorBlock), &slot->infoHeader, sizeof(BITMAPINFOHEADER));
    if (bpp == 8 && image.dup1Palette) {
        const std::size_t bytes = std::min<std::size_t>(kPaletteBytes, image.dupPaletteBytes);
        std::memcpy(
            reinterpret_cast<BYTE*>(slot->colorBlock) + sizeof(BITMAPINFOHEADER), image.dup1Palette, bytes);
    }

    const int pixelBytes = bpp / 8;
    const std::size_t srcStride = GetDibStride(bpp, imageWidth);
    const std::size_t dstStride = GetDibStride(bpp, w);
    const std::size_t rowBytes = static_cast<std::size_t>(w) * pixelBytes;
    const bool bottomUp = image.dup1Height > 0;
    for (int j = 0; j < h; ++j) {
        // The slot is stored bottom-up: its first row is the range's bottom row.
        const int y = range.bottom - j;
        const int memoryRow = bottomUp ? imageHeight - 1 - y : y;
        const BYTE* src =
            image.dup1Bits + memoryRow * srcStride + static_cast<std::size_t>(range.left) * pixelBytes;
        BYTE* dst = slot->bits + j * dstStride;
        std::memcpy(dst, src, rowBytes);
        std::memset(dst + rowBytes, 0xFF, dstStride - rowBytes);
    }
    return 1;
}
