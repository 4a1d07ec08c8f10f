// BMP files: the checks a file's headers must pass before its pixels are read,
// and the writer of a DibSaveSource.
#pragma once

#include "imaging/dib_save_source.h"

#include <QString>
#include <cstddef>
#include <cstdint>

// Writer result codes.
enum BmpSaveCode : BYTE {
    kBmpSaved = 1,
    kBmpNoDiskSpace = 2,
    kBmpNoMemory = 3,
    kBmpCannotCreate = 4,
};

// What the headers of a file say, once checked.
enum class BmpHeaderCheck {
    Ok,
    Structure,    // not a bitmap file: refused without a message
    Unsupported,  // a depth, compression or geometry the program does not read
    TooLarge,     // above MaxSaveSizeWidth x MaxSaveSizeHeight
    Truncated,    // the pixel rows lie (partly) outside the file
};

struct BmpLayout {
    int width = 0;
    int height = 0;  // always positive
    bool topDown = false;
    int bpp = 0;
    std::uint32_t stride = 0;
    std::uint64_t pixelOffset = 0;  // bfOffBits of the file
    std::uint32_t pixelBytes = 0;   // height x stride
    std::uint64_t tableOffset = 0;  // where the colour table starts (8 bits)
    std::uint32_t tableBytes = 0;   // bytes of table present in the file (at most 1024)
};

// Size of the header prefix the check needs: file header, the largest info
// header and a full colour table.
constexpr std::size_t kBmpHeadBytes = 14 + 124 + 1024;

// Checks the first bytes of a file (head, at most kBmpHeadBytes) against the
// file's length and the size limits.
BmpHeaderCheck CheckBmpHeaders(const BYTE* head, std::size_t headSize, std::uint64_t fileLength, int maxWidth,
    int maxHeight, BmpLayout* layout);

// 1 when the free megabytes, less a tenth for safety, hold the file.
int HasRoomForBmp(std::uint64_t freeMB, DWORD fileSize);

// Writes the source as a BMP file; 1 written, 0 failed with the code above.
int SaveBmpFile(const QString& path, const DibSaveSource& source, BYTE* code);

// Free megabytes on the file system of a path; tests may replace the answer.
std::uint64_t BmpFreeMegabytesForPath(const QString& path);
using FreeSpaceProbe = std::uint64_t (*)(const QString& path);
void SetFreeSpaceProbeForTesting(FreeSpaceProbe probe);
