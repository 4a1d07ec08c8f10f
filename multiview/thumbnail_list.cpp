// The thumbnail list's arrays, the folder listing and the capacity rule.
#include "multiview/thumbnail_list.h"

#include "core/app_state.h"
#include "core/file_types.h"
#include "core/multi_view_messages.h"
#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "multiview/thumb_mask.h"
#include "platform/dialog/msgbox.h"
#include "platform/system/kernel.h"
#include "platform/window/cursor.h"
#include "platform/window/window.h"

#include <algorithm>
#include <cstdio>
#include <new>

namespace {

constexpr int kPathCapacity = 520;
constexpr int kAppModeMulti = 2;

const QString kNoMemoryText = QStringLiteral("メモリが少ないか、フォルダ内のファイル数が多い為、メモリの確保"
                                             "に失敗しました。\n\n画像ファイルを表示する事が出来ません。");
const QString kNoImagesText = QStringLiteral("サポートしている画像ファイルがありません。");
const QString kLowMemoryText =
    QStringLiteral("フリーメモリが少ない為、全ての画像のサムネイル表示が出来ない可能性があります。");

bool InMultiMode()
{
    return GetAppState().AppMode() == kAppModeMulti;
}

}  // namespace

QString FormatThumbDateText(const SYSTEMTIME& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d/%02d/%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour,
        t.wMinute, t.wSecond);
    return QString::fromLatin1(text);
}

CThumbnailList::CThumbnailList() : m_control(&GetThumbLoadControl())
{
}

CThumbnailList::~CThumbnailList()
{
    FreeThumbnailArrays();
    FreeFileArrays();
    if (m_previewBitmap)
        DeleteObject(m_previewBitmap);
}

void CThumbnailList::SetNoticeWindows(HWND panel, HWND stage)
{
    m_panel = panel;
    m_stage = stage;
}

void CThumbnailList::SetMasks(CThumbMask* mask, CMaskValueTally* tally)
{
    m_mask = mask;
    m_tally = tally;
}

void CThumbnailList::SetThumbnailDecoder(ThumbnailDecoder decoder)
{
    auto lock = Lock();
    m_decoder = std::move(decoder);
}

void CThumbnailList::SetAvailableMemoryMB(std::function<DWORD()> source)
{
    m_availableMB = std::move(source);
}

DWORD CThumbnailList::AvailableMemoryMB() const
{
    return m_availableMB ? m_availableMB() : GetAvailablePhysicalMB();
}

void CThumbnailList::Post(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (target)
        PostMessage(target, message, wParam, lParam);
}

void CThumbnailList::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (target)
        SendMessage(target, message, wParam, lParam);
}

// ----- listing -----

bool CThumbnailList::IsListedEntry(const FolderEntry& entry)
{
    if (entry.name == QLatin1String(".") || entry.name == QLatin1String(".."))
        return false;
    if (entry.IsFolder() || entry.name == QLatin1String("Thumbs.db"))
        return false;
    if (GetImageTypeOfPath(entry.name) == kImageTypeNone)
        return false;
    return (entry.size >> 32) == 0;
}

int CThumbnailList::CountFolderFiles(const std::vector<FolderEntry>& entries)
{
    int count = 0;
    for (const FolderEntry& e : entries)
        if (count < kMaxCountedFiles && IsListedEntry(e))
            ++count;
    return count;
}

void CThumbnailList::EnumerateFolder(const std::vector<FolderEntry>& entries)
{
    auto lock = Lock();
    m_control->megabyteSum = 0;
    int file = 0;
    for (const FolderEntry& e : entries) {
        if (file >= m_fileCount)
            break;
        if (!IsListedEntry(e))
            continue;
        FileEntry& f = m_files[file];
        f.name = e.name;
        SYSTEMTIME time;
        if (!UnixTimeToLocalSystemTime(e.writeSeconds, e.writeNanoseconds, &time))
            time = SYSTEMTIME();
        f.time = time;
        f.dateText = FormatThumbDateText(time);
        f.size = static_cast<DWORD>(e.size);
        m_control->megabyteSum += static_cast<double>(e.size) / 1000000.0;
        ++file;
    }
}

// ----- capacity -----

int CThumbnailList::CapacityForEdge(DWORD availableMB, int edge)
{
    const double perThumb = (static_cast<double>(edge) * edge * 4 + 50) / 1000000.0;
    const double capacity = static_cast<double>(availableMB / 4) / perThumb;
    return capacity > 65535.0 ? 65535 : static_cast<int>(capacity);
}

int CThumbnailList::ChooseThumbnailEdge(int coarseView, DWORD availableMB, int fileCount)
{
    if (coarseView == 2)
        return kThumbEdgeLarge;
    if (CapacityForEdge(availableMB, kThumbEdgeLarge) >= fileCount)
        return kThumbEdgeLarge;
    if (CapacityForEdge(availableMB, kThumbEdgeMedium) >= fileCount)
        return kThumbEdgeMedium;
    return kThumbEdgeSmall;
}

int CThumbnailList::ClampCapacity(int capacity, int fileCount)
{
    return capacity < fileCount ? capacity : fileCount;
}

int CThumbnailList::ComputeCapacity(int pageCells)
{
    const DWORD available = AvailableMemoryMB();
    const int count = GetFileCount();
    const int edge = ChooseThumbnailEdge(AppSettings.ThumCoarseView, available, count);
    m_thumbEdge.store(edge);
    const int capacity = CapacityForEdge(available, edge);
    if (capacity < pageCells && capacity < count && !m_lowMemoryWarned) {
        AfxMessageBox(kLowMemoryText);
        m_lowMemoryWarned = true;
    }
    return ClampCapacity(capacity, count);
}

// ----- the folder -----

int CThumbnailList::LoadFolder(const QString& folder, int pageCells, unsigned sortBits)
{
    m_scanning.store(true);
    QString path = folder;
    RemoveTrailingBackslash(path);
    {
        auto lock = Lock();
        m_folder = path;
    }
    FreeThumbnailArrays();
    FreeFileArrays();

    // A folder path longer than the list holds is not cut to another
    // folder's: it lists nothing.
    std::vector<FolderEntry> entries;
    if (path.size() <= kPathCapacity)
        ListFolder(path, &entries);
    int count = CountFolderFiles(entries);
    {
        auto lock = Lock();
        m_fileCount = count;  // the capacity is worked out for every counted file
    }
    int capacity = ComputeCapacity(pageCells);
    if (count > kMaxFolderFiles) {
        AfxMessageBox(QStringLiteral("KestrelProが一度に扱えるファイル数は %1 "
                                     "ファイルまでです。\n\n指定フォルダ内のファイル数 %2 ファイル。")
                          .arg(kMaxFolderFiles)
                          .arg(count));
        count = kMaxFolderFiles;
    }
    if (capacity > AppSettings.MaxHBitmapNumber)
        capacity = AppSettings.MaxHBitmapNumber;

    const int files = AllocFileArrays(count);
    const int thumbs = files == 0 ? 0 : AllocThumbnailArrays(capacity);
    if (files == 0 || thumbs == 0) {
        if (InMultiMode())
            AfxMessageBox(kNoMemoryText);
        FreeThumbnailArrays();
        FreeFileArrays();
        m_scanning.store(false);
        return 0;
    }
    if (files == 2 || thumbs == 2) {
        if (InMultiMode())
            AfxMessageBox(kNoImagesText);
        m_scanning.store(false);
        return 0;
    }

    {
        CWaitCursor wait;
        EnumerateFolder(entries);
    }
    Post(m_stage, WM_MULTI_BUILD_SORT_INDEX, sortBits, 0);
    if (m_mask)
        m_mask->Reset();
    if (m_tally)
        m_tally->Reset();
    Send(m_stage, WM_MULTI_COLLECT_MASK_DATES, 0, 0);
    m_scanning.store(false);
    return GetCapacity();
}

int CThumbnailList::ResetThumbnails(int /*pageCells*/)
{
    const int result = AllocThumbnailArrays(GetCapacity());
    if (result == 0) {
        AfxMessageBox(kNoMemoryText);
        FreeThumbnailArrays();
        return 0;
    }
    if (result == 2) {
        AfxMessageBox(kNoImagesText);
        return 0;
    }
    return GetCapacity();
}

// ----- array sets -----

int CThumbnailList::AllocFileArrays(int count)
{
    auto lock = Lock();
    FreeFileArraysLocked();
    m_fileCount = count;
    if (count == 0)
        return 2;
    try {
        const int room = count + kFileArrayGrowth;
        m_files.assign(room, FileEntry());
        for (auto& ranks : m_ranks)
            ranks.assign(room, 0);
        for (auto& inverse : m_inverse)
            inverse.assign(room, kNoFileIndex);
        auto loader = std::make_unique<CLoadBitmap_for_Dlg>();
        loader->showMessages = 0;
        m_fullImage = std::move(loader);
        m_allocated = room;
    } catch (const std::bad_alloc&) {
        FreeFileArraysLocked();
        m_fileCount = count;
        return 0;
    }
    m_hasFileArrays = true;
    return 1;
}

int CThumbnailList::AllocThumbnailArrays(int capacity)
{
    auto lock = Lock();
    FreeThumbnailArraysLocked();
    m_capacity = capacity;
    if (capacity == 0)
        return 2;
    try {
        m_thumbs.assign(
            std::max(static_cast<std::size_t>(m_fileCount) + kFileArrayGrowth, m_files.size()), ThumbEntry());
    } catch (const std::bad_alloc&) {
        FreeThumbnailArraysLocked();
        m_capacity = capacity;
        return 0;
    }
    m_hasThumbArrays = true;
    return 1;
}

void CThumbnailList::FreeFileArrays()
{
    auto lock = Lock();
    FreeFileArraysLocked();
}

void CThumbnailList::FreeThumbnailArrays()
{
    auto lock = Lock();
    FreeThumbnailArraysLocked();
}

void CThumbnailList::FreeFileArraysLocked()
{
    m_files.clear();
    m_files.shrink_to_fit();
    for (int key = 0; key < 3; ++key) {
        m_ranks[key].clear();
        m_inverse[key].clear();
        m_rebuild[key] = false;
    }
    // Ranks of arrays that are gone are not valid for the next ones.
    m_validBits = 0;
    m_fullImage.reset();
    m_allocated = 0;
    m_growthCounter = 0;
    m_hasFileArrays = false;
    ++m_generation;
    ++m_fileGeneration;
}

void CThumbnailList::FreeThumbnailArraysLocked()
{
    m_loadState.store(kThumbLoadNone);
    for (ThumbEntry& t : m_thumbs)
        if (t.bitmap)
            DeleteObject(t.bitmap);
    m_thumbs.clear();
    m_thumbs.shrink_to_fit();
    m_hasThumbArrays = false;
    ++m_generation;
}

// ----- small getters -----

QString CThumbnailList::GetFolder() const
{
    auto lock = Lock();
    return m_folder;
}

int CThumbnailList::GetFileCount() const
{
    auto lock = Lock();
    return m_fileCount;
}

int CThumbnailList::GetCapacity() const
{
    auto lock = Lock();
    return m_capacity;
}

int CThumbnailList::HasFileName(int file) const
{
    auto lock = Lock();
    return file >= 0 && file < m_fileCount && file < static_cast<int>(m_files.size()) &&
            !m_files[file].name.isEmpty()
        ? 1
        : 0;
}

QString CThumbnailList::GetFileName(int file) const
{
    auto lock = Lock();
    return file >= 0 && file < static_cast<int>(m_files.size()) ? m_files[file].name : QString();
}

void CThumbnailList::SetFileName(int file, const QString& name)
{
    auto lock = Lock();
    if (file >= 0 && file < static_cast<int>(m_files.size()))
        m_files[file].name = name.left(kPathCapacity);
}

QString CThumbnailList::GetFilePath(int file) const
{
    auto lock = Lock();
    if (file < 0 || file >= static_cast<int>(m_files.size()))
        return QString();
    return m_folder + (m_folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) +
        m_files[file].name;
}

bool CThumbnailList::GetFileTime(int file, SYSTEMTIME* time) const
{
    auto lock = Lock();
    if (file < 0 || file >= m_fileCount || file >= static_cast<int>(m_files.size()))
        return false;
    *time = m_files[file].time;
    return true;
}

QString CThumbnailList::GetDateText(int file) const
{
    auto lock = Lock();
    return file >= 0 && file < static_cast<int>(m_files.size()) ? m_files[file].dateText : QString();
}

DWORD CThumbnailList::GetFileSize(int file) const
{
    auto lock = Lock();
    return file >= 0 && file < static_cast<int>(m_files.size()) ? m_files[file].size : 0;
}

CSize CThumbnailList::GetImageSize(int file) const
{
    auto lock = Lock();
    if (file < 0 || file >= static_cast<int>(m_files.size()))
        return CSize(0, 0);
    return CSize(static_cast<int>(m_files[file].imageWidth), static_cast<int>(m_files[file].imageHeight));
}

ThumbnailState CThumbnailList::GetThumbnailState(int file) const
{
    auto lock = Lock();
    return file >= 0 && file < static_cast<int>(m_thumbs.size()) ? m_thumbs[file].state : ThumbnailState();
}

void CThumbnailList::SetPreviewBitmap(HBITMAP bitmap)
{
    if (m_previewBitmap && m_previewBitmap != bitmap)
        DeleteObject(m_previewBitmap);
    m_previewBitmap = bitmap;
}
