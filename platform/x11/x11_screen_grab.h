// The X11 screen grab: shared-memory images of the root window (MIT-SHM),
// with XGetImage where shared memory cannot be used.
#pragma once

#include "platform/x11/desktop_services.h"

#include <vector>

class X11Connection;
struct X11ShmSegment;

class X11ScreenGrab final : public ScreenGrabService {
public:
    // sharedMemory false: XGetImage only (as for a server on another machine).
    explicit X11ScreenGrab(X11Connection& x, bool sharedMemory = true);
    // Images handed out must have been released before (the process's grabber is never destroyed).
    ~X11ScreenGrab() override;
    SIZE ScreenSize() override;
    bool Grab(const RECT& rect, QImage& image) override;

    // Segments kept for reuse once the images on them are released.
    static constexpr size_t kSpareSegments = 3;

private:
    bool GrabShm(int x, int y, int width, int height, QImage& image);
    bool GrabPlain(int x, int y, int width, int height, QImage& image);
    X11ShmSegment* TakeSegment(size_t bytes);
    void DestroySegment(X11ShmSegment* segment);
    static void ReleaseSegment(void* segment);

    X11Connection& x_;
    bool shmUsable_ = false;
    bool directFormat_ = false;  // 32 bits per pixel, 0xRRGGBB, little-endian: the memory of Format_RGB32
    std::vector<X11ShmSegment*> spare_;
};
