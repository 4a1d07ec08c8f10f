// Colour adjustment of the view stage's image: a signed offset per channel
// added to a saved, unadjusted copy of the pixels (24 and 32 bits) or of the
// palette (8 bits), written into the image.
#pragma once

#include "platform/types/dib_types.h"

#include <cstddef>
#include <memory>

class CDibAccessor;

// v + offset, clamped to 0..255.
BYTE AdjustChannel(int v, int offset);

class CColorAdjust {
public:
    static constexpr int kMaxOffset = 127;
    static constexpr int kPaletteBytes = 256 * 4;
    // Channel bits of a change request.
    static constexpr int kRed = 1;
    static constexpr int kGreen = 2;
    static constexpr int kBlue = 4;

    void SetImage(CDibAccessor* accessor) { image = accessor; }
    // Frees any previous copy and allocates one for the attached image: the
    // palette at 8 bits, else height x stride bytes, for the caller to fill.
    // Null without an image or when memory runs out.
    BYTE* AllocSaved();
    void FreeSaved();
    // FreeSaved, offsets 0, image detached.
    void Reset();
    // Stores value (limited to -kMaxOffset..kMaxOffset) into every channel named in
    // channels; 1 when an offset changed.
    int SetOffsets(int value, int channels);

    // Writes the adjusted saved pixels into dst (the image's layout). Nothing
    // happens without an image, a copy made for the image as it is now, or dst.
    void ApplyToPixels(BYTE* dst) const;
    // Writes the adjusted saved palette into dst (256 entries); the reserved
    // byte is copied unchanged.
    void ApplyToPalette(RGBQUAD* dst) const;

    BYTE* Saved() const { return saved.get(); }
    std::size_t SavedSize() const { return savedSize; }
    // Bytes of the saved copy the attached image needs; 0 without one.
    std::size_t RequiredSize() const;

    CDibAccessor* image = nullptr;
    int redOffset = 0;
    int greenOffset = 0;
    int blueOffset = 0;

private:
    bool CopyFitsImage() const;

    std::unique_ptr<BYTE[]> saved;
    std::size_t savedSize = 0;
    // The image the copy was made for.
    int savedWidth = 0;
    int savedHeight = 0;
    int savedBitCount = 0;
};
