#include "exif/exif_reader.h"

#include "exif/exif_file_io.h"
#include "exif/exif_tag_descriptions.h"
#include "exif/exif_value_decoders.h"
#include "platform/system/positioned_io.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>

namespace {

// The end marker of an embedded thumbnail lies within this many bytes of
// its stored end.
constexpr DWORD kThumbnailTailBytes = 16;

constexpr DWORD kMaxPrefixLength = 65535;  // the prefix length is a 16-bit number

// The value field as the reader keeps it: inline BYTE and SHORT values are
// left-justified in the field in both byte orders.
DWORD FieldValue(const ExifBlock& block, std::size_t fieldPos, WORD type, DWORD count)
{
    if (GetExifValuePlacement(type, count) == 1) {
        switch (type) {
        case kExifByte:
        case kExifSByte:
        case kExifUndefined:
            return *block.At(fieldPos);
        case kExifShort:
        case kExifSShort:
            return block.Word(fieldPos);
        default:
            break;
        }
    }
    return block.Long(fieldPos);
}

// The value of the first entry with the tag in the directory, if any.
std::optional<DWORD> FindRawValue(const ExifBlock& block, DWORD dir, WORD tag)
{
    const DWORD n = ExifDirectoryEntryCount(block, dir);
    for (DWORD i = 0; i < n; ++i) {
        const std::size_t pos = dir + 2 + kExifEntrySize * i;
        if (block.Word(pos) == tag)
            return FieldValue(block, pos + 8, block.Word(pos + 2), block.Long(pos + 4));
    }
    return std::nullopt;
}

}  // namespace

CExifReader::CExifReader() : m_tagTable(ExifDisplaySettings.mask, ExifClearSettings.mask)
{
}

ExifBlock CExifReader::Block()
{
    return ExifBlock(reinterpret_cast<BYTE*>(m_prefix.data()) + m_tiffPosition,
        m_prefixLength - m_tiffPosition, m_littleEndian);
}

int CExifReader::LoadPrefix(const QString& path)
{
    ReleasePrefix();
    ExifFileHandle file(path, O_RDONLY);
    if (file.Get() < 0)
        return 0;
    BYTE start[6];
    if (!ReadExactlyAt(file.Get(), start, sizeof start, 0))
        return 0;
    if (start[0] != 0xFF || start[1] != 0xD8 || start[2] != 0xFF || (start[3] != 0xE0 && start[3] != 0xE1))
        return 0;
    const DWORD app1 = start[3] == 0xE0 ? 4 + ((DWORD{start[4]} << 8) | start[5]) : 2;

    BYTE head[18];
    if (!ReadExactlyAt(file.Get(), head, sizeof head, app1))
        return 0;
    if (head[0] != 0xFF || head[1] != 0xE1 || std::memcmp(head + 4, "Exif\0\0", 6) != 0)
        return 0;
    if (head[10] != head[11] || (head[10] != 'I' && head[10] != 'M'))
        return 0;
    const DWORD app1Length = (DWORD{head[2]} << 8) | head[3];
    const DWORD prefixLength = app1 + app1Length + 2;
    // The segment must hold its own header and the TIFF header.
    if (app1Length < 16 || prefixLength > kMaxPrefixLength)
        return 0;

    QByteArray prefix(static_cast<qsizetype>(prefixLength), Qt::Uninitialized);
    if (!ReadExactlyAt(file.Get(), prefix.data(), prefixLength, 0))
        return 0;
    m_littleEndian = head[10] == 'I';
    m_app1Length = app1Length;
    m_prefixLength = prefixLength;
    m_tiffPosition = app1 + 10;
    m_ifd0Offset = ExifLongFrom(head + 14, m_littleEndian);
    m_prefix = prefix;
    return 1;
}

void CExifReader::ReleasePrefix()
{
    m_prefix.clear();
    m_prefix.squeeze();
    m_prefixLength = 0;
    m_tiffPosition = 0;
}

CExifReader::Directories CExifReader::LocateDirectories()
{
    Directories d;
    const ExifBlock block = Block();
    const DWORD ifd0 = m_ifd0Offset;
    if (!block.Contains(ifd0, 2))
        return d;
    d.at[0] = ifd0;
    const std::uint64_t nextPos = std::uint64_t{ifd0} + 2 + std::uint64_t{kExifEntrySize} * block.Word(ifd0);
    if (block.Contains(nextPos, 4)) {
        const DWORD next = block.Long(nextPos);
        if (next != 0)
            d.at[1] = next;
    }
    d.at[2] = FindRawValue(block, ifd0, kExifIfdPointer);
    d.at[3] = FindRawValue(block, ifd0, kExifGpsIfdPointer);
    return d;
}

void CExifReader::DecodeDirectory(ExifDirectory dir, DWORD offset)
{
    const ExifBlock block = Block();
    const bool gps = dir == ExifDirectory::Gps;
    const DWORD n = ExifDirectoryEntryCount(block, offset);
    std::vector<ExifTagEntry>& table = m_entries[static_cast<int>(dir)];
    table.resize(n);
    for (DWORD i = 0; i < n; ++i) {
        const std::size_t pos = offset + 2 + kExifEntrySize * i;
        ExifTagEntry& e = table[i];
        e.location = static_cast<DWORD>(m_tiffPosition + pos);
        e.tag = block.Word(pos);
        e.type = block.Word(pos + 2);
        e.count = block.Long(pos + 4);
        std::memcpy(e.field.data(), block.At(pos + 8), 4);
        e.value = FieldValue(block, pos + 8, e.type, e.count);
        e.description = GetExifTagDescription(e.tag, 100);
        DecodeExifValue(e, block, gps);
    }
}

int CExifReader::ReadFile(const QString& path)
{
    for (auto& table : m_entries)
        table.clear();
    if (!LoadPrefix(path))
        return 0;
    const Directories dirs = LocateDirectories();
    if (!dirs.at[0]) {
        ReleasePrefix();
        return 0;
    }
    for (int i = 0; i < 4; ++i) {
        if (dirs.at[i])
            DecodeDirectory(static_cast<ExifDirectory>(i), *dirs.at[i]);
    }
    ReleasePrefix();
    return 1;
}

const ExifTagEntry* CExifReader::FindEntry(WORD tag, bool gps) const
{
    const auto find = [tag](const std::vector<ExifTagEntry>& table) -> const ExifTagEntry* {
        for (const ExifTagEntry& e : table) {
            if (e.tag == tag)
                return &e;
        }
        return nullptr;
    };
    if (gps)
        return find(Entries(ExifDirectory::Gps));
    if (const ExifTagEntry* e = find(Entries(ExifDirectory::Ifd0)))
        return e;
    return find(Entries(ExifDirectory::Exif));
}

const BYTE* CExifReader::GetThumbnail(const QString& path, DWORD* size)
{
    if (size)
        *size = 0;
    if (!LoadPrefix(path))
        return nullptr;
    const Directories dirs = LocateDirectories();
    if (!dirs.at[1])
        return nullptr;
    const ExifBlock block = Block();
    const std::optional<DWORD> offset = FindRawValue(block, *dirs.at[1], kExifThumbnailOffset);
    const std::optional<DWORD> length = FindRawValue(block, *dirs.at[1], kExifThumbnailLength);
    if (!offset || !length || *length < 4 || !block.Contains(*offset, *length))
        return nullptr;
    const BYTE* data = block.At(*offset);
    if (data[0] != 0xFF || data[1] != 0xD8)
        return nullptr;
    // Some cameras store a length that counts a few padding bytes after the
    // end marker: the marker may lie within the last 16 bytes, and the
    // thumbnail ends with it.
    DWORD end = *length;
    const DWORD lowest = *length >= kThumbnailTailBytes + 4 ? *length - kThumbnailTailBytes + 2 : 4;
    while (end >= lowest && !(data[end - 2] == 0xFF && data[end - 1] == 0xD9))
        --end;
    if (end < lowest)
        return nullptr;
    if (size)
        *size = end;
    return data;
}
