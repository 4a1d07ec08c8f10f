// Turns the value of one directory entry into its text, number, integer or
// array, by the decoder of its tag. Values are read only inside the block;
// a value that does not lie wholly inside it is treated as absent.
#pragma once

#include "exif/exif_block.h"
#include "exif/exif_entry.h"

// gps: the entry belongs to the GPS directory (whose tag numbers 0 to 31
// mean other things elsewhere).
void DecodeExifValue(ExifTagEntry& entry, const ExifBlock& block, bool gps);

// The 8-byte character-code prefix length of a coded text tag (37510, GPS 27
// and 28), 4 for 41995, 0 for any other tag.
int ExifCodedTextPrefixLength(WORD tag, bool gps);
