// One decoded entry of a TIFF directory inside a JPEG file's EXIF block, and
// the facts about TIFF value types that the reader and the clearer share.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// TIFF value types.
enum ExifType : WORD {
    kExifByte = 1,
    kExifAscii = 2,
    kExifShort = 3,
    kExifLong = 4,
    kExifRational = 5,
    kExifSByte = 6,
    kExifUndefined = 7,
    kExifSShort = 8,
    kExifSLong = 9,
    kExifSRational = 10,
    kExifFloat = 11,
    kExifDouble = 12,
};

// The types whose value is a whole number (BYTE, SHORT, LONG, their signed
// kinds, and one UNDEFINED byte).
bool IsExifIntegerType(WORD type);

// Bytes of one value of the type; 0 for a type TIFF does not define.
int ExifTypeSize(WORD type);

// Where the value of an entry lies: 1 inside the entry's 4-byte field (also
// for unknown types), 2 at the offset the field holds.
int GetExifValuePlacement(WORD type, DWORD count);

// Byte length of the whole value (count x size), without 32-bit overflow.
std::uint64_t ExifValueLength(WORD type, DWORD count);

struct ExifTagEntry {
    DWORD location = 0;  // position of the raw 12-byte entry in the loaded prefix
    WORD tag = 0;
    WORD type = 0;
    DWORD count = 0;
    DWORD value = 0;              // the value field as a number; BYTE and SHORT values left-justified
    std::array<BYTE, 4> field{};  // the value field's bytes in file order
    QString description;
    QString text;               // the decoded value as text; null when the tag has no text
    double number = 0.0;        // rationals
    LONG integer = 0;           // integers, enumerations, the character code of coded texts
    std::vector<DWORD> values;  // rational numerator/denominator pairs
};
