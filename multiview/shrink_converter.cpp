#include "multiview/shrink_converter.h"

#include "core/file_queries.h"
#include "core/system_figures.h"
#include "imaging/bmp_file.h"
#include "imaging/clip_image_store.h"
#include "imaging/jpeg_file.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "imaging/png_codec.h"
#include "imaging/png_transparency.h"
#include "imaging/resampler.h"
#include "multiview/multi_view_stage.h"
#include "platform/gdi/gdi.h"

#include <QFile>
#include <QFileInfo>

namespace {

DibSaveSource SourceOf(const CLoadBitmap_for_Dlg& holder)
{
    DibSaveSource source;
    source.memDC = holder.memDC;
    source.ddb = holder.ddb;
    source.info = holder.info;
    source.fileHeader = &holder.fileHeader;
    source.infoHeader = &holder.infoHeader;
    source.bits = holder.bits;
    return source;
}

bool WriteShrunk(const QString& output, const DibSaveSource& source, bool fromDib, const ShrinkChoices& c,
    const CPngTransparency& transparency)
{
    BYTE code = 1;
    if (c.format == kShrinkPng) {
        CPngTransparency record = transparency;
        return SavePngFile(output, source, 2, &record, &code) == 1;
    }
    if (c.format == kShrinkBmp && fromDib)
        return SaveBmpFile(output, source, &code) == 1;
    return SaveJpegOrOtherFile(output, source, &code, c.quality) == 1;
}

// The halftone stretch of the layer into a bitmap of the target size.
bool WriteSmooth(const QString& output, CLoadBitmap_for_Dlg& holder, SIZE target, const ShrinkChoices& c,
    const CPngTransparency& transparency)
{
    if (!holder.CreateBitmap(nullptr))
        return false;
    HDC dc = CreateCompatibleDC(holder.memDC);
    HBITMAP bitmap = dc ? CreateCompatibleBitmap(holder.memDC, target.cx, target.cy) : nullptr;
    bool written = false;
    if (bitmap) {
        HGDIOBJ old = SelectObject(dc, bitmap);
        SetStretchBltMode(dc, HALFTONE);
        const LONG w = holder.infoHeader.biWidth;
        const LONG h = std::abs(holder.infoHeader.biHeight);
        HGDIOBJ picture = SelectObject(holder.memDC, holder.ddb);
        const BOOL stretched = StretchBlt(dc, 0, 0, target.cx, target.cy, holder.memDC, 0, 0, w, h, SRCCOPY);
        if (picture)
            SelectObject(holder.memDC, picture);
        if (stretched) {
            DibSaveSource source = SourceOf(holder);
            source.memDC = dc;
            source.ddb = bitmap;
            written = WriteShrunk(output, source, false, c, transparency);
        }
        SelectObject(dc, old);
        DeleteObject(bitmap);
    }
    if (dc)
        DeleteDC(dc);
    return written;
}

// The landed nearest-neighbour resampler into a scratch slot.
bool WriteNearest(const QString& output, const CLoadBitmap_for_Dlg& holder, SIZE target,
    const ShrinkChoices& c, const CPngTransparency& transparency)
{
    CClipImageSlot resized;
    int code = 1;
    const SIZE source{holder.infoHeader.biWidth, std::abs(holder.infoHeader.biHeight)};
    if (!CreateResizedImage(&resized, SourceOf(holder), source, target, &code))
        return false;
    return WriteShrunk(output, resized.GetSaveSource(), true, c, transparency);
}

}  // namespace

ShrinkFreeSpaceQuery SystemFreeSpaceQuery()
{
    return [](const QString& folder, DWORD* freeMB) { return QueryDiskFreeMB(folder, freeMB); };
}

ShrinkFileResult ShrinkOneFile(const QString& input, const QString& output, const QString& outputFolder,
    const ShrinkChoices& c, const ShrinkFreeSpaceQuery& freeSpace)
{
    CLoadBitmap_for_Dlg holder;
    CPngTransparency transparency;
    holder.path.SetPath(input);
    if (!CDlgMultiViewStage::LoadImageFileByExtension(QFileInfo(input).suffix(), &holder, &transparency) ||
        !holder.bits)
        return ShrinkFileResult::Failed;
    const BITMAPINFOHEADER& header = holder.infoHeader;
    const SIZE image{header.biWidth, std::abs(header.biHeight)};
    const ULONGLONG bytes = static_cast<ULONGLONG>(header.biBitCount / 8) * static_cast<ULONGLONG>(image.cx) *
        static_cast<ULONGLONG>(image.cy);
    DWORD freeMB = 0;
    if (!freeSpace(outputFolder, &freeMB))
        return ShrinkFileResult::FreeSpaceUnknown;
    if (IsShrinkDiskLow(EstimateSaveSize(c.format, bytes, c.quality), freeMB))
        return ShrinkFileResult::DiskLow;
    const std::optional<SIZE> target = ShrinkTargetSize(image, c);
    if (!target)
        return ShrinkFileResult::Failed;
    // An output that fails is removed, unless it was there before (it may be
    // the input itself, and the writers keep a file they would replace).
    const bool existed = GetPathKind(output) != 0;
    const bool written = c.interpolation == 1 ? WriteSmooth(output, holder, *target, c, transparency)
                                              : WriteNearest(output, holder, *target, c, transparency);
    if (written)
        return ShrinkFileResult::Written;
    if (!existed && GetPathKind(output) == 1)
        QFile::remove(output);
    return ShrinkFileResult::Failed;
}
