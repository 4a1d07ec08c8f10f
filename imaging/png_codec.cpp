#include "imaging/png_codec.h"

#include "core/logging.h"
#include "imaging/dib_helpers.h"
#include "imaging/image_settings.h"
#include "platform/image/image_png_errors.h"

#include <cstdlib>
#include <cstring>

namespace {

PngColor16 FromPng(const png_color_16& c)
{
    return PngColor16{c.index, c.red, c.green, c.blue, c.gray};
}

// The state of one read, in plain memory so that it survives the error jump.
struct PngReadJob {
    std::FILE* file;
    int maxWidth;
    int maxHeight;
    BYTE failCode;  // the code a library error reports at this stage
    BITMAPINFO* info;
    BYTE* bits;
    png_bytep* rows;
    BITMAPINFOHEADER header;
    CPngTransparency* transparency;
};

BYTE RunPngRead(PngReadJob* job)
{
    png_structp png = CreatePngReadStruct();
    if (png == nullptr)
        return kPngRead;  // nothing could be started: the code stays 1
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return kPngNoInfo;
    }
    if (setjmp(png_jmpbuf(png))) {
        qCDebug(lcImaging) << "PNG reading failed with code" << job->failCode;
        png_destroy_read_struct(&png, &info, nullptr);
        std::free(job->rows);
        std::free(job->bits);
        std::free(job->info);
        job->rows = nullptr;
        job->bits = nullptr;
        job->info = nullptr;
        return job->failCode;
    }
    SetPngStdioRead(png, job->file);
    job->failCode = kPngBadHeader;
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int depth = 0, colorType = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &colorType, nullptr, nullptr, nullptr);

    BYTE result = kPngRead;
    png_colorp palette = nullptr;
    int paletteCount = 0;
    if (width > static_cast<png_uint_32>(job->maxWidth) || height > static_cast<png_uint_32>(job->maxHeight))
        result = kPngTooLarge;
    else if (colorType == PNG_COLOR_TYPE_PALETTE && !png_get_PLTE(png, info, &palette, &paletteCount))
        result = kPngNoPalette;
    else if (depth == 16)
        result = kPngUnsupported;
    if (result != kPngRead) {
        png_destroy_read_struct(&png, &info, nullptr);
        return result;
    }

    double fileGamma = 0;
    if (png_get_gAMA(png, info, &fileGamma))
        png_set_gamma(png, 2.2, fileGamma);
    png_bytep alpha = nullptr;
    int alphaCount = 0;
    png_color_16p key = nullptr;
    if (png_get_tRNS(png, info, &alpha, &alphaCount, &key)) {
        const PngColor16 keyColor = key != nullptr ? FromPng(*key) : PngColor16{};
        job->transparency->SetFromPng(alphaCount, alpha, &keyColor);
    } else {
        job->transparency->Clear();
    }
    png_color_16p background = nullptr;
    if (png_get_bKGD(png, info, &background))
        job->transparency->SetBackground(FromPng(*background));
    else
        job->transparency->SetBackground(PngColor16{});

    if (colorType == PNG_COLOR_TYPE_RGB)
        png_set_bgr(png);  // the DIB's byte order, written by the library
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const int channels = png_get_channels(png, info);
    const bool paletted = colorType == PNG_COLOR_TYPE_PALETTE && channels == 1;
    const bool rgb = colorType == PNG_COLOR_TYPE_RGB && channels == 3;
    if (png_get_bit_depth(png, info) != 8 || !(paletted || rgb)) {
        png_destroy_read_struct(&png, &info, nullptr);
        return kPngUnsupported;
    }

    const int bpp = paletted ? 8 : 24;
    const std::uint32_t stride = GetDibStride(bpp, static_cast<int>(width));
    BITMAPINFOHEADER& h = job->header;
    h = BITMAPINFOHEADER{};
    h.biSize = 40;
    h.biWidth = static_cast<LONG>(width);
    h.biHeight = static_cast<LONG>(height);
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bpp);
    h.biCompression = BI_RGB;
    h.biSizeImage = stride * height;
    h.biXPelsPerMeter = h.biYPelsPerMeter = ImageDpiToPixelsPerMeter(ImageSettingBmpDpi());
    job->info = static_cast<BITMAPINFO*>(std::calloc(paletted ? 40 + 1024 : 44, 1));
    job->bits = static_cast<BYTE*>(std::malloc(std::max<std::size_t>(h.biSizeImage, 1)));
    job->rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * height));
    if (job->info == nullptr || job->bits == nullptr || job->rows == nullptr) {
        job->failCode = kPngNoMemory;
        png_error(png, "no memory");
    }
    if (paletted) {
        // Taken after the update: gamma correction applies to the palette.
        png_get_PLTE(png, info, &palette, &paletteCount);
        h.biClrUsed = static_cast<DWORD>(paletteCount);
        for (int i = 0; i < paletteCount && i < 256; ++i)
            job->info->bmiColors[i] = RGBQUAD{palette[i].blue, palette[i].green, palette[i].red, 0};
    }
    CopyInfoHeader(&job->info->bmiHeader, &h);
    for (png_uint_32 y = 0; y < height; ++y) {
        // DIB row i holds PNG row height - 1 - i (bottom-up).
        job->rows[y] = job->bits + static_cast<std::size_t>(height - 1 - y) * stride;
        std::memset(job->rows[y], 0, stride);
    }
    job->failCode = kPngBadHeader;
    png_read_image(png, job->rows);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::free(job->rows);
    job->rows = nullptr;
    return kPngRead;
}

}  // namespace

CPngCodec::~CPngCodec()
{
    std::free(m_palette);
}

int CPngCodec::ReadPng(
    std::FILE* file, BITMAPINFO** infoOut, BYTE* headerArea, BYTE** bitsOut, CPngTransparency* transparency)
{
    code = kPngRead;
    const long start = std::ftell(file);
    png_byte signature[8];
    if (std::fread(signature, 1, 8, file) != 8 || png_sig_cmp(signature, 0, 8) != 0)
        return 0;
    if (std::fseek(file, start, SEEK_SET) != 0)
        return 0;
    PngReadJob job{};
    job.file = file;
    job.maxWidth = ImageSettingMaxWidth();
    job.maxHeight = ImageSettingMaxHeight();
    job.failCode = kPngBadHeader;
    job.transparency = transparency;
    code = RunPngRead(&job);
    if (code != kPngRead || job.bits == nullptr) {
        std::free(job.bits);
        std::free(job.info);
        return 0;
    }
    std::memset(headerArea, 0, 124);
    std::memcpy(headerArea, &job.header, sizeof job.header);
    *infoOut = job.info;
    *bitsOut = job.bits;
    return 1;
}
