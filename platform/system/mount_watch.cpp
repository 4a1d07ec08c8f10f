#include "platform/system/mount_watch.h"

#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

// The handle on the mount table and the quiet-period timer.
class MountWatchNotifier {
public:
    MountWatchNotifier(MountWatch* owner, int quietMs)
        : m_fd(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC))
    {
        m_quiet.setSingleShot(true);
        m_quiet.setInterval(quietMs);
        QObject::connect(&m_quiet, &QTimer::timeout, [owner] { owner->CompareVolumes(); });
        if (m_fd < 0)
            return;
        Drain();
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Exception);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this, owner] {
            Drain();
            owner->NoteTableChanged();
        });
    }
    ~MountWatchNotifier()
    {
        m_notifier.reset();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool IsWatching() const { return m_notifier != nullptr; }
    void StartQuietPeriod() { m_quiet.start(); }

private:
    int m_fd;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_quiet;

    // Reading the table to its end takes the change: the handle is quiet until the next one.
    void Drain()
    {
        char buffer[4096];
        ::lseek(m_fd, 0, SEEK_SET);
        while (::read(m_fd, buffer, sizeof buffer) > 0) { }
    }
};

MountWatch::MountWatch(VolumeReader read, std::function<void()> changed, int quietMs)
    : m_read(std::move(read)), m_changed(std::move(changed))
{
    if (m_read)
        m_last = m_read();
    m_notifier = std::make_unique<MountWatchNotifier>(this, quietMs);
}

MountWatch::~MountWatch() = default;

bool MountWatch::IsWatching() const
{
    return m_notifier && m_notifier->IsWatching();
}

void MountWatch::NoteTableChanged()
{
    m_notifier->StartQuietPeriod();
}

void MountWatch::CompareVolumes()
{
    if (!m_read)
        return;
    std::vector<MountedVolume> now = m_read();
    if (now == m_last)
        return;
    m_last = std::move(now);
    if (m_changed)
        m_changed();
}
