// Writing a DibSaveSource as a BMP file: 14-byte file header, 40-byte info
// header, the depth's colour table and the rows.
#include "core/system_figures.h"
#include "imaging/bmp_file.h"
#include "imaging/dib_helpers.h"
#include "imaging/malloc_block.h"
#include "platform/system/safe_file_writer.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>

namespace {

std::atomic<FreeSpaceProbe> g_freeSpaceProbe{nullptr};

}  // namespace

std::uint64_t BmpFreeMegabytesForPath(const QString& path)
{
    if (const FreeSpaceProbe probe = g_freeSpaceProbe.load())
        return probe(path);
    return GetDiskFreeMBForPath(path);
}

void SetFreeSpaceProbeForTesting(FreeSpaceProbe probe)
{
    g_freeSpaceProbe.store(probe);
}

int SaveBmpFile(const QString& path, const DibSaveSource& source, BYTE* code)
{
    *code = kBmpSaved;
    if (source.fileHeader == nullptr || source.infoHeader == nullptr || source.bits == nullptr) {
        *code = kBmpCannotCreate;
        return 0;
    }
    const BITMAPFILEHEADER& fh = *source.fileHeader;
    if (HasRoomForBmp(BmpFreeMegabytesForPath(path), fh.bfSize) == 0) {
        *code = kBmpNoDiskSpace;
        return 0;
    }

    // The file is laid out anew: a 40-byte header and the table its depth
    // uses, whatever offsets the source kept.
    const int bpp = source.infoHeader->biBitCount;
    const std::uint32_t pixelBytes = fh.bfSize > fh.bfOffBits ? fh.bfSize - fh.bfOffBits : 0;
    const std::uint32_t tableBytes = ColorTableBytes(bpp);
    const std::uint64_t offset = 14 + 40 + tableBytes;
    const std::uint64_t fileSize = offset + pixelBytes;
    if (pixelBytes == 0 || fileSize > 0xFFFFFFFFull) {
        *code = kBmpCannotCreate;
        return 0;
    }
    MallocBlock image(static_cast<BYTE*>(std::calloc(fileSize + 1, 1)));
    if (!image) {
        *code = kBmpNoMemory;
        return 0;
    }
    BITMAPFILEHEADER outFile = fh;
    outFile.bfType = kBitmapFileType;
    outFile.bfOffBits = static_cast<DWORD>(offset);
    outFile.bfSize = static_cast<DWORD>(fileSize);
    std::memcpy(image.get(), &outFile, sizeof outFile);
    BITMAPINFOHEADER outInfo;
    CopyInfoHeader(&outInfo, source.infoHeader);
    std::memcpy(image.get() + 14, &outInfo, sizeof outInfo);
    if (tableBytes > 0 && source.info != nullptr)
        std::memcpy(image.get() + 54, source.info->bmiColors, tableBytes);
    std::memcpy(image.get() + offset, source.bits, pixelBytes);

    CSafeFileWriter writer;
    if (!writer.Open(path)) {
        *code = kBmpCannotCreate;
        return 0;
    }
    if (!writer.Write(image.get(), fileSize) || !writer.Commit()) {
        *code = kBmpNoDiskSpace;
        return 0;
    }
    return 1;
}
