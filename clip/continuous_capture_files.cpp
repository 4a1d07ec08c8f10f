// Writing one frame as a BMP, JPEG or PNG file. Every file goes through the
// safe writer: it appears whole or not at all, and a failure keeps the
// system's reason, so that a full file system can be told from other faults.
#include "clip/continuous_capture_session.h"

#include "imaging/dib_helpers.h"
#include "imaging/png_codec.h"
#include "platform/image/image_codecs.h"
#include "platform/system/safe_file_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

bool WriteWhole(const QString& path, const BYTE* data, std::size_t size, int* error)
{
    CSafeFileWriter writer;
    if (writer.Open(path) && writer.Write(data, size) && writer.Commit())
        return true;
    *error = writer.Error();
    return false;
}

// Encodes into memory first, then writes the bytes: a write failure inside a
// codec would lose the system's reason.
bool WriteEncoded(const QString& path, const std::function<bool(std::FILE*)>& encode, int* error)
{
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* memory = ::open_memstream(&data, &size);
    if (memory == nullptr) {
        *error = ENOMEM;
        return false;
    }
    const bool encoded = encode(memory);
    const bool closed = std::fclose(memory) == 0;
    const bool written =
        encoded && closed && WriteWhole(path, reinterpret_cast<const BYTE*>(data), size, error);
    std::free(data);
    return written;
}

// Restores the headers a JPEG write presented as 24-bit.
struct SavedHeaders {
    explicit SavedHeaders(CCaptureFrame& frame) : frame(frame), file(frame.fileHeader), info(frame.infoHeader)
    {
    }
    ~SavedHeaders()
    {
        frame.fileHeader = file;
        frame.infoHeader = info;
    }
    CCaptureFrame& frame;
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
};

}  // namespace

int CContinuousCaptureSession::WriteFrameFile(const QString& path, CCaptureFrame& frame, int* writeError)
{
    int ignored = 0;
    int& error = writeError != nullptr ? *writeError : ignored;
    error = 0;
    if (frame.bits == nullptr)
        return 0;
    const BITMAPINFOHEADER& header = frame.infoHeader;
    const int width = header.biWidth;
    const int height = std::abs(header.biHeight);
    switch (settings.saveFormat) {
    case kCcFormatBmp: {
        const DWORD fileSize = frame.fileHeader.bfSize;
        const DWORD offset = frame.fileHeader.bfOffBits;
        if (!m_bmpBuffer || fileSize > m_bmpBufferSize || offset > fileSize)
            return 0;
        // The whole file in one block: headers, then the rows at bfOffBits.
        BYTE* file = m_bmpBuffer.get();
        frame.CopyHeadersTo(file);
        std::memcpy(file + offset, frame.bits, std::min<std::size_t>(fileSize - offset, frame.PixelBytes()));
        return WriteWhole(path, file, fileSize, &error) ? 1 : 0;
    }
    case kCcFormatJpeg: {
        const BYTE* rows = frame.bits;
        SavedHeaders saved(frame);
        if (header.biBitCount == 32) {
            if (!m_jpegBuffer)
                return 0;
            Copy32To24Rows(width, height, m_jpegBuffer.get(), frame.bits);
            rows = m_jpegBuffer.get();
            // Presented as a 24-bit frame for the write, restored afterwards.
            frame.infoHeader.biBitCount = 24;
            frame.infoHeader.biSizeImage = GetDibStride(24, width) * height;
            frame.fileHeader.bfSize = frame.infoHeader.biSizeImage + frame.fileHeader.bfOffBits;
        }
        const std::ptrdiff_t stride = GetDibStride(frame.infoHeader.biBitCount, width);
        const BYTE* topRow = rows + (height - 1) * stride;
        const int quality = settings.quality;
        const bool fourBytes = frame.infoHeader.biBitCount == 32;
        return WriteEncoded(
                   path,
                   [&](std::FILE* out) {
                       return EncodeJpegRows(out, topRow, -stride, width, height, fourBytes, quality);
                   },
                   &error)
            ? 1
            : 0;
    }
    case kCcFormatPng: {
        // Written as RGB: the fourth byte of a screen's pixel is no alpha.
        CPngCodec codec;
        return WriteEncoded(
                   path,
                   [&](std::FILE* out) {
                       return codec.WritePng(out, frame.bits, &header, nullptr, nullptr) == 1;
                   },
                   &error)
            ? 1
            : 0;
    }
    default:
        return 0;
    }
}
