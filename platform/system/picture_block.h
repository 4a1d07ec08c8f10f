// Memory for whole pictures: blocks of tens of megabytes that are written at
// once. Large ones are backed by large pages where the system offers them, so
// that the first write costs a handful of page faults instead of one for
// every 4 KiB, which is most of the time of showing a large photograph.
// Every block is released with std::free.
#pragma once

#include <QImage>

#include <cstddef>

// An uninitialised block of bytes (at least 1), or null when memory runs out.
void* AllocPictureBlock(std::size_t bytes);
// The same, zero-filled.
void* AllocZeroedPictureBlock(std::size_t bytes);
// An uninitialised RGB32 image in such a block; null when memory runs out or
// the size is not one an image can have.
QImage NewPictureImage(int width, int height);
