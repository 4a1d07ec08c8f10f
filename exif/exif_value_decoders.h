// Turns the value of one directory entry into its text, number, integer or
// array, by the decoder its tag's row names (exif_tag_descriptions.h). Values are read only inside the block;
// a value that does not lie wholly inside it is treated as absent.
#pragma once

#include "exif/exif_block.h"
#include "exif/exif_entry.h"

// gps: the entry belongs to the GPS directory (whose tag numbers 0 to 31
// mean other things elsewhere).
void DecodeExifValue(ExifTagEntry& entry, const ExifBlock& block, bool gps);

// The prefix length of a coded text tag: 8 (a character code) for a
// CodedText tag, 4 for a Utf16Text tag, 0 for any other tag.
int ExifCodedTextPrefixLength(WORD tag, bool gps);
