// Fuzz target: TIFF data through the image class, as the stage and the
// multi view load such files, and the picture copied into a holder.
#include "imaging/image_class_loader.h"
#include "platform/image/image_class.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CImage image;
    if (image.Load(data, size, 2048, 2048) == CImage::kOk) {
        CLoadBitmap holder;
        ImageToHolder(image, &holder);
    }
    return 0;
}
