#include "platform/window/window_registry.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <mutex>

namespace {

struct Registry {
    std::mutex mutex;
    std::uintptr_t nextHandle = 2;
    QHash<std::uintptr_t, QPointer<QWidget>> widgets;
    QHash<const QWidget*, std::uintptr_t> handles;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

}  // namespace

HWND RegisterWindowHandle(QWidget* widget)
{
    if (!widget)
        return nullptr;
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    if (const auto it = r.handles.constFind(widget); it != r.handles.cend())
        return reinterpret_cast<HWND>(it.value());
    const std::uintptr_t handle = r.nextHandle;
    r.nextHandle += 2;  // even numbers: own windows (odd ones name X11 windows)
    r.widgets.insert(handle, widget);
    r.handles.insert(widget, handle);
    return reinterpret_cast<HWND>(handle);
}

void UnregisterWindowHandle(HWND hwnd)
{
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    const auto handle = reinterpret_cast<std::uintptr_t>(hwnd);
    const auto it = r.widgets.find(handle);
    if (it == r.widgets.end())
        return;
    r.handles.remove(it.value().data());
    r.widgets.erase(it);
}

QWidget* WidgetFromHwnd(HWND hwnd)
{
    if (!hwnd || IsX11WindowHandle(hwnd))
        return nullptr;
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    return r.widgets.value(reinterpret_cast<std::uintptr_t>(hwnd)).data();
}

HWND HwndFromWidget(const QWidget* widget)
{
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    return reinterpret_cast<HWND>(r.handles.value(widget, 0));
}
