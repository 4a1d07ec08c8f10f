#include "clip/image_transforms.h"

#include "imaging/dib_accessor.h"
#include "imaging/dib_helpers.h"
#include "imaging/dib_row_fit.h"
#include "imaging/load_bitmap_dup_mem.h"
#include "platform/dialog/msgbox.h"

#include <cstring>
#include <new>

namespace {

inline void CopyPixel(BYTE* d, const BYTE* s, int n)
{
    for (int k = 0; k < n; ++k)
        d[k] = s[k];
}

inline std::size_t Stride(int w, int n)
{
    return GetDibStride(n * 8, w);
}

}  // namespace

void MirrorRows(const BYTE* src, BYTE* dst, int w, int h, int n)
{
    const std::size_t stride = Stride(w, n);
    for (int y = 0; y < h; ++y) {
        const BYTE* s = src + y * stride;
        BYTE* d = dst + y * stride;
        for (int x = 0; x < w; ++x)
            CopyPixel(d + static_cast<std::size_t>(w - 1 - x) * n, s + static_cast<std::size_t>(x) * n, n);
    }
}

void FlipRows(const BYTE* src, BYTE* dst, int w, int h, int n)
{
    const std::size_t stride = Stride(w, n);
    for (int y = 0; y < h; ++y)
        std::memcpy(dst + static_cast<std::size_t>(h - 1 - y) * stride, src + y * stride,
            static_cast<std::size_t>(w) * n);
}

void RotateRowsRight(const BYTE* src, BYTE* dst, int w, int h, int n)
{
    const std::size_t srcStride = Stride(w, n);
    const std::size_t dstStride = Stride(h, n);
    for (int j = 0; j < w; ++j) {
        BYTE* d = dst + j * dstStride;
        const BYTE* column = src + static_cast<std::size_t>(w - 1 - j) * n;
        for (int i = 0; i < h; ++i)
            CopyPixel(d + static_cast<std::size_t>(i) * n, column + i * srcStride, n);
    }
}

void RotateRowsLeft(const BYTE* src, BYTE* dst, int w, int h, int n)
{
    const std::size_t srcStride = Stride(w, n);
    const std::size_t dstStride = Stride(h, n);
    for (int a = 0; a < w; ++a) {
        BYTE* d = dst + a * dstStride;
        for (int b = 0; b < h; ++b)
            CopyPixel(d + static_cast<std::size_t>(b) * n, src + (h - 1 - b) * srcStride + a * n, n);
    }
}

CHolderRotationHost::CHolderRotationHost(CLoadBitmapDlg_DupMem* holder, std::function<void(int)> takeImage)
    : m_holder(holder), m_takeImage(std::move(takeImage))
{
}

BYTE* CHolderRotationHost::AllocEditCopy(int w, int h, std::uint32_t bytes)
{
    return m_holder->AllocEditBuffer(w, h, bytes) ? m_holder->dup1Bits : nullptr;
}

int CHolderRotationHost::RebuildFromEditCopy()
{
    return m_holder->RestoreFromDup1();
}

void CHolderRotationHost::TakeImage(int rotated)
{
    if (m_takeImage)
        m_takeImage(rotated);
}

void CImageTransform::Attach(CDibAccessor* accessor)
{
    image = accessor;
    pixels = accessor ? accessor->bits : nullptr;
    bitCount = accessor ? accessor->bitCount : 0;
    width = accessor ? accessor->width : 0;
    height = accessor ? accessor->height : 0;
    work.reset();
    workSize = 0;
}

BYTE CImageTransform::Prepare(int w, int h, int outWidth, int outHeight)
{
    work.reset();
    workSize = 0;
    if (bitCount != 8 && bitCount != 24 && bitCount != 32)
        return kUnsupported;
    // The region is the attached image; another size would run past it.
    if (!pixels || w != width || h != height || !DibRowFits(bitCount, w) || !DibRowFits(bitCount, h))
        return kNoMemory;
    const std::size_t size = static_cast<std::size_t>(GetDibStride(bitCount, outWidth)) * outHeight;
    // Zeroed, so that row padding is defined.
    work.reset(new (std::nothrow) BYTE[size]());
    if (!work)
        return kNoMemory;
    workSize = size;
    return kDone;
}

void CImageTransform::Complete()
{
    // The finished pixels become the image and, as they are, the result copy.
    std::memcpy(pixels, work.get(), workSize);
    resultCopy = std::move(work);
    resultSize = workSize;
    workSize = 0;
}

BYTE CImageTransform::TransformInPlace(int w, int h, RowTransform rows)
{
    const BYTE code = Prepare(w, h, w, h);
    if (code != kDone)
        return code;
    rows(pixels, work.get(), w, h, bitCount / 8);
    Complete();
    return kDone;
}

BYTE CImageTransform::MirrorLeftRight(int w, int h)
{
    return TransformInPlace(w, h, MirrorRows);
}

BYTE CImageTransform::FlipUpsideDown(int w, int h)
{
    return TransformInPlace(w, h, FlipRows);
}

void CImageTransform::RestoreEditCopy(CRotationHost* host, int w, int h)
{
    // Turns the work buffer back into a new edit copy of the old size.
    const std::uint32_t bytes = GetDibStride(bitCount, w) * static_cast<std::uint32_t>(h);
    BYTE* copy = host->AllocEditCopy(w, h, bytes);
    if (copy)
        RotateRowsLeft(work.get(), copy, h, w, bitCount / 8);
    pixels = copy;
    host->TakeImage(0);
}

int CImageTransform::RotateRight90(int w, int h, CRotationHost* host)
{
    if (!host || Prepare(w, h, h, w) != kDone)
        return 0;
    const int n = bitCount / 8;
    RotateRowsRight(pixels, work.get(), w, h, n);
    BYTE* copy = host->AllocEditCopy(h, w, static_cast<std::uint32_t>(workSize));
    if (copy) {
        std::memcpy(copy, work.get(), workSize);
        if (!host->RebuildFromEditCopy())
            copy = nullptr;
    }
    if (!copy) {
        AfxMessageBox(QStringLiteral("編集用のメモリの確保に失敗しました。"));
        RestoreEditCopy(host, w, h);
        work.reset();
        workSize = 0;
        return 0;
    }
    width = h;
    height = w;
    pixels = copy;
    resultCopy = std::move(work);
    resultSize = workSize;
    workSize = 0;
    host->TakeImage(1);
    return 1;
}

void CImageTransform::FreeResultCopy()
{
    resultCopy.reset();
    resultSize = 0;
}
