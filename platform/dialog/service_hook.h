// The test hook of a modal service (message boxes, file dialogs, ...): one
// replaceable function that answers in place of the real window. Setting and
// reading it is safe from any thread; a worker may ask while a test replaces
// it.
#pragma once

#include <mutex>
#include <utility>

template <typename Hook> class ServiceHook {
public:
    // A copy of the current hook (empty while none is set), so that it can be
    // called without holding the lock.
    Hook Get() const
    {
        std::lock_guard lock(m_mutex);
        return m_hook;
    }
    void Set(Hook hook)
    {
        std::lock_guard lock(m_mutex);
        m_hook = std::move(hook);
    }

private:
    mutable std::mutex m_mutex;
    Hook m_hook;
};
