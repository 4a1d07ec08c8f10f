// Helpers of the thumbnail list tests: a temporary folder with files of
// chosen content, size and write time, the settings the list reads, the
// application mode, and a decoder whose speed the test controls.
#pragma once

#include "core/app_state.h"
#include "core/settings/app_settings.h"
#include "multiview/thumbnail_list.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class ThumbTestFolder {
public:
    ThumbTestFolder() { EXPECT_TRUE(m_dir.isValid()); }

    QString Path() const { return m_dir.path(); }
    QString PathOf(const QString& name) const { return m_dir.path() + "/" + name; }

    // A file of these bytes, written at the given local time when seconds is not 0.
    void Write(const QString& name, const QByteArray& bytes, std::time_t seconds = 0) const
    {
        QFile f(PathOf(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
        f.close();
        if (seconds != 0)
            SetTime(name, seconds);
    }
    // A sparse file of this size.
    void Sized(const QString& name, qint64 size, std::time_t seconds = 0) const
    {
        Write(name, QByteArray(), seconds);
        ASSERT_EQ(::truncate(QFile::encodeName(PathOf(name)).constData(), size), 0);
        if (seconds != 0)
            SetTime(name, seconds);
    }
    void SetTime(const QString& name, std::time_t seconds) const
    {
        const timespec times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(PathOf(name)).constData(), times, 0), 0);
    }
    void Folder(const QString& name) const { ASSERT_TRUE(QDir(Path()).mkdir(name)); }

private:
    QTemporaryDir m_dir;
};

// The settings the list consults, restored afterwards.
class ThumbSettingsScope {
public:
    ThumbSettingsScope() : m_saved(AppSettings)
    {
        AppSettings.ThumCoarseView = 1;
        AppSettings.MaxHBitmapNumber = 2000;
        AppSettings.ImageComplement = 1;
        AppSettings.MaskExt = 0;
        AppSettings.IncludeMaskFile = 1;
        AppSettings.IsTMIExtMode = 0;
        AppSettings.ExtensionMask = 1;
    }
    ~ThumbSettingsScope() { AppSettings = m_saved; }
    ThumbSettingsScope(const ThumbSettingsScope&) = delete;
    ThumbSettingsScope& operator=(const ThumbSettingsScope&) = delete;

private:
    AppSettingsRecord m_saved;
};

// The application in the multi view (mode 2) for the life of the object.
class MultiModeScope : public AppStateSource {
public:
    MultiModeScope() { SetAppStateSource(this); }
    ~MultiModeScope() override { SetAppStateSource(nullptr); }
    int AppMode() const override { return 2; }
};

// A decoder that hands out a small grey picture after an optional delay or
// after the test opens its gate; it counts its calls.
class FakeThumbDecoder {
public:
    explicit FakeThumbDecoder(int delayMs = 0) : m_delayMs(delayMs) { }

    ThumbnailDecoder Decoder()
    {
        return [this](const QString&, int) {
            ++m_calls;
            {
                std::unique_lock lock(m_mutex);
                m_cv.wait(lock, [this] { return m_open; });
            }
            if (m_delayMs > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(m_delayMs));
            ThumbnailSource source;
            source.result = kThumbMade;
            source.decodeState = 1;
            source.picture = QImage(40, 30, QImage::Format_RGB32);
            source.picture.fill(qRgb(90, 90, 90));
            source.imageWidth = 400;
            source.imageHeight = 300;
            return source;
        };
    }
    void Close()
    {
        std::lock_guard lock(m_mutex);
        m_open = false;
    }
    void Open()
    {
        {
            std::lock_guard lock(m_mutex);
            m_open = true;
        }
        m_cv.notify_all();
    }
    int Calls() const { return m_calls.load(); }

private:
    int m_delayMs;
    std::atomic<int> m_calls{0};
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_open = true;
};
