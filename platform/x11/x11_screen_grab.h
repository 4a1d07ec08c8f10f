// The X11 screen grab. The fastest way has the server compose the screen
// into a 32-bit shared-memory pixmap (RENDER), which also sets the fourth
// byte to 0xFF as Format_RGB32 wants it; then shared-memory images of the
// root window (MIT-SHM), whose fourth byte is set here; then XGetImage.
#pragma once

#include "platform/x11/desktop_services.h"

#include <vector>

class X11Connection;
struct X11ShmSegment;

class X11ScreenGrab final : public ScreenGrabService {
public:
    // The ways of reading the screen, fastest first. Each falls back to the next
    // where the server cannot serve it.
    enum Path { kRenderedPixmap, kSharedImage, kPlainImage };
    // `fastest`: the first way tried (kPlainImage as for a server on another machine).
    explicit X11ScreenGrab(X11Connection& x, Path fastest = kRenderedPixmap);
    // Images handed out must have been released before (the process's grabber is never destroyed).
    ~X11ScreenGrab() override;
    SIZE ScreenSize() override;
    bool Grab(const RECT& rect, QImage& image) override;
    // The fastest way the server serves now.
    Path FastestUsable() const;

    // Segments kept for reuse once the images on them are released.
    static constexpr size_t kSpareSegments = 3;

private:
    bool SetUpRender();
    bool GrabRendered(int x, int y, int width, int height, QImage& image);
    bool GrabShm(int x, int y, int width, int height, QImage& image);
    bool GrabPlain(int x, int y, int width, int height, QImage& image);
    QImage WrapSegment(X11ShmSegment* segment, int width, int height);
    X11ShmSegment* TakeSegment(size_t bytes);
    void DestroySegment(X11ShmSegment* segment);
    static void ReleaseSegment(void* segment);

    X11Connection& m_x;
    bool m_renderUsable = false;
    bool m_shmUsable = false;
    bool m_directFormat = false;  // 32 bits per pixel, 0xRRGGBB, little-endian: the memory of Format_RGB32
    unsigned long m_rootPicture = 0;
    std::vector<X11ShmSegment*> m_spare;
};
