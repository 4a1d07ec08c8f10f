// Bounds-checked access to the TIFF structure inside the EXIF segment. Every
// offset and count read from the file goes through Contains() before use, so
// nothing outside the block is ever read or written.
#pragma once

#include "platform/types/types.h"

#include <cstddef>
#include <cstdint>

class ExifBlock {
public:
    ExifBlock() = default;
    ExifBlock(BYTE* data, std::size_t size, bool littleEndian)
        : m_data(data), m_size(size), m_littleEndian(littleEndian)
    {
    }

    std::size_t Size() const { return m_size; }
    bool LittleEndian() const { return m_littleEndian; }

    // True when [offset, offset + length) lies inside the block.
    bool Contains(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= m_size && length <= m_size - offset;
    }

    // Readers and writers at an offset the caller has checked with Contains().
    const BYTE* At(std::size_t offset) const { return m_data + offset; }
    BYTE* MutableAt(std::size_t offset) { return m_data + offset; }
    WORD Word(std::size_t offset) const;
    DWORD Long(std::size_t offset) const;
    void PutLong(std::size_t offset, DWORD value);

private:
    BYTE* m_data = nullptr;
    std::size_t m_size = 0;
    bool m_littleEndian = true;
};

// Numbers in the given byte order from raw bytes.
WORD ExifWordFrom(const BYTE* bytes, bool littleEndian);
DWORD ExifLongFrom(const BYTE* bytes, bool littleEndian);

// Bytes of one directory entry: tag, type, count, value field.
constexpr unsigned kExifEntrySize = 12;

// Number of whole entries of the directory at offset that lie inside the
// block (the declared count, cut where the block ends); 0 when not even the
// count lies inside.
DWORD ExifDirectoryEntryCount(const ExifBlock& block, DWORD offset);
