// A stand-in for the thumbnail decoder whose speed a test controls: each
// call can take a delay, and a closed gate holds every call until it opens
// (a decoder stuck on a slow disk). Pictures are one colour.
#pragma once

#include "multiview/thumbnail_list.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <mutex>

class FakeThumbnailDecoder {
public:
    explicit FakeThumbnailDecoder(QRgb colour = qRgb(200, 0, 0)) : m_colour(colour) { }

    ThumbnailDecoder Decoder()
    {
        return [this](const QString&, int) { return Decode(); };
    }
    void SetDelayMs(int ms) { m_delayMs = ms; }
    void CloseGate()
    {
        std::lock_guard lock(m_mutex);
        m_open = false;
    }
    void OpenGate()
    {
        {
            std::lock_guard lock(m_mutex);
            m_open = true;
        }
        m_opened.notify_all();
    }
    // Calls begun, and calls waiting at the closed gate.
    int Calls() const { return m_calls.load(); }
    int Waiting() const { return m_waiting.load(); }

private:
    ThumbnailSource Decode()
    {
        ++m_calls;
        {
            std::unique_lock lock(m_mutex);
            ++m_waiting;
            m_opened.wait(lock, [this] { return m_open; });
            --m_waiting;
        }
        if (m_delayMs > 0)
            QThread::msleep(static_cast<unsigned long>(m_delayMs.load()));
        ThumbnailSource source;
        source.result = kThumbMade;
        source.decodeState = 1;
        source.picture = QImage(16, 12, QImage::Format_RGB32);
        source.picture.fill(m_colour);
        source.imageWidth = 160;
        source.imageHeight = 120;
        return source;
    }

    QRgb m_colour;
    std::atomic<int> m_delayMs{0};
    std::atomic<int> m_calls{0};
    std::atomic<int> m_waiting{0};
    std::mutex m_mutex;
    std::condition_variable m_opened;
    bool m_open = true;
};

// A folder of count empty picture files (their content is never read: the
// fake decoder stands in for the codecs).
inline QString MakePictureFolder(const QTemporaryDir& dir, const QString& sub, int count)
{
    const QString folder = dir.path() + QLatin1Char('/') + sub;
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QFile file(folder + QStringLiteral("/p%1.png").arg(i, 4, 10, QLatin1Char('0')));
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(1 + i % 7, 'x'));  // sizes differ: the size order is not the name order
    }
    return folder;
}
