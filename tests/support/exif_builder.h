// Writes small JPEG files with an EXIF block of chosen entries, in either
// byte order, for tests of everything that reads EXIF data. The picture data
// after the EXIF segment is a stand-in (no decodable image).
#pragma once

#include "platform/types/types.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <utility>
#include <vector>

class ExifBuilder {
public:
    enum Dir { Ifd0 = 0, Ifd1 = 1, Exif = 2, Gps = 3 };

    explicit ExifBuilder(bool littleEndian = true);

    // An entry whose value bytes (in file order) the builder places inside
    // the field (up to 4 bytes, left-justified) or in the data area.
    ExifBuilder& Add(Dir dir, WORD tag, WORD type, DWORD count, const QByteArray& value);
    // An entry whose value field is written as given (no data placed).
    ExifBuilder& Raw(Dir dir, WORD tag, WORD type, DWORD count, DWORD field);

    ExifBuilder& Ascii(Dir dir, WORD tag, const QByteArray& text);  // a NUL is appended
    ExifBuilder& Byte(Dir dir, WORD tag, BYTE value);
    ExifBuilder& Short(Dir dir, WORD tag, WORD value);
    ExifBuilder& Long(Dir dir, WORD tag, DWORD value);
    ExifBuilder& Undefined(Dir dir, WORD tag, const QByteArray& bytes);
    ExifBuilder& Rationals(
        Dir dir, WORD tag, const std::vector<std::pair<DWORD, DWORD>>& values, bool isSigned = false);
    // A coded text: the 8-byte character-code prefix, then the bytes.
    ExifBuilder& CodedText(Dir dir, WORD tag, const QByteArray& code, const QByteArray& bytes);
    // IFD1 tags 513 and 514 pointing at these bytes.
    ExifBuilder& Thumbnail(const QByteArray& jpeg);
    // A JFIF APP0 segment of this length before the EXIF segment (0: none).
    ExifBuilder& App0(int length);

    // Numbers in the builder's byte order.
    QByteArray U16(WORD v) const;
    QByteArray U32(DWORD v) const;

    QByteArray Tiff() const;   // the TIFF block alone
    QByteArray Jpeg() const;   // the whole file
    int TiffPosition() const;  // where the TIFF block starts in Jpeg()
    // Position of a directory inside the TIFF block, or -1 when it is not written.
    int DirectoryOffset(Dir dir) const;
    bool WriteTo(const QString& path) const;

private:
    struct Entry {
        WORD tag;
        WORD type;
        DWORD count;
        QByteArray value;
        bool raw;
        DWORD field;
    };
    std::vector<Entry> Entries(Dir dir) const;
    bool Present(Dir dir) const;

    bool m_little;
    int m_app0 = 0;
    std::map<int, std::vector<Entry>> m_dirs;
};
