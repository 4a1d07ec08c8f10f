#include "tests/support/exif_builder.h"

#include <QFile>
#include <algorithm>

ExifBuilder::ExifBuilder(bool littleEndian) : m_little(littleEndian)
{
}

QByteArray ExifBuilder::U16(WORD v) const
{
    QByteArray b(2, '\0');
    b[m_little ? 0 : 1] = static_cast<char>(v & 0xFF);
    b[m_little ? 1 : 0] = static_cast<char>(v >> 8);
    return b;
}

QByteArray ExifBuilder::U32(DWORD v) const
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[m_little ? i : 3 - i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
}

ExifBuilder& ExifBuilder::Add(Dir dir, WORD tag, WORD type, DWORD count, const QByteArray& value)
{
    m_dirs[dir].push_back({tag, type, count, value, false, 0});
    return *this;
}

ExifBuilder& ExifBuilder::Raw(Dir dir, WORD tag, WORD type, DWORD count, DWORD field)
{
    m_dirs[dir].push_back({tag, type, count, QByteArray(), true, field});
    return *this;
}

ExifBuilder& ExifBuilder::Ascii(Dir dir, WORD tag, const QByteArray& text)
{
    QByteArray bytes = text;
    bytes.append('\0');
    return Add(dir, tag, 2, static_cast<DWORD>(bytes.size()), bytes);
}

ExifBuilder& ExifBuilder::Byte(Dir dir, WORD tag, BYTE value)
{
    return Add(dir, tag, 1, 1, QByteArray(1, static_cast<char>(value)));
}

ExifBuilder& ExifBuilder::Short(Dir dir, WORD tag, WORD value)
{
    return Add(dir, tag, 3, 1, U16(value));
}

ExifBuilder& ExifBuilder::Long(Dir dir, WORD tag, DWORD value)
{
    return Add(dir, tag, 4, 1, U32(value));
}

ExifBuilder& ExifBuilder::Undefined(Dir dir, WORD tag, const QByteArray& bytes)
{
    return Add(dir, tag, 7, static_cast<DWORD>(bytes.size()), bytes);
}

ExifBuilder& ExifBuilder::Rationals(
    Dir dir, WORD tag, const std::vector<std::pair<DWORD, DWORD>>& values, bool isSigned)
{
    QByteArray bytes;
    for (const auto& [n, d] : values)
        bytes += U32(n) + U32(d);
    return Add(dir, tag, isSigned ? 10 : 5, static_cast<DWORD>(values.size()), bytes);
}

ExifBuilder& ExifBuilder::CodedText(Dir dir, WORD tag, const QByteArray& code, const QByteArray& bytes)
{
    QByteArray prefix = code.left(8);
    prefix.append(QByteArray(8 - prefix.size(), '\0'));
    return Undefined(dir, tag, prefix + bytes);
}

ExifBuilder& ExifBuilder::Thumbnail(const QByteArray& jpeg)
{
    // 513 is placed as a data offset later; 514 is its length.
    m_dirs[Ifd1].push_back({513, 4, 1, jpeg, false, 0});
    return Long(Ifd1, 514, static_cast<DWORD>(jpeg.size()));
}

ExifBuilder& ExifBuilder::App0(int length)
{
    m_app0 = length;
    return *this;
}

bool ExifBuilder::Present(Dir dir) const
{
    const auto it = m_dirs.find(dir);
    return it != m_dirs.end() && !it->second.empty();
}

std::vector<ExifBuilder::Entry> ExifBuilder::Entries(Dir dir) const
{
    std::vector<Entry> list;
    if (const auto it = m_dirs.find(dir); it != m_dirs.end())
        list = it->second;
    if (dir == Ifd0) {
        // Pointers to the Exif and GPS directories; their values are set at layout.
        if (Present(Exif))
            list.push_back({34665, 4, 1, QByteArray(), true, 0});
        if (Present(Gps))
            list.push_back({34853, 4, 1, QByteArray(), true, 0});
    }
    std::stable_sort(list.begin(), list.end(), [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
    return list;
}

int ExifBuilder::DirectoryOffset(Dir dir) const
{
    int offset = 8;
    for (Dir d : {Ifd0, Exif, Gps, Ifd1}) {
        if (d != Ifd0 && !Present(d))
            continue;
        if (d == dir)
            return offset;
        offset += 2 + 12 * static_cast<int>(Entries(d).size()) + 4;
    }
    return -1;
}

QByteArray ExifBuilder::Tiff() const
{
    QByteArray tiff = m_little ? QByteArray("II") : QByteArray("MM");
    tiff += U16(42) + U32(8);
    int dataOffset = 8;
    for (Dir d : {Ifd0, Exif, Gps, Ifd1}) {
        if (d == Ifd0 || Present(d))
            dataOffset += 2 + 12 * static_cast<int>(Entries(d).size()) + 4;
    }
    QByteArray data;
    for (Dir d : {Ifd0, Exif, Gps, Ifd1}) {
        if (d != Ifd0 && !Present(d))
            continue;
        const std::vector<Entry> list = Entries(d);
        tiff += U16(static_cast<WORD>(list.size()));
        for (const Entry& e : list) {
            tiff += U16(e.tag) + U16(e.type) + U32(e.count);
            if (d == Ifd0 && e.tag == 34665 && e.raw)
                tiff += U32(static_cast<DWORD>(DirectoryOffset(Exif)));
            else if (d == Ifd0 && e.tag == 34853 && e.raw)
                tiff += U32(static_cast<DWORD>(DirectoryOffset(Gps)));
            else if (e.raw)
                tiff += U32(e.field);
            else if (e.value.size() <= 4 && !(d == Ifd1 && e.tag == 513))
                tiff += e.value + QByteArray(4 - e.value.size(), '\0');
            else {
                tiff += U32(static_cast<DWORD>(dataOffset + data.size()));
                data += e.value;
                if (data.size() % 2)
                    data += '\0';
            }
        }
        const bool hasNext = d == Ifd0 && Present(Ifd1);
        tiff += U32(hasNext ? static_cast<DWORD>(DirectoryOffset(Ifd1)) : 0);
    }
    return tiff + data;
}

int ExifBuilder::TiffPosition() const
{
    return 2 + (m_app0 > 0 ? m_app0 + 2 : 0) + 10;
}

QByteArray ExifBuilder::Jpeg() const
{
    QByteArray file("\xFF\xD8", 2);
    if (m_app0 > 0) {
        file += QByteArray("\xFF\xE0", 2);
        file += static_cast<char>(m_app0 >> 8);
        file += static_cast<char>(m_app0 & 0xFF);
        QByteArray body("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14);
        body.resize(m_app0 - 2, '\0');
        file += body;
    }
    const QByteArray tiff = Tiff();
    const int length = 2 + 6 + static_cast<int>(tiff.size());
    file += QByteArray("\xFF\xE1", 2);
    file += static_cast<char>(length >> 8);
    file += static_cast<char>(length & 0xFF);
    file += QByteArray("Exif\0\0", 6);
    file += tiff;
    // A stand-in for the rest of a JPEG file, so that tests can see it kept.
    file += QByteArray("\xFF\xDB\x00\x04\x00\x01\xFF\xD9", 8);
    return file;
}

bool ExifBuilder::WriteTo(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = Jpeg();
    return file.write(bytes) == bytes.size() && file.flush();
}
