#include "platform/x11/x11_connection.h"

#include "platform/system/logging.h"

#include <X11/Xatom.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kMaxOwnDisplays = 8;
using DisplaySet = std::atomic<Display*>[kMaxOwnDisplays];
DisplaySet g_ownDisplays;
// Own displays whose server has gone: every later request of theirs fails.
DisplaySet g_lostDisplays;
// Errors arrive on the thread that waits for the server's answer, which is
// the thread holding the traps.
thread_local X11ErrorTrap* g_innermostTrap = nullptr;
std::atomic<XErrorHandler> g_baseHandler{nullptr};

bool IsIn(const DisplaySet& set, Display* display)
{
    for (const auto& own : set) {
        if (own.load() == display)
            return true;
    }
    return false;
}

void AddTo(DisplaySet& set, Display* display)
{
    for (auto& own : set) {
        Display* expected = nullptr;
        if (own.compare_exchange_strong(expected, display))
            return;
    }
}

void RemoveFrom(DisplaySet& set, Display* display)
{
    for (auto& own : set) {
        Display* expected = display;
        own.compare_exchange_strong(expected, nullptr);
    }
}

bool IsOwnDisplay(Display* display)
{
    return IsIn(g_ownDisplays, display);
}

// A broken connection of our own is not worth ending the process for: the
// services then simply fail. Other connections keep the handler they had.
std::atomic<XIOErrorHandler> g_baseIoHandler{nullptr};

int NoteIoError(Display* display)
{
    if (IsOwnDisplay(display)) {
        if (!IsIn(g_lostDisplays, display))
            qCWarning(lcX11)
                << "the connection to the X server is lost: the desktop services fail from now on";
        AddTo(g_lostDisplays, display);
        return 0;
    }
    const XIOErrorHandler base = g_baseIoHandler.load();
    return base != nullptr && base != NoteIoError ? base(display) : 0;
}

void KeepRunningOnIoError(Display*, void*)
{
}

}  // namespace

X11Connection* X11Connection::Get()
{
    static X11Connection* connection = []() -> X11Connection* {
        const char* name = std::getenv("DISPLAY");
        if (name == nullptr || *name == '\0')
            return nullptr;
        return Open(name);
    }();
    return connection;
}

X11Connection* X11Connection::Open(const char* name)
{
    XInitThreads();
    Display* display = XOpenDisplay(name);
    if (display == nullptr)
        return nullptr;
    AddTo(g_ownDisplays, display);
    XErrorHandler previous = XSetErrorHandler(X11ErrorTrap::HandleError);
    if (previous != X11ErrorTrap::HandleError)
        g_baseHandler.store(previous);
    XIOErrorHandler previousIo = XSetIOErrorHandler(NoteIoError);
    if (previousIo != NoteIoError)
        g_baseIoHandler.store(previousIo);
    XSetIOErrorExitHandler(display, KeepRunningOnIoError, nullptr);
    return new X11Connection(display);
}

X11Connection::X11Connection(Display* display)
    : m_display(display), m_root(DefaultRootWindow(display)), m_screen(DefaultScreen(display))
{
}

X11Connection::~X11Connection()
{
    RemoveFrom(g_ownDisplays, m_display);
    RemoveFrom(g_lostDisplays, m_display);
    XCloseDisplay(m_display);
}

Atom X11Connection::atom(const char* name)
{
    std::lock_guard lock(m_mutex);
    for (const auto& [known, value] : m_atoms) {
        if (known == name)
            return value;
    }
    const Atom value = XInternAtom(m_display, name, False);
    m_atoms.emplace_back(name, value);
    return value;
}

X11ErrorTrap::X11ErrorTrap(Display* display, Mode mode)
    : m_display(display), m_mode(mode), m_previous(XSetErrorHandler(HandleError)),
      m_firstSerial(NextRequest(display)), m_outer(g_innermostTrap)
{
    g_innermostTrap = this;
}

X11ErrorTrap::~X11ErrorTrap()
{
    if (m_mode == kSyncAtEnd)
        XSync(m_display, False);
    g_innermostTrap = m_outer;
    if (m_previous != HandleError && m_previous != nullptr)
        XSetErrorHandler(m_previous);
}

bool X11ErrorTrap::Failed()
{
    XSync(m_display, False);
    return FailedSoFar();
}

bool X11ErrorTrap::FailedSoFar() const
{
    return m_code != 0 || IsIn(g_lostDisplays, m_display);
}

int X11ErrorTrap::HandleError(Display* display, XErrorEvent* event)
{
    if (IsOwnDisplay(display)) {
        qCDebug(lcX11) << "X error" << event->error_code << "of request" << event->request_code << "trapped";
        for (X11ErrorTrap* trap = g_innermostTrap; trap != nullptr; trap = trap->m_outer) {
            if (trap->m_display == display && event->serial >= trap->m_firstSerial) {
                trap->m_code = event->error_code;
                break;
            }
        }
        return 0;
    }
    const XErrorHandler base = g_baseHandler.load();
    if (base != nullptr && base != HandleError)
        return base(display, event);
    return 0;
}

bool ReadX11Property(
    Display* display, Window window, Atom property, Atom type, long maxItems, X11Property& out)
{
    out = X11Property{};
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(
        display, window, property, 0, maxItems, False, type, &actualType, &format, &count, &remaining, &data);
    if (status != Success || actualType == 0 || data == nullptr) {
        if (data != nullptr)
            XFree(data);
        return false;
    }
    // Xlib hands format-32 items as longs.
    const size_t itemSize = format == 32 ? sizeof(long) : static_cast<size_t>(format / 8);
    out.type = actualType;
    out.format = format;
    out.count = count;
    out.bytes.assign(data, data + count * itemSize);
    XFree(data);
    return true;
}

std::vector<unsigned long> ReadX11Cardinals(
    Display* display, Window window, Atom property, Atom type, long maxItems)
{
    X11Property p;
    std::vector<unsigned long> values;
    if (!ReadX11Property(display, window, property, type, maxItems, p) || p.format != 32)
        return values;
    values.resize(p.count);
    for (unsigned long i = 0; i < p.count; ++i) {
        long item = 0;
        std::memcpy(&item, p.bytes.data() + i * sizeof(long), sizeof(long));
        values[i] = static_cast<unsigned long>(item) & 0xFFFFFFFFul;
    }
    return values;
}

QString ReadX11Utf8(X11Connection& x, Window window, const char* property)
{
    X11Property p;
    if (!ReadX11Property(x.display(), window, x.atom(property), x.atom("UTF8_STRING"), 4096, p) ||
        p.format != 8)
        return {};
    return QString::fromUtf8(
        reinterpret_cast<const char*>(p.bytes.data()), static_cast<qsizetype>(p.bytes.size()));
}
