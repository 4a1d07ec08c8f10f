#include "core/app_state.h"

#include <atomic>

namespace {

AppStateSource g_noWindows;
std::atomic<AppStateSource*> g_source{nullptr};

}  // namespace

AppStateSource& GetAppState()
{
    AppStateSource* source = g_source.load();
    return source ? *source : g_noWindows;
}

void SetAppStateSource(AppStateSource* source)
{
    g_source.store(source);
}
