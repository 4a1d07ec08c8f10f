#include "exif/exif_block.h"

WORD ExifWordFrom(const BYTE* b, bool littleEndian)
{
    return littleEndian ? static_cast<WORD>(b[0] | (b[1] << 8)) : static_cast<WORD>((b[0] << 8) | b[1]);
}

DWORD ExifLongFrom(const BYTE* b, bool littleEndian)
{
    const DWORD b0 = b[0], b1 = b[1], b2 = b[2], b3 = b[3];
    return littleEndian ? (b0 | (b1 << 8) | (b2 << 16) | (b3 << 24))
                        : ((b0 << 24) | (b1 << 16) | (b2 << 8) | b3);
}

WORD ExifBlock::Word(std::size_t offset) const
{
    return ExifWordFrom(m_data + offset, m_littleEndian);
}

DWORD ExifBlock::Long(std::size_t offset) const
{
    return ExifLongFrom(m_data + offset, m_littleEndian);
}

void ExifBlock::PutLong(std::size_t offset, DWORD value)
{
    BYTE* p = m_data + offset;
    for (int i = 0; i < 4; ++i) {
        const int shift = m_littleEndian ? 8 * i : 8 * (3 - i);
        p[i] = static_cast<BYTE>(value >> shift);
    }
}

DWORD ExifDirectoryEntryCount(const ExifBlock& block, DWORD offset)
{
    if (!block.Contains(offset, 2))
        return 0;
    const DWORD declared = block.Word(offset);
    const DWORD room = static_cast<DWORD>((block.Size() - offset - 2) / kExifEntrySize);
    return declared < room ? declared : room;
}
