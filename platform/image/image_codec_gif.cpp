// GIF through giflib for the image class: the first picture of a file in (as
// an 8-bit palette picture on the file's screen), one picture out (colour
// pictures reduced to 256 colours first).
#include "platform/image/image_codecs.h"
#include "platform/image/image_quantizer.h"

#include <cstring>
#include <gif_lib.h>
#include <vector>

namespace {

struct GifMemory {
    const BYTE* data;
    std::size_t size;
    std::size_t offset;
};

int ReadGif(GifFileType* gif, GifByteType* out, int n)
{
    auto* m = static_cast<GifMemory*>(gif->UserData);
    if (n <= 0)
        return 0;
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(n), m->size - m->offset);
    std::memcpy(out, m->data + m->offset, count);
    m->offset += count;
    return static_cast<int>(count);
}

int WriteGif(GifFileType* gif, const GifByteType* data, int n)
{
    auto* file = static_cast<std::FILE*>(gif->UserData);
    return static_cast<int>(std::fwrite(data, 1, static_cast<std::size_t>(n), file));
}

bool SkipExtension(GifFileType* gif)
{
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
        return false;
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            return false;
    }
    return true;
}

// Reads the first picture's rows (de-interlaced) into pixels (w x h).
bool ReadFirstPicture(GifFileType* gif, std::vector<BYTE>* pixels)
{
    const GifImageDesc& d = gif->Image;
    const int w = d.Width, h = d.Height;
    pixels->assign(static_cast<std::size_t>(w) * h, 0);
    if (d.Interlace) {
        const int start[4] = {0, 4, 2, 1};
        const int step[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < h; y += step[pass])
                if (DGifGetLine(gif, pixels->data() + static_cast<std::size_t>(y) * w, w) == GIF_ERROR)
                    return false;
        return true;
    }
    for (int y = 0; y < h; ++y)
        if (DGifGetLine(gif, pixels->data() + static_cast<std::size_t>(y) * w, w) == GIF_ERROR)
            return false;
    return true;
}

ImageDecodeResult DecodeOpenGif(GifFileType* gif, ImageDecodeLimits limits, QImage* out)
{
    if (!ImageSizeAllowed(gif->SWidth, gif->SHeight, limits))
        return gif->SWidth > 0 && gif->SHeight > 0 ? ImageDecodeResult::TooLarge : ImageDecodeResult::Failed;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return ImageDecodeResult::Failed;
        if (type == EXTENSION_RECORD_TYPE) {
            if (!SkipExtension(gif))
                return ImageDecodeResult::Failed;
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE)
            return ImageDecodeResult::Failed;  // the file ends without a picture
        if (DGifGetImageDesc(gif) == GIF_ERROR)
            return ImageDecodeResult::Failed;
        const GifImageDesc& d = gif->Image;
        if (d.Width <= 0 || d.Height <= 0 || !ImageSizeAllowed(d.Width, d.Height, limits))
            return ImageDecodeResult::Failed;
        const ColorMapObject* map = d.ColorMap != nullptr ? d.ColorMap : gif->SColorMap;
        if (map == nullptr || map->Colors == nullptr)
            return ImageDecodeResult::Failed;
        std::vector<BYTE> pixels;
        if (!ReadFirstPicture(gif, &pixels))
            return ImageDecodeResult::Failed;

        QImage image(gif->SWidth, gif->SHeight, QImage::Format_Indexed8);
        if (image.isNull())
            return ImageDecodeResult::Failed;
        QList<QRgb> table(256, qRgb(0, 0, 0));
        for (int i = 0; i < map->ColorCount && i < 256; ++i)
            table[i] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
        image.setColorTable(table);
        image.fill(gif->SBackGroundColor >= 0 && gif->SBackGroundColor < 256 ? gif->SBackGroundColor : 0);
        // The picture lies on the screen at its offset; what falls outside is cut.
        for (int y = 0; y < d.Height; ++y) {
            const int sy = d.Top + y;
            if (sy < 0 || sy >= gif->SHeight)
                continue;
            BYTE* row = image.scanLine(sy);
            for (int x = 0; x < d.Width; ++x) {
                const int sx = d.Left + x;
                if (sx >= 0 && sx < gif->SWidth)
                    row[sx] = pixels[static_cast<std::size_t>(y) * d.Width + x];
            }
        }
        *out = std::move(image);
        return ImageDecodeResult::Ok;
    }
}

}  // namespace

ImageDecodeResult DecodeGifImage(const BYTE* data, std::size_t size, ImageDecodeLimits limits, QImage* out)
{
    GifMemory memory{data, size, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&memory, ReadGif, &error);
    if (gif == nullptr)
        return ImageDecodeResult::Failed;
    const ImageDecodeResult result = DecodeOpenGif(gif, limits, out);
    DGifCloseFile(gif, &error);
    if (result != ImageDecodeResult::Ok)
        *out = QImage();
    return result;
}

bool EncodeGifImage(const QImage& image, std::FILE* file)
{
    const int w = image.width();
    const int h = image.height();
    if (w <= 0 || h <= 0 || w > 65535 || h > 65535)
        return false;
    std::vector<BYTE> indices;
    QList<QRgb> palette;
    if (image.format() == QImage::Format_Indexed8) {
        palette = image.colorTable();
        indices.resize(static_cast<std::size_t>(w) * h);
        for (int y = 0; y < h; ++y)
            std::memcpy(indices.data() + static_cast<std::size_t>(y) * w, image.constScanLine(y), w);
    } else {
        QuantizedImage q = QuantizeColors(image, 256);
        indices = std::move(q.indices);
        palette = q.palette;
    }
    GifColorType colors[256] = {};
    for (int i = 0; i < 256 && i < palette.size(); ++i)
        colors[i] = GifColorType{static_cast<GifByteType>(qRed(palette[i])),
            static_cast<GifByteType>(qGreen(palette[i])), static_cast<GifByteType>(qBlue(palette[i]))};
    ColorMapObject* map = GifMakeMapObject(256, colors);
    int error = 0;
    GifFileType* gif = EGifOpen(file, WriteGif, &error);
    if (gif == nullptr || map == nullptr) {
        GifFreeMapObject(map);
        if (gif != nullptr)
            EGifCloseFile(gif, &error);
        return false;
    }
    bool ok = EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK &&
        EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; y < h && ok; ++y)
        ok = EGifPutLine(gif, indices.data() + static_cast<std::size_t>(y) * w, w) == GIF_OK;
    GifFreeMapObject(map);
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    return ok && std::ferror(file) == 0;
}
