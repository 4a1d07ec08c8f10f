// Japanese descriptions of the EXIF, TIFF and GPS tags the reader knows, and
// the character-code prefix of coded EXIF texts.
#pragma once

#include "platform/types/types.h"

#include <QString>

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
