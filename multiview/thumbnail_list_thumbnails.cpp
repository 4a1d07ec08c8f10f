// Thumbnails: making one (decode without the lock, store under it), the
// queries the painting uses, and the loaders' passes.
#include "core/geometry.h"
#include "core/multi_view_messages.h"
#include "core/system_figures.h"
#include "multiview/thumbnail_list.h"
#include "platform/dialog/msgbox.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/resource_bitmaps.h"
#include "platform/system/kernel.h"

namespace {

const QString kSomeFilesFailedText = QStringLiteral("いくつかのファイルの読み込みに失敗しました。");

}  // namespace

// ----- runs -----

CThumbnailList::RunTicket CThumbnailList::BeginRun(RunKind kind)
{
    auto lock = Lock();
    const unsigned serial = ++m_runSerial[kind];
    return RunTicket{kind, serial, kind == kRunSort ? m_fileGeneration : m_generation};
}

void CThumbnailList::AbandonLoaderRuns()
{
    auto lock = Lock();
    ++m_runSerial[kRunRange];
    ++m_runSerial[kRunPage];
}

void CThumbnailList::AbandonSortRun()
{
    auto lock = Lock();
    ++m_runSerial[kRunSort];
}

bool CThumbnailList::IsCurrentLocked(const RunTicket& ticket) const
{
    const unsigned generation = ticket.kind == kRunSort ? m_fileGeneration : m_generation;
    return m_runSerial[ticket.kind] == ticket.serial && generation == ticket.generation;
}

bool CThumbnailList::IsCurrent(const RunTicket& ticket) const
{
    auto lock = Lock();
    return IsCurrentLocked(ticket);
}

bool CThumbnailList::WaitWhileSuspended(const std::atomic<int>& cancel, const RunTicket& ticket) const
{
    while (m_control->suspended.load()) {
        if (cancel.load() != 0 || !IsCurrent(ticket))
            return false;
        Sleep(5);
    }
    return true;
}

// ----- making one thumbnail -----

void CThumbnailList::SetPlaceholderThumbnail(ThumbnailSource* source)
{
    source->picture = MultiViewBitmapImage(
        source->result == kThumbUnsupported ? kUnsupportedFileBitmap : kUnreadableFileBitmap);
    source->imageWidth = static_cast<DWORD>(source->picture.width());
    source->imageHeight = static_cast<DWORD>(source->picture.height());
}

HBITMAP CThumbnailList::MakeThumbnailFromImage(
    const QImage& picture, DWORD imageWidth, DWORD imageHeight, int edge, int* width, int* height) const
{
    const RECT fit = FitSizeInRect(
        RECT{0, 0, edge, edge}, SIZE{static_cast<LONG>(imageWidth), static_cast<LONG>(imageHeight)});
    *width = fit.right - fit.left + 1;
    *height = fit.bottom - fit.top + 1;
    if (picture.isNull())
        return nullptr;
    const Qt::TransformationMode mode =
        GetStretchBltModeSetting() == HALFTONE ? Qt::SmoothTransformation : Qt::FastTransformation;
    const QImage source =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
        ? picture
        : picture.convertToFormat(QImage::Format_RGB32);
    const QImage thumb = source.scaled(*width, *height, Qt::IgnoreAspectRatio, mode);
    return CreateBitmapFromImage(thumb);
}

int CThumbnailList::MakeThumbnail(int file)
{
    return MakeThumbnailForRun(file, nullptr);
}

int CThumbnailList::MakeThumbnailForRun(int file, const RunTicket* ticket, bool* stored)
{
    if (stored)
        *stored = false;
    QString path;
    int edge = 0;
    ThumbnailDecoder decoder;
    {
        auto lock = Lock();
        if (ticket && !IsCurrentLocked(*ticket))
            return kThumbDrawFailed;
        if (file < 0 || file >= m_fileCount || file >= static_cast<int>(m_thumbs.size()))
            return kThumbUnreadable;
        path = GetFilePath(file);
        edge = m_thumbEdge.load();
        decoder = m_decoder;
    }

    ThumbnailSource source = decoder ? decoder(path, edge) : DecodeThumbnailSource(path, edge);
    const bool made = source.result == kThumbMade;
    if (!made)
        SetPlaceholderThumbnail(&source);
    int width = 0, height = 0;
    HBITMAP bitmap =
        MakeThumbnailFromImage(source.picture, source.imageWidth, source.imageHeight, edge, &width, &height);

    auto lock = Lock();
    const bool stale = (ticket && !IsCurrentLocked(*ticket)) || file >= m_fileCount ||
        file >= static_cast<int>(m_thumbs.size()) || GetFilePath(file) != path;
    if (stale) {
        // The arrays changed meanwhile: nothing of this run is kept.
        if (bitmap)
            DeleteObject(bitmap);
        return kThumbDrawFailed;
    }
    ThumbEntry& t = m_thumbs[file];
    FileEntry& f = m_files[file];
    t.state.decode = source.decodeState;
    t.state.thumbnail = made ? 1 : 0;
    f.imageWidth = source.imageWidth;
    f.imageHeight = source.imageHeight;
    if (bitmap) {
        if (t.bitmap && ticket) {
            // Bitmaps the UI thread may be painting are deleted only by it.
            DeleteObject(bitmap);
        } else {
            if (t.bitmap)
                DeleteObject(t.bitmap);
            t.bitmap = bitmap;
            t.width = width;
            t.height = height;
            if (stored)
                *stored = true;
        }
    }
    if (!made)
        return source.result;
    return bitmap ? kThumbMade : kThumbDrawFailed;
}

void CThumbnailList::ReleaseThumbnail(int file)
{
    auto lock = Lock();
    if (file < 0 || file >= static_cast<int>(m_thumbs.size()))
        return;
    ThumbEntry& t = m_thumbs[file];
    if (t.bitmap)
        DeleteObject(t.bitmap);
    t.bitmap = nullptr;
    t.state.decode = 2;
    t.state.thumbnail = 2;
}

void CThumbnailList::SetUnreadableThumbnail(int file)
{
    ThumbnailSource source;
    source.result = kThumbUnreadable;
    SetPlaceholderThumbnail(&source);
    int width = 0, height = 0;
    HBITMAP bitmap = MakeThumbnailFromImage(
        source.picture, source.imageWidth, source.imageHeight, m_thumbEdge.load(), &width, &height);
    auto lock = Lock();
    if (file < 0 || file >= m_fileCount || file >= static_cast<int>(m_thumbs.size())) {
        if (bitmap)
            DeleteObject(bitmap);
        return;
    }
    ThumbEntry& t = m_thumbs[file];
    if (t.bitmap)
        DeleteObject(t.bitmap);
    t.bitmap = bitmap;
    t.width = width;
    t.height = height;
    t.state.decode = 0;
    t.state.thumbnail = 0;
}

// ----- queries -----

bool CThumbnailList::HasBitmapAtLocked(int position) const
{
    const WORD file = SortIndexLocked(position);
    return file != kNoFileIndex && file < m_thumbs.size() && m_thumbs[file].bitmap != nullptr;
}

int CThumbnailList::IsThumbnailLoaded(int position) const
{
    auto lock = Lock();
    return HasBitmapAtLocked(position) ? 1 : 0;
}

int CThumbnailList::GetThumbnail(int position, HBITMAP* bitmap, CSize* thumbSize, CSize* imageSize) const
{
    auto lock = Lock();
    const WORD file = SortIndexLocked(position);
    if (file == kNoFileIndex || file >= m_thumbs.size() || !m_thumbs[file].bitmap)
        return 0;
    const ThumbEntry& t = m_thumbs[file];
    if (bitmap)
        *bitmap = t.bitmap;
    if (thumbSize)
        *thumbSize = CSize(t.width, t.height);
    if (imageSize)
        *imageSize =
            CSize(static_cast<int>(m_files[file].imageWidth), static_cast<int>(m_files[file].imageHeight));
    return 1;
}

int CThumbnailList::FindFirstLoaded(int from, int to) const
{
    auto lock = Lock();
    for (int p = from; p <= to; ++p)
        if (HasBitmapAtLocked(p))
            return p;
    return 0;
}

int CThumbnailList::GetLoadedPercent(int first, int last) const
{
    auto lock = Lock();
    if (first >= last)
        return 0;
    int loaded = 0;
    for (int p = first; p <= last; ++p) {
        const WORD file = SortIndexLocked(p);
        if (file == kNoFileIndex)
            return 0;
        if (file < m_thumbs.size() && m_thumbs[file].bitmap)
            ++loaded;
    }
    return loaded * 100 / (last - first + 1);
}

bool CThumbnailList::IsRangeLoaded(int first, int last) const
{
    auto lock = Lock();
    for (int p = first; p <= last; ++p) {
        const WORD file = SortIndexLocked(p);
        if (file == kNoFileIndex)
            return m_fileCount == 0;
        if (file >= m_thumbs.size() || !m_thumbs[file].bitmap)
            return false;
    }
    return true;
}

// ----- loading passes -----

int CThumbnailList::LoadRangePass(int first, int last)
{
    return RangePass(first, last, BeginRun(kRunRange));
}

int CThumbnailList::RangePass(int first, int last, const RunTicket& ticket)
{
    if (GetFileCount() == 0)
        return 1;
    ThumbLoadControl& control = *m_control;
    if (!IsCurrent(ticket))
        return 3;
    int position = first;
    if (control.resume.exchange(false))
        position = control.cursor.load();
    for (;;) {
        // An abandoned run leaves the shared cursor to the run that replaced it.
        if (!IsCurrent(ticket))
            return 3;
        control.cursor.store(static_cast<WORD>(position));
        if (position > last)
            return 1;
        if (m_rangeCancel.load() != 0)
            return 3;
        if (!WaitWhileSuspended(m_rangeCancel, ticket))
            return 3;
        WORD file;
        bool missing;
        {
            auto lock = Lock();
            file = SortIndexLocked(position);
            missing = file != kNoFileIndex && file < m_thumbs.size() && !m_thumbs[file].bitmap;
        }
        if (!missing) {
            ++position;
            continue;
        }
        // Counted when this run's bitmap went in (the page loader may have
        // made the same file meanwhile).
        bool stored = false;
        MakeThumbnailForRun(file, &ticket, &stored);
        if (stored)
            control.loadedCount.fetch_add(1);
        // The UI thread may have moved the cursor to bring the page forward.
        position = control.cursor.load() + 1;
    }
}

int CThumbnailList::LoadRange(int first, int last)
{
    const RunTicket ticket = BeginRun(kRunRange);
    ThumbLoadControl& control = *m_control;
    control.passCount.store(0);
    for (;;) {
        if (RangePass(first, last, ticket) == 3) {
            auto lock = Lock();
            if (IsCurrentLocked(ticket)) {
                m_rangeCancel.store(0);
                m_loadState.store(kThumbLoadStopped);
            }
            return 0;
        }
        if (IsRangeLoaded(first, last))
            break;
        if (control.passCount.fetch_add(1) + 1 >= kLoadPassLimit)
            break;
    }
    if (!IsCurrent(ticket))
        return 0;
    if (control.passCount.load() >= kLoadPassLimit)
        AfxMessageBox(kSomeFilesFailedText);
    else
        Post(m_stage, WM_MULTI_RENDER, 0, 0);
    m_loadState.store(kThumbLoadFinished);
    return 1;
}

int CThumbnailList::LoadPage(int first, int last)
{
    const RunTicket ticket = BeginRun(kRunPage);
    if (GetFileCount() == 0)
        return 1;
    ThumbLoadControl& control = *m_control;
    for (int pass = 0; pass < kLoadPassLimit; ++pass) {
        int loaded = 0;
        for (int position = first; position <= last; ++position) {
            if (m_pageCancel.load() != 0 || !IsCurrent(ticket))
                return 0;
            if (!WaitWhileSuspended(m_pageCancel, ticket))
                return 0;
            WORD file;
            bool missing;
            {
                auto lock = Lock();
                file = SortIndexLocked(position);
                if (file == kNoFileIndex || file >= m_thumbs.size())
                    continue;
                missing = !m_thumbs[file].bitmap;
            }
            bool stored = false;
            if (missing)
                MakeThumbnailForRun(file, &ticket, &stored);
            if (stored)
                control.loadedCount.fetch_add(1);
            auto lock = Lock();
            if (IsCurrentLocked(ticket) && file < m_thumbs.size() && m_thumbs[file].bitmap)
                ++loaded;
        }
        if (loaded == last - first + 1)
            break;
    }
    return 1;
}
