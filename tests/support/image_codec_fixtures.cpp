#include "tests/support/image_codec_fixtures.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <png.h>
#include <vector>

QByteArray MakeJpeg(int w, int h, int components, int colorSpace,
    const std::function<int(int, int, int)>& sample, int quality)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(w);
    cinfo.image_height = static_cast<JDIMENSION>(h);
    cinfo.input_components = components;
    cinfo.in_color_space = static_cast<J_COLOR_SPACE>(colorSpace);
    jpeg_set_defaults(&cinfo);
    if (colorSpace == JCS_UNKNOWN)
        jpeg_set_colorspace(&cinfo, JCS_UNKNOWN);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(w) * components);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < components; ++c)
                row[static_cast<size_t>(x) * components + c] = static_cast<JSAMPLE>(sample(x, y, c));
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return out;
}

int PngSample(const PngRecipe& recipe, int x, int y, int channel)
{
    const int range = recipe.colorType == 3 ? recipe.paletteSize : (1 << recipe.bitDepth);
    return (x * 40 + y * 7 + channel * 50) % range;
}

namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}

void NoFlush(png_structp)
{
}

}  // namespace

QByteArray MakePng(const PngRecipe& s)
{
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return QByteArray();
    }
    png_set_write_fn(png, &out, AppendBytes, NoFlush);
    png_set_IHDR(png, info, s.width, s.height, s.bitDepth, s.colorType,
        s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
        PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette(256);
    for (int i = 0; i < 256; ++i)
        palette[i] =
            png_color{static_cast<png_byte>(i), static_cast<png_byte>(255 - i), static_cast<png_byte>(i / 2)};
    if (s.colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_PLTE(png, info, palette.data(), s.paletteSize);
    std::vector<png_byte> alpha(static_cast<size_t>(s.trnsCount), 255);
    if (s.trnsZeroAt >= 0 && s.trnsZeroAt < s.trnsCount)
        alpha[static_cast<size_t>(s.trnsZeroAt)] = 0;
    if (!alpha.empty())
        png_set_tRNS(png, info, alpha.data(), static_cast<int>(alpha.size()), nullptr);
    if (s.trnsRed >= 0) {
        png_color_16 key{};
        key.red = static_cast<png_uint_16>(s.trnsRed);
        key.green = static_cast<png_uint_16>(s.trnsGreen);
        key.blue = static_cast<png_uint_16>(s.trnsBlue);
        key.gray = static_cast<png_uint_16>(s.trnsRed);
        png_set_tRNS(png, info, nullptr, 1, &key);
    }
    if (s.bkgdIndex >= 0 || s.bkgdRed >= 0) {
        png_color_16 bkgd{};
        bkgd.index = static_cast<png_byte>(s.bkgdIndex < 0 ? 0 : s.bkgdIndex);
        bkgd.red = static_cast<png_uint_16>(s.bkgdRed < 0 ? 0 : s.bkgdRed);
        bkgd.green = static_cast<png_uint_16>(s.bkgdGreen < 0 ? 0 : s.bkgdGreen);
        bkgd.blue = static_cast<png_uint_16>(s.bkgdBlue < 0 ? 0 : s.bkgdBlue);
        png_set_bKGD(png, info, &bkgd);
    }
    png_write_info(png, info);
    const int channels = s.colorType == 2 ? 3 : s.colorType == 6 ? 4 : s.colorType == 4 ? 2 : 1;
    const int bytesPerSample = s.bitDepth == 16 ? 2 : 1;
    const size_t rowBytes = (static_cast<size_t>(s.width) * channels * s.bitDepth + 7) / 8;
    std::vector<std::vector<png_byte>> image(static_cast<size_t>(s.height), std::vector<png_byte>(rowBytes));
    for (int y = 0; y < s.height; ++y) {
        std::vector<png_byte>& row = image[static_cast<size_t>(y)];
        std::fill(row.begin(), row.end(), 0);
        for (int x = 0; x < s.width; ++x)
            for (int c = 0; c < channels; ++c) {
                const int v = PngSample(s, x, y, c);
                if (s.bitDepth < 8) {
                    const int bit = (x * channels + c) * s.bitDepth;
                    row[bit / 8] |= static_cast<png_byte>(v << (8 - s.bitDepth - bit % 8));
                } else if (bytesPerSample == 2) {
                    row[(x * channels + c) * 2] = static_cast<png_byte>(v >> 8);
                    row[(x * channels + c) * 2 + 1] = static_cast<png_byte>(v);
                } else {
                    row[x * channels + c] = static_cast<png_byte>(v);
                }
            }
    }
    std::vector<png_bytep> rows;
    for (auto& row : image)
        rows.push_back(row.data());
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}
