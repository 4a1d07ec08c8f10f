// Blanking chosen EXIF values inside a JPEG file. The blanked bytes are
// written back over the same place: the file keeps its length and every byte
// outside the values, and nothing outside the EXIF block is written.
#include "exif/exif_reader.h"

#include "exif/exif_file_io.h"
#include "exif/exif_tag_descriptions.h"
#include "exif/exif_value_decoders.h"
#include "platform/system/positioned_io.h"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The tags one clear item stands for. The altitude item clears the altitude
// value; the position items clear both coordinates with their references, so
// that a cleared position does not stay in the file.
std::vector<WORD> TagsClearedBy(WORD tag)
{
    switch (tag) {
    case kExifGpsAltitudeRef:
        return {kExifGpsAltitude};
    case kExifGpsLatitudeRef:
        return {kExifGpsLatitudeRef, kExifGpsLatitude, kExifGpsLongitudeRef, kExifGpsLongitude};
    case kExifGpsDestLatitudeRef:
        return {
            kExifGpsDestLatitudeRef, kExifGpsDestLatitude, kExifGpsDestLongitudeRef, kExifGpsDestLongitude};
    default:
        return {tag};
    }
}

}  // namespace

int CExifReader::ClearSelectedTags(const QString& path)
{
    if (!LoadPrefix(path))
        return 0;
    const Directories dirs = LocateDirectories();
    const QByteArray original = m_prefix;
    ExifBlock block = Block();  // detaches: original keeps the bytes as read
    bool blanked = false;
    for (const CExifTagTable::Item& item : m_tagTable.Items()) {
        if (!item.clear)
            continue;
        for (WORD tag : TagsClearedBy(item.tag)) {
            for (int d = 0; d < 4; ++d) {
                if (!dirs.at[d])
                    continue;
                const DWORD dir = *dirs.at[d];
                const DWORD n = ExifDirectoryEntryCount(block, dir);
                for (DWORD i = 0; i < n; ++i) {
                    const std::size_t pos = dir + 2 + kExifEntrySize * i;
                    if (block.Word(pos) == tag)
                        blanked =
                            BlankEntry(block, pos, d == static_cast<int>(ExifDirectory::Gps)) || blanked;
                }
            }
        }
    }
    const int result = blanked ? WriteBlock(path, original) : 0;
    ReleasePrefix();
    return result;
}

bool CExifReader::BlankEntry(ExifBlock& block, std::size_t position, bool gps)
{
    const WORD tag = block.Word(position);
    const WORD type = block.Word(position + 2);
    const DWORD count = block.Long(position + 4);
    BYTE* field = block.MutableAt(position + 8);
    if (GetExifValuePlacement(type, count) == 1) {
        if (type == kExifAscii)
            std::memcpy(field, "---\0", 4);
        else
            std::memset(field, 0, 4);
        return true;
    }
    return BlankExifValueAt(block, tag, type, count, block.Long(position + 8), gps);
}

bool CExifReader::BlankExifValueAt(ExifBlock& block, WORD tag, WORD type, DWORD count, DWORD offset, bool gps)
{
    const std::uint64_t length = ExifValueLength(type, count);
    if (!block.Contains(offset, length))
        return false;  // a value outside the EXIF block is never written
    BYTE* value = block.MutableAt(offset);
    if (ExifCodedTextPrefixLength(tag, gps) != 0 && count > 7 && length >= 8 && GetExifCharCode(value) == 3) {
        std::memcpy(value, "ASCII\0\0\0", 8);
        std::memset(value + 8, '-', length - 8);
        return true;
    }
    switch (type) {
    case kExifAscii:
        std::memset(value, '-', length - 1);
        value[length - 1] = 0;
        return true;
    case kExifUndefined:
        std::memset(value, '-', length);
        return true;
    case kExifRational:
    case kExifSRational: {
        const DWORD numerator = ExifClearSettings.clearValue == 1 ? 0 : 1;
        for (std::uint64_t i = 0; i < count; ++i) {
            block.PutLong(offset + 8 * i, numerator);
            block.PutLong(offset + 8 * i + 4, 1);
        }
        return true;
    }
    default:
        if (ExifTypeSize(type) == 0)
            return false;
        std::memset(value, 0, length);
        return true;
    }
}

int CExifReader::WriteBlock(const QString& path, const QByteArray& original)
{
    ExifFileHandle file(path, O_RDWR);
    if (file.Get() < 0)
        return 1;
    struct stat info { };
    QByteArray onDisk(m_prefix.size(), Qt::Uninitialized);
    // The file must still be the one that was read.
    bool ok = ::fstat(file.Get(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= m_prefix.size() &&
        ReadExactlyAt(file.Get(), onDisk.data(), static_cast<std::size_t>(onDisk.size()), 0) &&
        onDisk == original;
    // Only the bytes that changed are written.
    qsizetype first = 0;
    while (first < m_prefix.size() && m_prefix[first] == original[first])
        ++first;
    qsizetype last = m_prefix.size() - 1;
    while (last > first && m_prefix[last] == original[last])
        --last;
    if (ok && first < m_prefix.size()) {
        const std::size_t length = static_cast<std::size_t>(last - first + 1);
        if (!WriteAllAt(file.Get(), m_prefix.constData() + first, length, first)) {
            WriteAllAt(file.Get(), original.constData() + first, length, first);  // put back what was there
            ok = false;
        }
    }
    if (!file.Close())
        ok = false;
    return ok ? 2 : 1;
}
