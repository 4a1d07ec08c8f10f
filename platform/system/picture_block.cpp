#include "platform/system/picture_block.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;
// Smaller blocks come from the heap as usual: the advice would gain little.
constexpr std::size_t kLargeFrom = std::size_t{4} << 20;

void ReleaseImageBlock(void* block)
{
    std::free(block);
}

}  // namespace

void* AllocPictureBlock(std::size_t bytes)
{
    bytes = std::max<std::size_t>(bytes, 1);
    if (bytes < kLargeFrom)
        return std::malloc(bytes);
    void* block = nullptr;
    if (posix_memalign(&block, kLargePage, bytes) != 0)
        return nullptr;
    // Only advice: where large pages are off the block is used as it is. The
    // whole large pages inside the block are named, nothing beyond it.
    madvise(block, bytes / kLargePage * kLargePage, MADV_HUGEPAGE);
    return block;
}

void* AllocZeroedPictureBlock(std::size_t bytes)
{
    void* block = AllocPictureBlock(bytes);
    if (block != nullptr)
        std::memset(block, 0, std::max<std::size_t>(bytes, 1));
    return block;
}

QImage NewPictureImage(int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    const auto stride = static_cast<qsizetype>(width) * 4;
    if (stride > std::numeric_limits<int>::max() / 2 ||
        static_cast<std::size_t>(stride) > std::numeric_limits<std::size_t>::max() / height)
        return {};
    const std::size_t bytes = static_cast<std::size_t>(stride) * height;
    if (bytes < kLargeFrom)
        return QImage(width, height, QImage::Format_RGB32);
    auto* block = static_cast<uchar*>(AllocPictureBlock(bytes));
    if (block == nullptr)
        return {};
    QImage image(block, width, height, stride, QImage::Format_RGB32, ReleaseImageBlock, block);
    if (image.isNull())
        std::free(block);  // not taken by the image
    return image;
}
