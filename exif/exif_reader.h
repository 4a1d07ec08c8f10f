// Reads the EXIF block of a JPEG file: the TIFF directories IFD0, IFD1 (the
// thumbnail), the Exif and the GPS directory. It formats the chosen tags as
// text lines, extracts the embedded thumbnail and blanks chosen values in
// place. Only the start of the file (up to the end of the EXIF segment) is
// loaded, and every offset and count taken from it is checked against it.
// One reader per use; a reader is not shared between threads.
#pragma once

#include "exif/exif_block.h"
#include "exif/exif_entry.h"
#include "exif/exif_tag_table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

enum class ExifDirectory { Ifd0 = 0, Ifd1 = 1, Exif = 2, Gps = 3 };

class CExifReader {
public:
    // The tag table takes the show and clear choices current now.
    CExifReader();

    // Loads and decodes the four directories; 1, or 0 when the file has no
    // readable EXIF block.
    int ReadFile(const QString& path);

    // The embedded JPEG thumbnail of IFD1 (tags 513 and 514) when it starts
    // FF D8 and its end marker FF D9 lies within the last 16 bytes of the
    // stored length; *size then ends with the marker (padding after it is
    // left out). Null otherwise. The bytes stay valid until this reader loads
    // again or is destroyed.
    const BYTE* GetThumbnail(const QString& path, DWORD* size);

    // Appends one line per shown tag (in table order) to lines, at most
    // maxLines of them, none longer than lineSize - 1 characters; returns the
    // number of lines. The list itself marks the end: no terminator is added.
    int FormatTags(QStringList& lines, int maxLines, int lineSize);

    // Blanks the values of the tags chosen for clearing inside the file,
    // without changing its length: 0 nothing cleared, 1 values blanked but the
    // file could not be written (it is then left as it was where possible),
    // 2 written.
    int ClearSelectedTags(const QString& path);

    const CExifTagTable& TagTable() const { return m_tagTable; }
    bool LittleEndian() const { return m_littleEndian; }
    const std::vector<ExifTagEntry>& Entries(ExifDirectory dir) const
    {
        return m_entries[static_cast<int>(dir)];
    }
    // The decoded entry of a tag: GPS tags from the GPS directory, others from
    // IFD0 or else the Exif directory; null when absent.
    const ExifTagEntry* FindEntry(WORD tag, bool gps) const;

private:
    // Where the directories lie in the TIFF block (absent: nullopt).
    struct Directories {
        std::optional<DWORD> at[4];
    };

    int LoadPrefix(const QString& path);
    void ReleasePrefix();
    ExifBlock Block();
    Directories LocateDirectories();
    void DecodeDirectory(ExifDirectory dir, DWORD offset);

    QString FormatTag(WORD tag, int lineSize) const;
    QString FormatTextLine(const ExifTagEntry& e, int lineSize, bool gps) const;
    QString FormatRationalLine(const ExifTagEntry& e) const;
    QString FormatLensLine(const ExifTagEntry& e) const;
    QString FormatGpsPosition(WORD base) const;
    QString FormatGpsAltitude() const;
    QString FormatGpsTime(const ExifTagEntry& e, int lineSize) const;
    static QString PadDescription(const QString& description);

    bool BlankEntry(ExifBlock& block, std::size_t position, bool gps);
    bool BlankExifValueAt(ExifBlock& block, WORD tag, WORD type, DWORD count, DWORD offset, bool gps);
    int WriteBlock(const QString& path, const QByteArray& original);

    bool m_littleEndian = true;
    DWORD m_app1Length = 0;
    DWORD m_prefixLength = 0;
    QByteArray m_prefix;
    DWORD m_tiffPosition = 0;
    DWORD m_ifd0Offset = 0;
    std::array<std::vector<ExifTagEntry>, 4> m_entries;
    CExifTagTable m_tagTable;
};
