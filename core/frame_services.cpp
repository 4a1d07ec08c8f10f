#include "core/frame_services.h"

#include <atomic>

namespace {

FrameServices g_noFrame;
std::atomic<FrameServices*> g_frame{nullptr};

}  // namespace

FrameServices& GetFrameServices()
{
    FrameServices* frame = g_frame.load();
    return frame ? *frame : g_noFrame;
}

void SetFrameServices(FrameServices* frame)
{
    g_frame.store(frame);
}
