// The yardstick of the screen benchmarks: a whole-screen XShmGetImage on a
// connection of its own, with nothing around it.
#pragma once

#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

class BareShmLoop {
public:
    BareShmLoop()
    {
        m_display = XOpenDisplay(nullptr);
        if (m_display == nullptr || !XShmQueryExtension(m_display))
            return;
        const int s = DefaultScreen(m_display);
        const int h = DisplayHeight(m_display, s);
        m_image = XShmCreateImage(m_display, DefaultVisual(m_display, s),
            static_cast<unsigned>(DefaultDepth(m_display, s)), ZPixmap, nullptr, &m_info,
            static_cast<unsigned>(DisplayWidth(m_display, s)), static_cast<unsigned>(h));
        m_info.shmid = shmget(IPC_PRIVATE,
            static_cast<size_t>(m_image->bytes_per_line) * static_cast<size_t>(h), IPC_CREAT | 0600);
        m_info.shmaddr = m_image->data = static_cast<char*>(shmat(m_info.shmid, nullptr, 0));
        m_info.readOnly = False;
        XShmAttach(m_display, &m_info);
        XSync(m_display, False);
        shmctl(m_info.shmid, IPC_RMID, nullptr);
    }
    ~BareShmLoop()
    {
        if (m_image != nullptr) {
            XShmDetach(m_display, &m_info);
            XSync(m_display, False);
            m_image->data = nullptr;
            XDestroyImage(m_image);
            shmdt(m_info.shmaddr);
        }
        if (m_display != nullptr)
            XCloseDisplay(m_display);
    }
    bool ready() const { return m_image != nullptr; }
    void Grab()
    {
        XShmGetImage(m_display, DefaultRootWindow(m_display), m_image, 0, 0, AllPlanes);
        benchmark::DoNotOptimize(m_image->data);
    }

private:
    Display* m_display = nullptr;
    XShmSegmentInfo m_info{};
    XImage* m_image = nullptr;
};
