// The highlight of what lies outside a selected range, pixel by pixel:
// darker or lighter by a level of 3..14. Pure functions over blocks of
// bitmap bits (rows of 24 or 32 bits in blue, green, red order, or of
// 16-bit little-endian words).
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr int kHighlightDarker = 1;
inline constexpr int kHighlightLighter = 2;

// The byte step of a level: 256 / (32 / level), that is 8 x level.
int HighlightStrength(int level);

// Style 2 lightens the blue, green and red bytes of every whole pixel
// (every step bytes from the start, row ends not treated apart); any other
// style darkens every byte of the block.
void HighlightBytes(std::uint8_t* bytes, std::size_t length, int step, int style, int level);
// The same for 16-bit pixels: red bits 11-15, green 6-10, blue 0-4 (bit 5 becomes 0).
void HighlightWords(std::uint8_t* bytes, std::size_t length, int style, int level);
// Sets the fourth byte of every 32-bit pixel to 0xFF (opaque again after darkening).
void SetFourthBytesOpaque(std::uint8_t* bytes, std::size_t length);
