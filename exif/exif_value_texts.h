// Fixed Japanese value texts: enumerations, the flash mode, the component
// order, GPS references, and the conversion of the file's 8-bit texts.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <cstddef>

// The text of an enumerated value of one of the enumeration tags; "不明" for
// a value outside the tag's list.
QString ExifEnumerationText(WORD tag, LONG value);

// The flash mode (tag 37385) in words, from the EXIF flash bits.
QString ExifFlashText(DWORD value);

// The component order (tag 37121): "Y", "Cb", "Cr", ... for the four bytes.
QString ExifComponentText(const BYTE* field4);

// "北緯"/"南緯" (north = true) or "東経"/"西経" from a reference letter; "不明"
// for any other letter.
QString ExifGpsReferenceText(char letter, bool north);

// Text in the Japanese multibyte code, up to the first NUL. Bytes that do not
// form valid text keep their ASCII characters and show others as '?'.
QString DecodeExifMultiByte(const BYTE* bytes, std::size_t length);

// UTF-16 little-endian text of whole characters, up to the first NUL.
QString DecodeExifUtf16(const BYTE* bytes, std::size_t length);

// Bytes as characters one to one, up to the first NUL.
QString DecodeExifLatin1(const BYTE* bytes, std::size_t length);
