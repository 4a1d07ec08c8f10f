// Helpers of the image codec tests: the settings the codecs read, bitmap
// files built byte by byte, and holders filled with known patterns.
#pragma once

#include "imaging/dib_save_source.h"
#include "imaging/load_bitmap.h"

#include <QByteArray>
#include <QString>

// Sets the settings the codecs consult for the life of the object.
class ImageSettingsScope {
public:
    explicit ImageSettingsScope(int maxWidth = 4000, int maxHeight = 4000);
    ~ImageSettingsScope();
    ImageSettingsScope(const ImageSettingsScope&) = delete;
    ImageSettingsScope& operator=(const ImageSettingsScope&) = delete;

private:
    int m_maxWidth, m_maxHeight, m_forceDpi, m_showDlg;
    unsigned m_dpi;
    int m_quality;
};

// A BMP file as bytes. Fields left at their defaults give a valid file.
struct BmpFileRecipe {
    int width = 5;
    int height = 3;  // negative: top-down rows
    int bpp = 24;
    DWORD compression = 0;
    DWORD headerSize = 40;  // stored biSize; the header occupies max(40, this) bytes
    WORD planes = 1;
    WORD type = 0x4D42;
    int tableEntries = -1;       // colour-table entries written (-1: 2^bpp below 24 bits)
    long long offBitsDelta = 0;  // added to the correct bfOffBits
    long long cutBytes = 0;      // bytes removed from the end of the file
    DWORD statedOffBits = 0;     // when not 0: the bfOffBits written, the data staying in place
};
QByteArray MakeBmpFile(const BmpFileRecipe& recipe);
// The byte of pixel (x, row) in memory-row order that MakeBmpFile writes
// (row 0 is the first row of the file's pixel block); below 8 bits, byte x
// of the row.
BYTE BmpPatternByte(int x, int fileRow, int channel);

// A picture whose every pixel has its own colour.
QImage PatternImage(int w, int h);

// Writes bytes to a file; false on failure.
bool WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);

// Fills a holder with a w x h bottom-up image of bpp bits whose colours are a
// function of position (8 bits: a grey palette and index (x + 3y) % 256).
bool FillPatternHolder(CLoadBitmap* holder, int w, int h, int bpp);
// The colour the pattern gives picture pixel (x, y), y counted from the top.
COLORREF PatternColor(int x, int y, int w, int h, int bpp);
// A save source over a holder's DIB (no drawing surfaces).
DibSaveSource SourceOf(const CLoadBitmap& holder);
