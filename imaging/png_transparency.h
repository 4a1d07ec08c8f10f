// The transparency (tRNS) and background colour (bKGD) of a PNG image: read
// with the image, kept by its owner and written back when it is saved.
#pragma once

#include "platform/types/types.h"

#include <cstdint>

// The library's 16-bit colour record: palette index, then red, green, blue
// and grey. Every field is all ones when unset.
struct PngColor16 {
    BYTE index = 0xFF;
    WORD red = 0xFFFF;
    WORD green = 0xFFFF;
    WORD blue = 0xFFFF;
    WORD gray = 0xFFFF;

    friend bool operator==(const PngColor16&, const PngColor16&) = default;
};

class CPngTransparency {
public:
    enum Kind : BYTE { kNone = 0, kAlphaTable = 1, kColorKey = 2 };

    CPngTransparency() = default;
    ~CPngTransparency();
    CPngTransparency(const CPngTransparency& other);
    CPngTransparency& operator=(const CPngTransparency& other);

    // Count 0, no table, transparent colour unset, kind 0; the background stays.
    void Clear();
    // Takes a file's tRNS: an alpha table of 2, 16 or 256 entries with exactly
    // one 0 (kind 1) or a colour key (kind 2); anything else clears.
    void SetFromPng(int count, const BYTE* alphaTable, const PngColor16* color);
    void SetBackground(const PngColor16& color) { backgroundColor = color; }
    // The key colour chosen for a clip: index -1 makes a colour key, any other
    // index a 256-entry table with only that entry transparent.
    void SetTransparentIndex(int index, COLORREF color);
    bool HasTransparency() const { return kind == kAlphaTable || kind == kColorKey; }
    bool HasBackground() const { return !(backgroundColor == PngColor16{}); }

    BYTE kind = kNone;
    std::int32_t count = 0;
    BYTE* alphaTable = nullptr;
    PngColor16 transparentColor;
    PngColor16 backgroundColor;
};
