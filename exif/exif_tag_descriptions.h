// The tags the reader knows, one row each: the Japanese description, how the
// value is decoded and how the line of a shown tag is made. Adding a tag is
// adding its row. Also the character-code prefix of coded EXIF texts.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <span>

// How the value of a tag is decoded.
enum class ExifDecoder : BYTE {
    None,            // the raw entry only
    Text,            // text in the Japanese multibyte code
    TextPair,        // two such texts one after the other (photographer, editor)
    Version,         // four characters; in the GPS directory four digits
    Components,      // the component order
    MakerNote,       // inline bytes or text
    CodedText,       // an 8-byte character-code prefix, then the text
    Utf16Text,       // a 4-byte prefix, then UTF-16 text
    Enumeration,     // a number with the text of its value
    Flash,           // the flash bits in words
    Rational,        // one rational
    SignedRational,  // one signed rational
    RationalArray,   // count rationals
    Integer,         // the value field as a number
    NorthSouth,      // a reference letter N or S
    EastWest,        // a reference letter E or W
};

// How the line of a shown tag is made in the EXIF information window.
enum class ExifLine : BYTE {
    None,         // the tag has no line
    Text,         // the decoded text
    Rational,     // the number with four decimals
    Integer,      // the whole number
    Lens,         // the lens's four figures: shortest and longest focal length, their apertures
    GpsPosition,  // reference and coordinate of latitude and longitude (tag and the next three)
    GpsAltitude,  // the altitude with the sign of its reference
    GpsTime,      // the raw numerators and denominators of hour, minute and second
};

// The text of one value of an enumerated tag.
struct ExifValueText {
    LONG value;
    const char16_t* text;
};

struct ExifTagInfo {
    WORD tag;
    ExifDecoder decoder;
    ExifLine line;
    const char16_t* description;
    std::span<const ExifValueText> values = {};  // Enumeration: the texts of the known values
};

// The tags the reader, the formatter and the clearer name in their own logic.
inline constexpr WORD kExifGpsLatitudeRef = 1;
inline constexpr WORD kExifGpsLatitude = 2;
inline constexpr WORD kExifGpsLongitudeRef = 3;
inline constexpr WORD kExifGpsLongitude = 4;
inline constexpr WORD kExifGpsAltitudeRef = 5;
inline constexpr WORD kExifGpsAltitude = 6;
inline constexpr WORD kExifGpsDestLatitudeRef = 19;
inline constexpr WORD kExifGpsDestLatitude = 20;
inline constexpr WORD kExifGpsDestLongitudeRef = 21;
inline constexpr WORD kExifGpsDestLongitude = 22;
inline constexpr WORD kExifThumbnailOffset = 513;
inline constexpr WORD kExifThumbnailLength = 514;
inline constexpr WORD kExifExposureTime = 33434;
inline constexpr WORD kExifIfdPointer = 34665;
inline constexpr WORD kExifGpsIfdPointer = 34853;
inline constexpr WORD kExifBrightness = 37379;
inline constexpr WORD kExifSubjectDistance = 37382;
inline constexpr WORD kExifFocalLength = 37386;
inline constexpr WORD kExifDigitalZoom = 41988;

// The GPS tags: 0 to 31, numbers that mean other things outside the GPS directory.
inline constexpr WORD kExifLastGpsTag = 31;
inline bool IsExifGpsTag(WORD tag)
{
    return tag <= kExifLastGpsTag;
}

// The row of a known tag; null for any other tag.
const ExifTagInfo* FindExifTag(WORD tag);
// The row of a tag found in a directory: a GPS tag only in the GPS directory
// (gps), any other tag only outside it.
const ExifTagInfo* FindExifTagIn(WORD tag, bool gps);

// The description of a tag; "un support tag no" for a tag outside the table.
// At most maxChars characters are returned (the fixed buffer of the callers).
QString GetExifTagDescription(WORD tag, int maxChars = 100);

// Whether the tag is one of the known tags.
bool IsKnownExifTag(WORD tag);

// The number of known tags and the i-th of them in ascending order.
int KnownExifTagCount();
WORD KnownExifTagAt(int index);

// Character code of an 8-byte EXIF text prefix: 1 ASCII, 2 JIS, 3 UNICODE,
// 4 undefined (anything else).
int GetExifCharCode(const BYTE* prefix8);
