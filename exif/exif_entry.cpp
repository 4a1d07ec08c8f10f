#include "exif/exif_entry.h"

bool IsExifIntegerType(WORD type)
{
    switch (type) {
    case kExifByte:
    case kExifShort:
    case kExifLong:
    case kExifSByte:
    case kExifUndefined:
    case kExifSShort:
    case kExifSLong:
        return true;
    default:
        return false;
    }
}

int ExifTypeSize(WORD type)
{
    switch (type) {
    case kExifByte:
    case kExifAscii:
    case kExifSByte:
    case kExifUndefined:
        return 1;
    case kExifShort:
    case kExifSShort:
        return 2;
    case kExifLong:
    case kExifSLong:
    case kExifFloat:
        return 4;
    case kExifRational:
    case kExifSRational:
    case kExifDouble:
        return 8;
    default:
        return 0;
    }
}

std::uint64_t ExifValueLength(WORD type, DWORD count)
{
    return static_cast<std::uint64_t>(count) * static_cast<std::uint64_t>(ExifTypeSize(type));
}

int GetExifValuePlacement(WORD type, DWORD count)
{
    const int size = ExifTypeSize(type);
    if (size == 0 || ExifValueLength(type, count) <= 4)
        return 1;
    return 2;
}
