// Decoding JPEG files into a holder: three-component images are decoded
// straight into bottom-up BGR rows; grey and CMYK images go through the image
// class, any other layout is refused.
#include "core/logging.h"
#include "core/raw_file.h"
#include "imaging/dib_helpers.h"
#include "imaging/image_class_loader.h"
#include "imaging/image_messages.h"
#include "imaging/image_settings.h"
#include "imaging/jpeg_file.h"
#include "platform/image/image_jpeg_errors.h"
#include "platform/system/picture_block.h"

#include <QByteArray>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

// Everything the decoding step reads and writes, in plain memory so that it
// stays valid across the error jump.
struct JpegDecodeJob {
    const BYTE* data;
    std::size_t size;
    int maxWidth;
    int maxHeight;
    int width;
    int height;
    int components;
    BYTE* pixels;  // height x stride, owned by the job until taken
    std::uint32_t stride;
};

enum DecodeOutcome { kDecodeOk, kDecodeDamaged, kDecodeOtherLayout, kDecodeTooLarge, kDecodeNoMemory };

DecodeOutcome DecodeJpeg(JpegDecodeJob* job)
{
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    cinfo.err = InstallJpegErrorManager(&errors);
    if (setjmp(errors.jump)) {
        char reason[JMSG_LENGTH_MAX];
        cinfo.err->format_message(reinterpret_cast<j_common_ptr>(&cinfo), reason);
        qCDebug(lcImaging) << "JPEG decoding failed:" << reason;
        jpeg_destroy_decompress(&cinfo);
        std::free(job->pixels);
        job->pixels = nullptr;
        return kDecodeDamaged;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, job->data, static_cast<unsigned long>(job->size));
    jpeg_read_header(&cinfo, TRUE);
    jpeg_calc_output_dimensions(&cinfo);
    job->width = static_cast<int>(cinfo.output_width);
    job->height = static_cast<int>(cinfo.output_height);
    job->components = cinfo.output_components;
    if (job->components != 3 || cinfo.out_color_space != JCS_RGB || job->width == 0 || job->height == 0) {
        jpeg_destroy_decompress(&cinfo);
        return kDecodeOtherLayout;
    }
    if (job->width > job->maxWidth || job->height > job->maxHeight) {
        jpeg_destroy_decompress(&cinfo);
        return kDecodeTooLarge;
    }
    job->stride = GetDibStride(24, job->width);
    job->pixels = static_cast<BYTE*>(AllocPictureBlock(static_cast<std::size_t>(job->stride) * job->height));
    if (job->pixels == nullptr) {
        jpeg_destroy_decompress(&cinfo);
        return kDecodeNoMemory;
    }
    // The library writes blue, green, red itself: the DIB's byte order.
    cinfo.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&cinfo);
    JSAMPROW rows[16];
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION first = cinfo.output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(16, cinfo.output_height - first);
        for (JDIMENSION i = 0; i < count; ++i) {
            // The first scanline becomes the last row in memory (bottom-up).
            rows[i] = job->pixels + static_cast<std::size_t>(job->height - 1 - (first + i)) * job->stride;
            if (job->stride > static_cast<std::uint32_t>(job->width) * 3)
                std::memset(rows[i] + job->width * 3, 0, job->stride - job->width * 3);
        }
        jpeg_read_scanlines(&cinfo, rows, count);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return kDecodeOk;
}

// The holder takes the decoded rows with canonical headers; false (holder
// unchanged) when memory runs out.
bool FillHolderFromRows(CLoadBitmap* holder, JpegDecodeJob* job)
{
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    if (!InitDibHeaders(&fh, &ih, job->width, job->height, 24, 0, 0, 0))
        return false;
    auto* info = static_cast<BITMAPINFO*>(std::calloc(44, 1));
    if (info == nullptr)
        return false;
    CopyInfoHeader(&info->bmiHeader, &ih);
    holder->CLoadBitmap::Free();
    holder->fileHeader = fh;
    std::memset(holder->infoHeaderArea, 0, sizeof holder->infoHeaderArea);
    holder->infoHeader = ih;
    holder->info = info;
    holder->infoSize = 44;
    holder->bits = job->pixels;
    job->pixels = nullptr;
    return true;
}

}  // namespace

int LoadJpegFile(CLoadBitmap_for_Dlg* holder, const BYTE* data, std::size_t size)
{
    QByteArray fileBytes;
    if (data == nullptr) {
        const QString path = holder->path.Path();
        const std::uint64_t length = GetFileSizeOfPath(path);
        if (length == 0 || length > static_cast<std::uint64_t>(INT32_MAX))
            return kJpegCannotOpen;
        fileBytes.resize(static_cast<qsizetype>(length));
        std::int64_t got = 0;
        if (!ReadFileToBuffer(path, fileBytes.data(), fileBytes.size(), &got) || got == 0)
            return kJpegCannotOpen;
        fileBytes.truncate(static_cast<qsizetype>(got));
        data = reinterpret_cast<const BYTE*>(fileBytes.constData());
        size = fileBytes.size();
    }
    if (size == 0)
        return kJpegCannotOpen;

    JpegDecodeJob job{data, size, ImageSettingMaxWidth(), ImageSettingMaxHeight(), 0, 0, 0, nullptr, 0};
    switch (DecodeJpeg(&job)) {
    case kDecodeOk:
        break;
    case kDecodeDamaged:
        return kJpegDamaged;
    case kDecodeNoMemory:
        return kJpegNoMemory;
    case kDecodeTooLarge:
        // Shown whatever the holder's message flag says.
        ShowImageMessage(QStringLiteral("Kestrelが扱える画像サイズを超えています。"));
        return kJpegTooLarge;
    case kDecodeOtherLayout:
        // Grey and CMYK images (and a header without a size) go through the
        // image class, which converts them; other layouts are not supported.
        if (job.components != 1 && job.components != 4 && !(job.width == 0 && job.height == 0))
            return kJpegFallbackFailed;
        return LoadHolderByImageClass(holder, data, size) == 1 ? kJpegDecoded : kJpegFallbackFailed;
    }
    if (!FillHolderFromRows(holder, &job)) {
        std::free(job.pixels);
        return kJpegNoMemory;
    }
    return kJpegDecoded;
}

namespace {

struct JpegSizeJob {
    std::FILE* file;
    std::uint64_t result;
};

void ProbeJpegSize(JpegSizeJob* job)
{
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    cinfo.err = InstallJpegErrorManager(&errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        job->result = 0;
        return;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, job->file);
    jpeg_read_header(&cinfo, TRUE);
    jpeg_calc_output_dimensions(&cinfo);
    job->result = static_cast<std::uint64_t>(cinfo.output_width) |
        (static_cast<std::uint64_t>(cinfo.output_height) << 32);
    jpeg_destroy_decompress(&cinfo);
}

}  // namespace

std::uint64_t GetJpegImageSize(const QString& path)
{
    // The stream reads the very file that was checked to be a regular one.
    CRawFile probe;
    if (!probe.OpenRead(path))
        return 0;
    const int fd = ::dup(probe.Handle());
    std::FILE* file = fd >= 0 ? ::fdopen(fd, "rb") : nullptr;
    if (file == nullptr) {
        if (fd >= 0)
            ::close(fd);
        return 0;
    }
    JpegSizeJob job{file, 0};
    ProbeJpegSize(&job);
    std::fclose(file);
    return job.result;
}
