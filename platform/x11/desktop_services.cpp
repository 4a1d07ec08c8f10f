// The one place that chooses the desktop services of the process.
#include "platform/x11/desktop_services.h"

#include "platform/x11/null_desktop_services.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_frame_extents.h"
#include "platform/x11/x11_pointer.h"
#include "platform/x11/x11_screen_grab.h"
#include "platform/x11/x11_window_list.h"

#include <atomic>

namespace {

std::atomic<DesktopServices*> g_testServices{nullptr};

DesktopServices* MakeNullServices()
{
    static NullWindowList windows;
    static NullWindowControl control;
    static NullScreenGrab grab;
    static NullCursor cursor;
    static NullPointerConfinement pointer;
    static NullInput input;
    static DesktopServices services{windows, control, grab, cursor, pointer, input};
    return &services;
}

DesktopServices* MakeX11Services(X11Connection& x)
{
    // Never destroyed: images handed out by the grab may outlive any scope.
    auto* windows = new X11WindowList(x);
    auto* control = new X11WindowControl(x);
    auto* grab = new X11ScreenGrab(x);
    auto* cursor = new X11Cursor(x);
    auto* pointer = new X11PointerConfinement(x);
    auto* input = new X11Input(x);
    auto* frameExtents = new X11FrameExtents(x);
    return new DesktopServices{*windows, *control, *grab, *cursor, *pointer, *input, *frameExtents};
}

DesktopServices* ChosenServices()
{
    static DesktopServices* chosen = [] {
        X11Connection* x = X11Connection::Get();
        return x != nullptr ? MakeX11Services(*x) : MakeNullServices();
    }();
    return chosen;
}

}  // namespace

FrameExtentsService& NullFrameExtentsService()
{
    static NullFrameExtents none;
    return none;
}

DesktopServices& Desktop()
{
    DesktopServices* test = g_testServices.load();
    return test != nullptr ? *test : *ChosenServices();
}

bool DesktopIsAvailable()
{
    return g_testServices.load() != nullptr || X11Connection::Get() != nullptr;
}

void SetDesktopServicesForTesting(DesktopServices* services)
{
    g_testServices.store(services);
}
