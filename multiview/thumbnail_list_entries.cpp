// One entry added, read again or removed while the folder is shown.
#include "core/file_types.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "multiview/thumbnail_list.h"
#include "platform/gdi/gdi.h"
#include "platform/system/kernel.h"

#include <new>

int CThumbnailList::AddEntry()
{
    auto lock = Lock();
    // The ranks are 16-bit with 0xFFFF meaning "none": the count stops below.
    if (m_fileCount >= kMaxListEntries)
        return 0;
    try {
        if (m_fileCount + 1 > m_allocated) {
            const std::size_t room = static_cast<std::size_t>(m_allocated) + kFileArrayGrowth;
            m_files.resize(room);
            m_thumbs.resize(room);
            for (int key = 0; key < 3; ++key) {
                m_ranks[key].resize(room, 0);
                m_inverse[key].resize(room, kNoFileIndex);
            }
            m_allocated = static_cast<int>(room);
            m_growthCounter = 0;
        }
        // The thumbnail set keeps an entry for every file, also after it was
        // made for a capacity of 0.
        if (m_thumbs.size() < m_files.size())
            m_thumbs.resize(m_files.size());
        if (!m_fullImage) {
            m_fullImage = std::make_unique<CLoadBitmap_for_Dlg>();
            m_fullImage->showMessages = 0;
        }
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (m_capacity == m_fileCount)
        ++m_capacity;
    const int last = m_fileCount;
    m_files[last] = FileEntry();
    ThumbEntry& t = m_thumbs[last];
    if (t.bitmap)
        DeleteObject(t.bitmap);
    t = ThumbEntry();
    m_ranks[0][last] = m_ranks[1][last] = m_ranks[2][last] = 0;
    m_hasFileArrays = m_hasThumbArrays = true;
    ++m_growthCounter;
    ++m_fileCount;
    return 1;
}

int CThumbnailList::FindFile(const QString& name) const
{
    auto lock = Lock();
    // Exact: "A.JPG" and "a.jpg" are two files here.
    for (int f = 0; f < m_fileCount && f < static_cast<int>(m_files.size()); ++f)
        if (m_files[f].name == name)
            return f;
    return -1;
}

int CThumbnailList::RefreshEntry(int file, const QString& path, bool datesOnly)
{
    FolderEntry entry;
    if (!StatFolderEntry(path, &entry) || entry.IsFolder() || (entry.size >> 32) != 0)
        return 0;
    SYSTEMTIME time;
    if (!UnixTimeToLocalSystemTime(entry.writeSeconds, entry.writeNanoseconds, &time))
        time = SYSTEMTIME();
    int edge;
    {
        auto lock = Lock();
        if (file < 0 || file >= m_fileCount || file >= static_cast<int>(m_files.size()))
            return 0;
        FileEntry& f = m_files[file];
        f.time = time;
        f.dateText = FormatThumbDateText(time);
        f.size = static_cast<DWORD>(entry.size);
        edge = m_thumbEdge.load();
    }
    if (datesOnly)
        return 1;

    // Whatever its kind, through this call's own decoder.
    const ThumbnailSource source =
        DecodeAndMakeThumbnail(path, edge, GetImageTypeFromPath(path) == kImageKindBmp);
    int width = 0, height = 0;
    HBITMAP bitmap = source.result == kThumbMade
        ? MakeThumbnailFromImage(source.picture, source.imageWidth, source.imageHeight, edge, &width, &height)
        : nullptr;

    auto lock = Lock();
    if (file >= m_fileCount || file >= static_cast<int>(m_thumbs.size())) {
        if (bitmap)
            DeleteObject(bitmap);
        return 0;
    }
    ThumbEntry& t = m_thumbs[file];
    t.state.decode = source.decodeState;
    if (source.result == kThumbUnreadable)
        return 0;
    if (source.result == kThumbUnsupported) {
        t.state.thumbnail = 0;
        return 0;
    }
    t.state.thumbnail = 1;
    m_files[file].imageWidth = source.imageWidth;
    m_files[file].imageHeight = source.imageHeight;
    if (t.bitmap)
        DeleteObject(t.bitmap);
    t.bitmap = bitmap;
    t.width = width;
    t.height = height;
    return bitmap ? 1 : 0;
}

void CThumbnailList::RemoveEntry(int file)
{
    auto lock = Lock();
    if (file < 0 || file >= m_fileCount || file >= static_cast<int>(m_files.size()))
        return;
    if (file < static_cast<int>(m_thumbs.size())) {
        if (m_thumbs[file].bitmap)
            DeleteObject(m_thumbs[file].bitmap);
        m_thumbs.erase(m_thumbs.begin() + file);
        m_thumbs.push_back(ThumbEntry());
    }
    m_files.erase(m_files.begin() + file);
    m_files.push_back(FileEntry());
    // Every later file moved: what a loader made for the old places is stale.
    ++m_generation;
}

void CThumbnailList::LowerFileCount()
{
    auto lock = Lock();
    if (m_fileCount == 0)
        return;
    --m_fileCount;
    if (m_capacity > m_fileCount)
        m_capacity = m_fileCount;
    for (int key = 0; key < 3; ++key)
        RebuildInverseLocked(key);
}
