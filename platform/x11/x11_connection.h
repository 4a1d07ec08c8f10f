// The program's own Xlib connection, shared by the X11 desktop services, with
// an error trap that records X errors instead of ending the process.
// Included only by the X11 service sources (it brings in Xlib).
#pragma once

#include <QString>

#include <X11/Xlib.h>

#include <mutex>
#include <vector>

class X11Connection {
public:
    // The connection to the display named by DISPLAY, opened on first use;
    // null when no display can be opened.
    static X11Connection* Get();
    // A further connection to the named display (tests of a second server);
    // null when it cannot be opened.
    static X11Connection* Open(const char* name);
    ~X11Connection();

    Display* display() const { return m_display; }
    Window root() const { return m_root; }
    int screen() const { return m_screen; }
    // Every use of the connection holds this lock.
    std::recursive_mutex& mutex() { return m_mutex; }
    Atom atom(const char* name);

private:
    explicit X11Connection(Display* display);

    Display* m_display;
    Window m_root;
    int m_screen;
    std::recursive_mutex m_mutex;
    std::vector<std::pair<std::string, Atom>> m_atoms;
};

// Records the X errors of the requests that one display makes during the
// trap's lifetime. Traps nest: an error belongs to the innermost trap on this
// thread that was set before its request was made. A connection whose server
// has gone counts as failed. The caller holds the connection's lock.
class X11ErrorTrap {
public:
    enum Mode { kSyncAtEnd, kRepliesOnly };
    // kRepliesOnly: the scope makes only requests that wait for their reply,
    // whose errors arrive with it, so no extra round trip is made at the end.
    explicit X11ErrorTrap(Display* display, Mode mode = kSyncAtEnd);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Waits for the server to answer every request so far; true when any failed.
    bool Failed();
    // True when an error has arrived so far, without waiting.
    bool FailedSoFar() const;
    int lastErrorCode() const { return m_code; }

    // The process's X error handler (installed with the first connection):
    // errors of the program's own connections go to their traps, never to an exit.
    static int HandleError(Display* display, XErrorEvent* event);

private:
    Display* m_display;
    Mode m_mode;
    XErrorHandler m_previous;
    unsigned long m_firstSerial;
    int m_code = 0;
    X11ErrorTrap* m_outer;
};

// A window property as raw items (format 8, 16 or 32; format-32 items are longs).
struct X11Property {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    std::vector<unsigned char> bytes;
};

// Reads up to maxItems 32-bit items (or the byte equivalent) of a property;
// false when the window has none or has gone.
bool ReadX11Property(
    Display* display, Window window, Atom property, Atom type, long maxItems, X11Property& out);
// Format-32 items as unsigned 32-bit values.
std::vector<unsigned long> ReadX11Cardinals(
    Display* display, Window window, Atom property, Atom type, long maxItems = 1024);
// A UTF8_STRING property as text; null when absent.
QString ReadX11Utf8(X11Connection& x, Window window, const char* property);
