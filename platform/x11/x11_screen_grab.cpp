#include "platform/x11/x11_screen_grab.h"

#include "platform/x11/desktop_rules.h"
#include "platform/x11/x11_connection.h"

#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrender.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstring>

// One shared-memory segment attached to the server. An image handed out
// wraps the segment's memory; when the image is released the segment goes
// back to the grabber for the next grab.
struct X11ShmSegment {
    X11ScreenGrab* owner = nullptr;
    XShmSegmentInfo info{};
    size_t bytes = 0;
    XImage* image = nullptr;  // the header for the last size grabbed
    // The 32-bit pixmap and picture on the segment's memory, for the last size rendered.
    Pixmap pixmap = 0;
    Picture picture = 0;
    int pixmapWidth = 0;
    int pixmapHeight = 0;
};

namespace {

bool IsDirectFormat(Display* display, int screen)
{
    Visual* visual = DefaultVisual(display, screen);
    if (DefaultDepth(display, screen) != 24 && DefaultDepth(display, screen) != 32)
        return false;
    if (visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF)
        return false;
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    bool bits32 = false;
    for (int i = 0; i < count; ++i) {
        if (formats[i].depth == DefaultDepth(display, screen))
            bits32 = formats[i].bits_per_pixel == 32;
    }
    if (formats != nullptr)
        XFree(formats);
    return bits32 && ImageByteOrder(display) == LSBFirst;
}

bool HasPixmapFormat(Display* display, int depth, int bitsPerPixel)
{
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    bool found = false;
    for (int i = 0; i < count; ++i)
        found |= formats[i].depth == depth && formats[i].bits_per_pixel == bitsPerPixel;
    if (formats != nullptr)
        XFree(formats);
    return found;
}

int ShiftOfMask(unsigned long mask)
{
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

unsigned Channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    const unsigned long top = mask >> ShiftOfMask(mask);
    return static_cast<unsigned>(((pixel & mask) >> ShiftOfMask(mask)) * 255 / top);
}

// Any other visual: pixel by pixel through the visual's masks.
QImage ConvertXImage(XImage* source)
{
    QImage image(source->width, source->height, QImage::Format_RGB32);
    for (int y = 0; y < source->height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < source->width; ++x) {
            const unsigned long p = XGetPixel(source, x, y);
            line[x] = qRgb(static_cast<int>(Channel(p, source->red_mask)),
                static_cast<int>(Channel(p, source->green_mask)),
                static_cast<int>(Channel(p, source->blue_mask)));
        }
    }
    return image;
}

void DropImageHeader(XImage*& image)
{
    if (image == nullptr)
        return;
    image->data = nullptr;  // the memory belongs to the segment
    XDestroyImage(image);
    image = nullptr;
}

void DropPixmap(Display* display, X11ShmSegment& segment)
{
    if (segment.picture != 0)
        XRenderFreePicture(display, segment.picture);
    if (segment.pixmap != 0)
        XFreePixmap(display, segment.pixmap);
    segment.picture = 0;
    segment.pixmap = 0;
    segment.pixmapWidth = 0;
    segment.pixmapHeight = 0;
}

}  // namespace

X11ScreenGrab::X11ScreenGrab(X11Connection& x, Path fastest) : m_x(x)
{
    std::lock_guard lock(m_x.mutex());
    m_shmUsable = fastest != kPlainImage && XShmQueryExtension(m_x.display()) != 0;
    m_directFormat = IsDirectFormat(m_x.display(), m_x.screen());
    m_renderUsable = fastest == kRenderedPixmap && m_shmUsable && m_directFormat && SetUpRender();
}

X11ScreenGrab::~X11ScreenGrab()
{
    std::lock_guard lock(m_x.mutex());
    for (X11ShmSegment* segment : m_spare)
        DestroySegment(segment);
    if (m_rootPicture != 0) {
        X11ErrorTrap trap(m_x.display());
        XRenderFreePicture(m_x.display(), m_rootPicture);
    }
}

// The root window as a RENDER source, children included, and the server's
// support for 32-bit pixmaps in shared memory.
bool X11ScreenGrab::SetUpRender()
{
    Display* d = m_x.display();
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    Bool sharedPixmaps = False;
    if (!XRenderQueryExtension(d, &event, &error) || !XShmQueryVersion(d, &major, &minor, &sharedPixmaps) ||
        !sharedPixmaps || XShmPixmapFormat(d) != ZPixmap || !HasPixmapFormat(d, 32, 32))
        return false;
    XRenderPictFormat* screen = XRenderFindVisualFormat(d, DefaultVisual(d, m_x.screen()));
    if (screen == nullptr || XRenderFindStandardFormat(d, PictStandardARGB32) == nullptr)
        return false;
    X11ErrorTrap trap(d);
    XRenderPictureAttributes attributes{};
    attributes.subwindow_mode = IncludeInferiors;
    m_rootPicture = XRenderCreatePicture(d, m_x.root(), screen, CPSubwindowMode, &attributes);
    if (trap.Failed()) {
        m_rootPicture = 0;
        return false;
    }
    return true;
}

SIZE X11ScreenGrab::ScreenSize()
{
    return SIZE{DisplayWidth(m_x.display(), m_x.screen()), DisplayHeight(m_x.display(), m_x.screen())};
}

X11ScreenGrab::Path X11ScreenGrab::FastestUsable() const
{
    if (m_renderUsable)
        return kRenderedPixmap;
    return m_shmUsable && m_directFormat ? kSharedImage : kPlainImage;
}

bool X11ScreenGrab::Grab(const RECT& rect, QImage& image)
{
    // Nothing on an X screen is wider or taller than its 16-bit coordinates reach.
    constexpr std::int64_t kMaxSide = 32767;
    if (IsRectEmptyArea(rect) || std::int64_t{rect.right} - rect.left > kMaxSide ||
        std::int64_t{rect.bottom} - rect.top > kMaxSide)
        return false;
    const RECT onScreen = ClipRectToScreen(rect, ScreenSize());
    if (IsRectEmptyArea(onScreen))
        return false;
    const int width = onScreen.right - onScreen.left;
    const int height = onScreen.bottom - onScreen.top;
    std::lock_guard lock(m_x.mutex());
    QImage part;
    const int x = onScreen.left;
    const int y = onScreen.top;
    const bool grabbed = (m_renderUsable && GrabRendered(x, y, width, height, part)) ||
        (m_shmUsable && m_directFormat && GrabShm(x, y, width, height, part)) ||
        GrabPlain(x, y, width, height, part);
    if (!grabbed)
        return false;
    if (onScreen == rect) {
        image = std::move(part);
        return true;
    }
    // Partly off screen: the rest stays black.
    QImage whole(rect.right - rect.left, rect.bottom - rect.top, QImage::Format_RGB32);
    if (whole.isNull())
        return false;  // no memory for it
    whole.fill(0xFF000000u);
    const int dx = onScreen.left - rect.left;
    const int dy = onScreen.top - rect.top;
    for (int y = 0; y < height; ++y)
        std::memcpy(whole.scanLine(y + dy) + dx * 4, part.constScanLine(y), static_cast<size_t>(width) * 4);
    image = std::move(whole);
    return true;
}

// The server converts the screen's pixels into the ARGB pixmap with an opaque
// alpha byte: the pixels need no pass of their own here.
bool X11ScreenGrab::GrabRendered(int x, int y, int width, int height, QImage& image)
{
    X11ShmSegment* segment = TakeSegment(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    if (segment == nullptr)
        return false;
    Display* d = m_x.display();
    X11ErrorTrap trap(d, X11ErrorTrap::kRepliesOnly);  // the one round trip is Failed() below
    if (segment->pixmap == 0 || segment->pixmapWidth != width || segment->pixmapHeight != height) {
        DropPixmap(d, *segment);
        segment->pixmap = XShmCreatePixmap(d, m_x.root(), segment->info.shmaddr, &segment->info,
            static_cast<unsigned>(width), static_cast<unsigned>(height), 32);
        segment->picture = XRenderCreatePicture(
            d, segment->pixmap, XRenderFindStandardFormat(d, PictStandardARGB32), 0, nullptr);
        segment->pixmapWidth = width;
        segment->pixmapHeight = height;
    }
    XRenderComposite(d, PictOpSrc, m_rootPicture, None, segment->picture, x, y, 0, 0, 0, 0,
        static_cast<unsigned>(width), static_cast<unsigned>(height));
    if (trap.Failed()) {
        DestroySegment(segment);
        m_renderUsable = false;  // the next ways serve from now on
        return false;
    }
    image = WrapSegment(segment, width, height);
    return true;
}

bool X11ScreenGrab::GrabShm(int x, int y, int width, int height, QImage& image)
{
    const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
    X11ShmSegment* segment = TakeSegment(bytes);
    if (segment == nullptr)
        return false;
    X11ErrorTrap trap(m_x.display(), X11ErrorTrap::kRepliesOnly);
    XImage* header = segment->image;
    if (header == nullptr || header->width != width || header->height != height) {
        DropImageHeader(segment->image);
        segment->image = XShmCreateImage(m_x.display(), DefaultVisual(m_x.display(), m_x.screen()),
            DefaultDepth(m_x.display(), m_x.screen()), ZPixmap, segment->info.shmaddr, &segment->info, width,
            height);
        header = segment->image;
    }
    if (header == nullptr || header->bytes_per_line != width * 4 ||
        !XShmGetImage(m_x.display(), m_x.root(), header, x, y, AllPlanes) || trap.FailedSoFar()) {
        DestroySegment(segment);
        return false;
    }
    MakePixelsOpaque(reinterpret_cast<std::uint32_t*>(segment->info.shmaddr),
        static_cast<size_t>(width) * static_cast<size_t>(height));
    image = WrapSegment(segment, width, height);
    return true;
}

// The image on the segment's memory; releasing it hands the segment back.
QImage X11ScreenGrab::WrapSegment(X11ShmSegment* segment, int width, int height)
{
    return QImage(reinterpret_cast<uchar*>(segment->info.shmaddr), width, height, width * 4,
        QImage::Format_RGB32, &X11ScreenGrab::ReleaseSegment, segment);
}

bool X11ScreenGrab::GrabPlain(int x, int y, int width, int height, QImage& image)
{
    X11ErrorTrap trap(m_x.display());
    XImage* source = XGetImage(m_x.display(), m_x.root(), x, y, static_cast<unsigned>(width),
        static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (source == nullptr || trap.Failed()) {
        if (source != nullptr)
            XDestroyImage(source);
        return false;
    }
    if (m_directFormat && source->bits_per_pixel == 32) {
        image = QImage(width, height, QImage::Format_RGB32);
        for (int row = 0; row < height; ++row) {
            std::memcpy(image.scanLine(row), source->data + static_cast<size_t>(row) * source->bytes_per_line,
                static_cast<size_t>(width) * 4);
            MakePixelsOpaque(
                reinterpret_cast<std::uint32_t*>(image.scanLine(row)), static_cast<size_t>(width));
        }
    } else {
        image = ConvertXImage(source);
    }
    XDestroyImage(source);
    return true;
}

X11ShmSegment* X11ScreenGrab::TakeSegment(size_t bytes)
{
    for (auto it = m_spare.begin(); it != m_spare.end(); ++it) {
        if ((*it)->bytes >= bytes) {
            X11ShmSegment* segment = *it;
            m_spare.erase(it);
            return segment;
        }
    }
    // Segments of at least a whole screen serve every later grab.
    const SIZE screen = ScreenSize();
    const size_t size = std::max(bytes, static_cast<size_t>(screen.cx) * static_cast<size_t>(screen.cy) * 4);
    auto* segment = new X11ShmSegment;
    segment->owner = this;
    segment->bytes = size;
    segment->info.shmid = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
    if (segment->info.shmid < 0) {
        delete segment;  // out of segments for now (callers hold many images): this grab takes another way
        return nullptr;
    }
    segment->info.shmaddr = static_cast<char*>(shmat(segment->info.shmid, nullptr, 0));
    segment->info.readOnly = False;
    X11ErrorTrap trap(m_x.display());
    const bool attached = segment->info.shmaddr != reinterpret_cast<char*>(-1) &&
        XShmAttach(m_x.display(), &segment->info) && !trap.Failed();
    // Marked for removal now: the segment goes away with its last user, even after a crash.
    shmctl(segment->info.shmid, IPC_RMID, nullptr);
    if (!attached) {
        if (segment->info.shmaddr != reinterpret_cast<char*>(-1))
            shmdt(segment->info.shmaddr);
        delete segment;
        m_shmUsable = false;  // e.g. a server on another machine
        m_renderUsable = false;
        return nullptr;
    }
    return segment;
}

void X11ScreenGrab::DestroySegment(X11ShmSegment* segment)
{
    X11ErrorTrap trap(m_x.display());
    DropImageHeader(segment->image);
    DropPixmap(m_x.display(), *segment);
    XShmDetach(m_x.display(), &segment->info);
    XSync(m_x.display(), False);
    shmdt(segment->info.shmaddr);
    delete segment;
}

void X11ScreenGrab::ReleaseSegment(void* opaque)
{
    auto* segment = static_cast<X11ShmSegment*>(opaque);
    X11ScreenGrab* owner = segment->owner;
    std::lock_guard lock(owner->m_x.mutex());
    if (owner->m_spare.size() < kSpareSegments)
        owner->m_spare.push_back(segment);
    else
        owner->DestroySegment(segment);
}
