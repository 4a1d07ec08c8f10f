// Fuzz target: PNG data through the codec's reader (with its transparency
// record) and through the image class.
#include "core/settings/app_settings.h"
#include "imaging/png_codec.h"
#include "platform/image/image_class.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    AppSettings.MaxSaveSizeWidth = 2048;
    AppSettings.MaxSaveSizeHeight = 2048;
    AppSettings.BMP_dpi = 96;
    if (size == 0)
        return 0;
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (file != nullptr) {
        CPngCodec codec;
        BITMAPINFO* info = nullptr;
        BYTE* bits = nullptr;
        BYTE header[124] = {};
        CPngTransparency transparency;
        if (codec.ReadPng(file, &info, header, &bits, &transparency) == 1) {
            const auto* h = reinterpret_cast<const BITMAPINFOHEADER*>(header);
            volatile BYTE last = bits[h->biSizeImage - 1];
            (void)last;
        }
        std::free(info);
        std::free(bits);
        std::fclose(file);
    }
    CImage image;
    image.Load(data, size, 2048, 2048);
    return 0;
}
