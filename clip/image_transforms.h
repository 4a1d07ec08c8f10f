// Mirror, flip and quarter turn to the right of the view stage's image,
// through a work buffer. The pixels of the last completed transform are kept
// as the result copy, the unadjusted base for colour adjustment.
#pragma once

#include "platform/types/dib_types.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

class CDibAccessor;
class CLoadBitmapDlg_DupMem;

// What a quarter turn needs of the stage: the holder's edit copy for the new
// size, the image rebuilt from it, and the stage taking the changed image.
class CRotationHost {
public:
    virtual ~CRotationHost() = default;
    // Replaces the edit copy by a w x h block of bytes; the block, or null
    // when memory runs out.
    virtual BYTE* AllocEditCopy(int w, int h, std::uint32_t bytes) = 0;
    // Rebuilds the holder's image from the edit copy; 1, or 0 (unchanged).
    virtual int RebuildFromEditCopy() = 0;
    // The edit copy moved (rotated 1: and the image turned): the stage
    // re-attaches its pixel view and the transform.
    virtual void TakeImage(int rotated) = 0;
};

// The host over the stage's holder; takeImage is the stage's part.
class CHolderRotationHost : public CRotationHost {
public:
    CHolderRotationHost(CLoadBitmapDlg_DupMem* holder, std::function<void(int rotated)> takeImage);
    BYTE* AllocEditCopy(int w, int h, std::uint32_t bytes) override;
    int RebuildFromEditCopy() override;
    void TakeImage(int rotated) override;

private:
    CLoadBitmapDlg_DupMem* m_holder;
    std::function<void(int)> m_takeImage;
};

class CImageTransform {
public:
    // Result codes of the mirror and the flip.
    static constexpr BYTE kDone = 1;
    static constexpr BYTE kNoMemory = 2;  // no memory, no pixels, or a size not the image's
    static constexpr BYTE kUnsupported = 3;

    void Attach(CDibAccessor* accessor);
    BYTE MirrorLeftRight(int w, int h);
    BYTE FlipUpsideDown(int w, int h);
    // A quarter turn clockwise: output (x', y') is source (y', H - 1 - x') in
    // picture terms. 1 done, 0 failed (the message shown when the new edit
    // copy could not be had); a failure leaves size, pixels and result copy
    // as they were.
    int RotateRight90(int w, int h, CRotationHost* host);
    void FreeResultCopy();

    const BYTE* ResultCopy() const { return resultCopy.get(); }
    std::size_t ResultCopySize() const { return resultSize; }

    CDibAccessor* image = nullptr;
    BYTE* pixels = nullptr;
    int bitCount = 0;
    int width = 0;
    int height = 0;

private:
    using RowTransform = void (*)(const BYTE* src, BYTE* dst, int w, int h, int n);

    BYTE Prepare(int w, int h, int outWidth, int outHeight);
    // Prepare, rows into the work buffer, Complete: a transform that keeps the size.
    BYTE TransformInPlace(int w, int h, RowTransform rows);
    void Complete();
    void RestoreEditCopy(CRotationHost* host, int w, int h);

    std::unique_ptr<BYTE[]> work;
    std::size_t workSize = 0;
    std::unique_ptr<BYTE[]> resultCopy;
    std::size_t resultSize = 0;
};

// Row-level helpers on bottom-up rows padded to 4 bytes (n bytes per pixel).
void MirrorRows(const BYTE* src, BYTE* dst, int w, int h, int n);
void FlipRows(const BYTE* src, BYTE* dst, int w, int h, int n);
// Quarter turn right of a w x h source into an h x w output.
void RotateRowsRight(const BYTE* src, BYTE* dst, int w, int h, int n);
// The inverse: a quarter turn left of a w x h source into an h x w output.
void RotateRowsLeft(const BYTE* src, BYTE* dst, int w, int h, int n);
