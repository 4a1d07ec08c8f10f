// Writing DIBs as PNG files, and the saver of a DibSaveSource.
#include "core/logging.h"
#include "imaging/dib_helpers.h"
#include "imaging/png_codec.h"
#include "platform/image/image_png_errors.h"
#include "platform/system/safe_file_writer.h"

#include <QImage>
#include <cstdlib>
#include <cstring>

namespace {

// The state of one write, in plain memory so that it survives the error jump.
struct PngWriteJob {
    std::FILE* file;
    const BYTE* bits;
    const BITMAPINFOHEADER* header;
    const BYTE* palette;  // 256 RGB entries at 8 bits
    const CPngTransparency* transparency;
    png_bytep* rows;
};

// A colour key fits an 8-bit sample only when every component does.
bool KeyFitsEightBits(const PngColor16& c)
{
    return c.red <= 255 && c.green <= 255 && c.blue <= 255;
}

BYTE RunPngWrite(PngWriteJob* job)
{
    png_structp png = CreatePngWriteStruct();
    if (png == nullptr)
        return kPngNoInfo;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return kPngNoInfo;
    }
    if (setjmp(png_jmpbuf(png))) {
        qCWarning(lcImaging) << "PNG writing failed";
        png_destroy_write_struct(&png, &info);
        std::free(job->rows);
        job->rows = nullptr;
        return kPngWriteFailed;
    }
    const BITMAPINFOHEADER& h = *job->header;
    const int bpp = h.biBitCount;
    const png_uint_32 width = static_cast<png_uint_32>(h.biWidth);
    const png_uint_32 height =
        static_cast<png_uint_32>(h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight);
    const std::uint32_t stride = GetDibStride(bpp, h.biWidth);
    job->rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * std::max<png_uint_32>(height, 1)));
    if (job->rows == nullptr) {
        png_destroy_write_struct(&png, &info);
        return kPngNoMemory;
    }
    for (png_uint_32 i = 0; i < height; ++i) {
        const png_uint_32 dibRow = h.biHeight < 0 ? i : height - 1 - i;
        job->rows[i] = const_cast<png_bytep>(job->bits) + static_cast<std::size_t>(dibRow) * stride;
    }
    SetPngStdioWrite(png, job->file);

    const CPngTransparency* t = job->transparency;
    if (bpp == 8) {
        png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
            PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_color palette[256];
        std::memcpy(palette, job->palette, sizeof palette);
        png_set_PLTE(png, info, palette, 256);
        // Only a real alpha table makes a palette tRNS.
        if (t != nullptr && t->kind == CPngTransparency::kAlphaTable && t->alphaTable != nullptr &&
            t->count >= 1 && t->count <= 256)
            png_set_tRNS(png, info, t->alphaTable, t->count, nullptr);
    } else {
        png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
            PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        if (t != nullptr && t->HasTransparency() && KeyFitsEightBits(t->transparentColor)) {
            png_color_16 key{};
            key.red = t->transparentColor.red;
            key.green = t->transparentColor.green;
            key.blue = t->transparentColor.blue;
            png_set_tRNS(png, info, nullptr, 1, &key);
        }
    }
    if (t != nullptr && t->HasBackground()) {
        png_color_16 background{};
        background.index = t->backgroundColor.index;
        background.red = t->backgroundColor.red;
        background.green = t->backgroundColor.green;
        background.blue = t->backgroundColor.blue;
        background.gray = t->backgroundColor.gray;
        png_set_bKGD(png, info, &background);
    }
    png_write_info(png, info);
    if (bpp != 8) {
        png_set_bgr(png);  // rows are blue, green, red
        if (bpp == 32)
            png_set_filler(png, 0, PNG_FILLER_AFTER);  // the fourth byte is dropped
    }
    png_write_image(png, job->rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::free(job->rows);
    job->rows = nullptr;
    return kPngSaved;
}

}  // namespace

int CPngCodec::WritePng(std::FILE* file, const BYTE* bits, const BITMAPINFOHEADER* infoHeader,
    const RGBQUAD* colorTable, const CPngTransparency* transparency)
{
    code = kPngRead;
    const int bpp = infoHeader->biBitCount;
    if ((bpp != 8 && bpp != 24 && bpp != 32) || infoHeader->biCompression != BI_RGB ||
        infoHeader->biWidth <= 0 || infoHeader->biHeight == 0 || bits == nullptr ||
        (bpp == 8 && colorTable == nullptr)) {
        code = kPngUnsupported;
        return 0;
    }
    if (bpp == 8) {
        if (m_palette == nullptr)
            m_palette = static_cast<BYTE*>(std::malloc(768));
        if (m_palette == nullptr) {
            code = kPngNoMemory;
            return 0;
        }
        for (int i = 0; i < 256; ++i) {
            m_palette[i * 3] = colorTable[i].rgbRed;
            m_palette[i * 3 + 1] = colorTable[i].rgbGreen;
            m_palette[i * 3 + 2] = colorTable[i].rgbBlue;
        }
    }
    PngWriteJob job{file, bits, infoHeader, m_palette, transparency, nullptr};
    code = RunPngWrite(&job);
    return code == kPngSaved ? 1 : 0;
}

namespace {

// The pixels of a drawing surface as a bottom-up 32-bit DIB.
BYTE* SurfaceAsDib(HBITMAP bitmap, BITMAPINFOHEADER* header)
{
    if (bitmap == nullptr || bitmap->image.isNull())
        return nullptr;
    const QImage image = bitmap->image.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    *header = BITMAPINFOHEADER{};
    header->biSize = 40;
    header->biWidth = w;
    header->biHeight = h;
    header->biPlanes = 1;
    header->biBitCount = 32;
    header->biCompression = BI_RGB;
    header->biSizeImage = GetDibStride(32, w) * static_cast<std::uint32_t>(h);
    header->biXPelsPerMeter = header->biYPelsPerMeter = 3780;
    auto* bits = static_cast<BYTE*>(std::malloc(std::max<std::size_t>(header->biSizeImage, 1)));
    if (bits == nullptr)
        return nullptr;
    for (int y = 0; y < h; ++y)
        std::memcpy(bits + static_cast<std::size_t>(h - 1 - y) * w * 4, image.constScanLine(y),
            static_cast<std::size_t>(w) * 4);
    return bits;
}

}  // namespace

int SavePngFile(const QString& path, const DibSaveSource& source, int sourceKind,
    CPngTransparency* transparency, BYTE* code)
{
    CSafeFileWriter writer;
    if (!writer.Open(path) || writer.Stream() == nullptr) {
        *code = kPngCannotCreate;
        return 0;
    }
    *code = kPngWriteFailed;
    const BYTE* bits = nullptr;
    const BITMAPINFOHEADER* header = nullptr;
    BITMAPINFOHEADER surfaceHeader{};
    BYTE* surfaceBits = nullptr;
    if (sourceKind == 0) {
        bits = source.bits;
        header = source.info != nullptr ? &source.info->bmiHeader : nullptr;
    } else if (sourceKind == 1 || sourceKind == 2) {
        // The surface has no palette: a palette key becomes a colour key.
        if (transparency != nullptr && transparency->kind == CPngTransparency::kAlphaTable)
            transparency->kind = CPngTransparency::kColorKey;
        surfaceBits = SurfaceAsDib(source.ddb, &surfaceHeader);
        bits = surfaceBits;
        header = &surfaceHeader;
    }
    bool ok = bits != nullptr && header != nullptr;
    if (ok) {
        CPngCodec codec;
        const RGBQUAD* table = source.info != nullptr ? source.info->bmiColors : nullptr;
        ok = codec.WritePng(writer.Stream(), bits, header, table, transparency) == 1;
    }
    std::free(surfaceBits);
    if (!ok) {
        writer.Abandon();
        return 0;
    }
    if (!writer.Commit())
        return 0;
    *code = kPngSaved;
    return 1;
}
