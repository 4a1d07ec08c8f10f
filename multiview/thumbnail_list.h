// The multi view's model of one folder: its image files in folder order
// with name, time, size and image size, a thumbnail bitmap cache bounded by
// free memory, three sort orders held as rank arrays, and the selection.
//
// Two kinds of index never mix: the file index (the place in the per-file
// arrays, folder order) and the display position (the place in the order
// shown: sort key and direction). GetSortIndex maps a position to a file,
// GetDisplayIndex a file to its position.
//
// Threads. The stage owns the list on the UI thread; its workers run
// LoadRange/LoadPage (thumbnail loaders) and BuildSortIndexes (the sort
// builder) while the UI thread keeps using the list. One lock guards every
// array: each public call takes it, a worker decodes and draws without it and
// takes it only to read a name and to store a thumbnail or finished ranks.
// Each worker run checks, under the lock, that it is still the current run of
// its kind and that the arrays are the ones it started on: a run that was
// abandoned (a newer run of its kind started, the arrays were freed,
// re-allocated or shifted meanwhile, or the stage gave it up with
// AbandonLoaderRuns/AbandonSortRun) stores nothing and ends at its next file,
// so a worker that outlived its stop limit never writes into arrays that are
// not its own. Thumbnail bitmaps are deleted only on the UI thread.
//
// Testing seam: SetThumbnailDecoder replaces the decoding of files (for
// instance by a fake of controllable speed); SetAvailableMemoryMB replaces the
// free-memory figure the capacity comes from.
#pragma once

#include "core/folder_listing.h"
#include "core/multi_view_messages.h"
#include "multiview/thumb_load_control.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/types/hwnd.h"
#include "platform/types/messages.h"
#include "platform/types/rect_types.h"
#include "platform/types/types.h"

#include <QImage>
#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class CThumbMask;
class CMaskValueTally;
class CLoadBitmap_for_Dlg;

inline constexpr int kMaxFolderFiles = 20000;
inline constexpr int kMaxCountedFiles = 65535;
inline constexpr int kFileArrayGrowth = 30;
inline constexpr int kThumbEdgeLarge = 144;
inline constexpr int kThumbEdgeMedium = 96;
inline constexpr int kThumbEdgeSmall = 48;
inline constexpr int kLoadPassLimit = 20;
inline constexpr WORD kNoFileIndex = 0xFFFF;
// The largest file count the 16-bit ranks can hold (0xFFFF means "none").
inline constexpr int kMaxListEntries = 0xFFFE;

// The placeholder pictures (96 x 96) and the masked-file picture.
inline constexpr int kUnsupportedFileBitmap = 293;
inline constexpr int kUnreadableFileBitmap = 294;
inline constexpr int kMaskedFileBitmap = 376;
inline constexpr int kPlaceholderEdge = 96;

// The multi view's resource pictures by id (Format_RGB32); null for another id.
QImage MultiViewBitmapImage(int resourceId);
// A new bitmap of such a picture, which the caller deletes; null for another id.
HBITMAP LoadMultiViewBitmap(int resourceId);

enum ThumbLoadState : BYTE {
    kThumbLoadNone = 0,
    kThumbLoadFinished = 1,
    kThumbLoadRunning = 2,
    kThumbLoadStopped = 3,
};

// MakeThumbnail's results.
enum ThumbMakeResult : int {
    kThumbUnreadable = 0,  // placeholder 294
    kThumbMade = 1,
    kThumbUnsupported = 2,  // placeholder 293
    kThumbDrawFailed = 3,
};

// Per file: decode state (0 failed, 1 decoded, 2 not tried), thumbnail state
// (0 placeholder, 1 real thumbnail, 2 none yet), selected (0 or 1).
struct ThumbnailState {
    BYTE decode = 2;
    BYTE thumbnail = 2;
    BYTE selected = 0;
};

// What decoding one file for its thumbnail gives.
struct ThumbnailSource {
    // kThumbMade: picture holds the image; kThumbUnsupported or
    // kThumbUnreadable: a placeholder is shown instead.
    int result = kThumbUnreadable;
    BYTE decodeState = 0;  // the file's decode state afterwards
    QImage picture;        // any size: it is stretched into the thumbnail
    // The file's own image size (a reduced decode still reports the file's).
    DWORD imageWidth = 0;
    DWORD imageHeight = 0;
};
// Decodes one file for a thumbnail whose longer side is edge pixels. Called on
// loader threads and on the UI thread at the same time, without the list's
// lock: every call must be independent of the others.
using ThumbnailDecoder = std::function<ThumbnailSource(const QString& path, int edge)>;

// The program's decoder: by the file's kind, the EXIF thumbnail of a JPEG
// when it has one, else the file itself (JPEG at the smallest DCT scale that
// still covers the thumbnail); a BMP of other than 8, 24 or 32 bits is
// unsupported. The list then draws the picture into the thumbnail
// (MakeThumbnailFromImage).
ThumbnailSource DecodeThumbnailSource(const QString& path, int edge);
// The whole file through this call's own decoders, whatever its kind (the
// depth check: a BMP of other than 8, 24 or 32 bits is unsupported).
ThumbnailSource DecodeAndMakeThumbnail(const QString& path, int edge, bool depthCheck);
// A JPEG's embedded EXIF thumbnail with the file's own image size; the whole
// file when there is none or it cannot be decoded.
ThumbnailSource MakeJpegThumbnail(const QString& path, int edge);

// A file's date text: "%d/%02d/%02d %02d:%02d:%02d" (year .. second).
QString FormatThumbDateText(const SYSTEMTIME& time);

class CThumbnailList {
public:
    CThumbnailList();
    ~CThumbnailList();
    CThumbnailList(const CThumbnailList&) = delete;
    CThumbnailList& operator=(const CThumbnailList&) = delete;

    // ----- wiring (UI thread, before workers run) -----
    // Where notices go: the control panel and the stage (null: nowhere).
    void SetNoticeWindows(HWND panel, HWND stage);
    // The stage's mask objects, cleared on every folder load and consulted
    // by IsMaskedFile (null: no masks).
    void SetMasks(CThumbMask* mask, CMaskValueTally* tally);
    // The grid's DC; thumbnails are bitmaps compatible with it.
    void SetSourceDC(HDC dc) { m_sourceDC = dc; }
    HDC GetSourceDC() const { return m_sourceDC; }
    // An empty decoder restores the program's own.
    void SetThumbnailDecoder(ThumbnailDecoder decoder);
    // A figure source for the free physical memory in MB (empty: the system's).
    void SetAvailableMemoryMB(std::function<DWORD()> source);
    // The shared load record (the process's by default).
    void SetLoadControl(ThumbLoadControl* control) { m_control = control; }
    ThumbLoadControl& LoadControl() const { return *m_control; }

    // ----- folder (UI thread) -----
    // Lists the folder and makes the arrays; returns the capacity, 0 when
    // nothing can be shown.
    int LoadFolder(const QString& folder, int pageCells, unsigned sortBits);
    // New thumbnail arrays for the current capacity (every bitmap dropped).
    int ResetThumbnails(int pageCells);
    // 1 done, 2 nothing to allocate (0), 0 out of memory (that set freed).
    int AllocFileArrays(int count);
    int AllocThumbnailArrays(int capacity);
    void FreeFileArrays();
    void FreeThumbnailArrays();

    // Listing rules on one entry, and the count of listed entries (at most 65535).
    static bool IsListedEntry(const FolderEntry& entry);
    static int CountFolderFiles(const std::vector<FolderEntry>& entries);
    // Fills names, times, date texts and sizes from the listed entries, in
    // order, up to the file count; adds the sizes to the megabyte sum.
    void EnumerateFolder(const std::vector<FolderEntry>& entries);

    // Capacity for an edge from the free memory: (MB / 4) / ((s*s*4 + 50) / 1e6),
    // truncated, at most 65535.
    static int CapacityForEdge(DWORD availableMB, int edge);
    // 144, 96 or 48 by the capacities (144 when coarseView is 2).
    static int ChooseThumbnailEdge(int coarseView, DWORD availableMB, int fileCount);
    // Chooses the edge and the capacity for the file count; shows the
    // low-memory warning once per folder load.
    int ComputeCapacity(int pageCells);
    static int ClampCapacity(int capacity, int fileCount);
    DWORD AvailableMemoryMB() const;

    // ----- sizes and flags -----
    QString GetFolder() const;
    int GetFileCount() const;
    int GetCapacity() const;
    int GetThumbEdge() const { return m_thumbEdge.load(); }
    void SetThumbEdge(int edge) { m_thumbEdge.store(edge); }
    BYTE GetLoadState() const { return m_loadState.load(); }
    void SetLoadState(BYTE state) { m_loadState.store(state); }
    bool IsScanning() const { return m_scanning.load(); }
    bool IsLowMemoryWarningShown() const { return m_lowMemoryWarned; }
    void ClearLowMemoryWarning() { m_lowMemoryWarned = false; }
    int GetGrowthCounter() const { return m_growthCounter; }

    // ----- cancel flags: set by the UI thread, see the stop rules -----
    void RequestRangeCancel() { m_rangeCancel.store(1); }
    void RequestPageCancel() { m_pageCancel.store(1); }
    void RequestSortCancel() { m_sortCancel.store(1); }
    void ClearRangeCancel() { m_rangeCancel.store(0); }
    void ClearPageCancel() { m_pageCancel.store(0); }
    // The one who stopped the sort builder clears this once it has ended,
    // before the next builder starts.
    void ClearSortCancel() { m_sortCancel.store(0); }
    bool IsRangeCancelRequested() const { return m_rangeCancel.load() != 0; }
    bool IsPageCancelRequested() const { return m_pageCancel.load() != 0; }
    bool IsSortCancelRequested() const { return m_sortCancel.load() != 0; }

    // ----- order -----
    BYTE GetValidBits() const;
    void SetValidBits(BYTE bits);
    BYTE GetSortKey() const;
    void SetSortKey(BYTE key);
    BYTE IsDescending() const;
    void SetDescending(BYTE descending);
    // The rebuild flag of one key bit (1, 2, 4); TakeRebuildFlag clears it.
    bool HasRebuildFlag(unsigned bit) const;
    bool TakeRebuildFlag(unsigned bit);
    // Display position -> file index; kNoFileIndex when none.
    WORD GetSortIndex(int position) const;
    // File index -> display position.
    int GetDisplayIndex(int file) const;
    // The file whose rank under the key (1..3) is rank; kNoFileIndex when none.
    WORD FindRank(int key, int rank) const;
    // A file's rank under a key (1..3); -1 for no such file or key.
    int GetRank(int key, int file) const;
    // The key's whole rank array (for tests and the stage's focus keeping).
    std::vector<WORD> GetRanks(int key) const;
    int IsSortReady(int position) const;

    // ----- one file -----
    int HasFileName(int file) const;
    QString GetFileName(int file) const;
    void SetFileName(int file, const QString& name);
    QString GetFilePath(int file) const;
    bool GetFileTime(int file, SYSTEMTIME* time) const;
    QString GetDateText(int file) const;
    DWORD GetFileSize(int file) const;
    CSize GetImageSize(int file) const;
    ThumbnailState GetThumbnailState(int file) const;

    // ----- thumbnails (positions are display positions) -----
    int IsThumbnailLoaded(int position) const;
    // The position's bitmap with the thumbnail's and the image's size; 0 and
    // nothing set when the position maps to no file or has no bitmap. The
    // bitmap stays the list's; only the UI thread deletes it.
    int GetThumbnail(int position, HBITMAP* bitmap, CSize* thumbSize, CSize* imageSize) const;
    // The first position from..to with a bitmap, 0 when none.
    int FindFirstLoaded(int from, int to) const;
    int GetLoadedPercent(int first, int last) const;
    // By file index: 1 made, 2 unsupported (293), 0 unreadable (294), 3 failed.
    int MakeThumbnail(int file);
    void ReleaseThumbnail(int file);
    // The file's thumbnail becomes the unreadable-file placeholder (294), as
    // after a whole picture that could not be read (UI thread).
    void SetUnreadableThumbnail(int file);

    // ----- worker runs -----
    // Gives up the running loader runs (range and page) or the sort run: a
    // worker that did not stop within the stage's limit stores nothing more,
    // leaves the load state, the shared cursor and the cancel flags alone,
    // and ends at its next file. Call it before retiring such a worker; the
    // flags may then be cleared for the next run.
    void AbandonLoaderRuns();
    void AbandonSortRun();
    // Loading passes of the range loader: 1 done, 0 cancelled (load state 3).
    int LoadRange(int first, int last);
    int LoadRangePass(int first, int last);
    bool IsRangeLoaded(int first, int last) const;
    // The page loader: 1 done, 0 cancelled.
    int LoadPage(int first, int last);
    // Builds the ranks of the keys of bits; 1 done, 0 cancelled.
    int BuildSortIndexes(unsigned bits);

    // ----- entry upkeep (UI thread, loaders stopped) -----
    // Appends an empty entry; 0 when the list is full (kMaxListEntries).
    int AddEntry();
    // The file index of an exact name, -1 when absent.
    int FindFile(const QString& name) const;
    // Reads the file's time and size again and, unless datesOnly, makes its
    // thumbnail anew; 1, or 0 when missing, too large or unreadable.
    int RefreshEntry(int file, const QString& path, bool datesOnly);
    // Drops the file's entry; the caller lowers the count (LowerFileCount).
    void RemoveEntry(int file);
    void LowerFileCount();
    void SortInsertLast();
    void SortUpdateEntry(int file);
    void SortRemoveEntry(int file);

    // ----- selection (display positions) -----
    void ClearSelection();
    int GetSelectedCount() const;
    int HasSelection() const;
    // mode 0 clears, 1 selects a named, unmasked file (else clears), 2 toggles.
    int SetSelection(int position, int mode);
    void SelectRange(int position, int previousFocus);
    int ClearSingleSelection();
    int IsSelected(int position) const;
    // 1 when the masks hide the file and masked files may not be selected.
    int IsMaskedFile(int file) const;
    // 1 when the masks hide the file (date, extension, and the value range
    // in extended mode), whether or not it stays selectable: painting's test.
    int IsHiddenByMasks(int file) const;
    // The file's value of a mask measure (1 size, 2 width, 3 height, 4 name length).
    DWORD GetMeasureValue(int file, int measure) const;

    // ----- preview -----
    QString GetLastPreviewPath() const { return m_lastPreviewPath; }
    void SetLastPreviewPath(const QString& name) { m_lastPreviewPath = name; }
    HBITMAP GetPreviewBitmap() const { return m_previewBitmap; }
    // Takes the bitmap over (the old one is deleted).
    void SetPreviewBitmap(HBITMAP bitmap);
    // The full-image loader, made with the file arrays; null without them.
    CLoadBitmap_for_Dlg* GetFullImageLoader() const { return m_fullImage.get(); }

    // The list's lock, for a caller that reads several things as one.
    std::unique_lock<std::recursive_mutex> Lock() const { return std::unique_lock(m_mutex); }

private:
    struct FileEntry {
        QString name;
        SYSTEMTIME time;
        QString dateText;
        DWORD size = 0;
        DWORD imageWidth = 0;
        DWORD imageHeight = 0;
    };
    struct ThumbEntry {
        ThumbnailState state;
        HBITMAP bitmap = nullptr;
        int width = 0;
        int height = 0;
    };
    // Which run of a worker kind a pass belongs to, and on which arrays.
    enum RunKind { kRunRange = 0, kRunPage = 1, kRunSort = 2 };
    struct RunTicket {
        int kind;
        unsigned serial;
        unsigned generation;
    };

    // Helpers that expect the lock held.
    WORD SortIndexLocked(int position) const;
    int DisplayIndexLocked(int file) const;
    bool HasBitmapAtLocked(int position) const;
    void FreeFileArraysLocked();
    void FreeThumbnailArraysLocked();
    void RebuildInverseLocked(int key);
    void SetValidBitsLocked(BYTE bits);
    int SetSelectionLocked(int position, int mode);
    int IsHiddenByMasksLocked(int file) const;

    RunTicket BeginRun(RunKind kind);
    bool IsCurrentLocked(const RunTicket& ticket) const;
    bool IsCurrent(const RunTicket& ticket) const;
    // Makes the file's thumbnail for a worker run (or the UI thread with no
    // run): decodes without the lock, stores under it. *stored tells whether
    // this call's bitmap went into the list.
    int MakeThumbnailForRun(int file, const RunTicket* ticket, bool* stored = nullptr);
    // The placeholder of an unsupported or unreadable file, with its own
    // size (96 x 96) as the image size.
    static void SetPlaceholderThumbnail(ThumbnailSource* source);
    // A bitmap of the picture fitted into the edge, plus one pixel each way.
    HBITMAP MakeThumbnailFromImage(
        const QImage& picture, DWORD imageWidth, DWORD imageHeight, int edge, int* width, int* height) const;
    bool WaitWhileSuspended(const std::atomic<int>& cancel, const RunTicket& ticket) const;
    // One pass of the range loader: 1 done, 3 cancelled or abandoned.
    int RangePass(int first, int last, const RunTicket& ticket);

    void Post(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const;
    void Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const;

    // Ranking: the rank arrays of a snapshot.
    struct RankInput;
    bool RankKey(int key, const RankInput& input, std::vector<WORD>* ranks, bool showProgress,
        const RunTicket& ticket);
    // The files in the order of one key, ties in folder order; false when
    // the build was cancelled or abandoned.
    template <typename Checkpoint>
    static bool RankByName(const RankInput& input, std::vector<int>* order, Checkpoint& checkpoint);
    static void RankByDate(const RankInput& input, std::vector<int>* order);
    static void RankBySize(const RankInput& input, std::vector<int>* order);
    void AdjustInsertLocked(int key);
    void AdjustUpdateLocked(int key, int file);
    void AdjustRemoveLocked(int key, int file);
    bool KeyBeforeLocked(int key, int k, int i) const;

    mutable std::recursive_mutex m_mutex;
    QString m_folder;
    int m_fileCount = 0;
    int m_capacity = 0;
    int m_allocated = 0;  // entries the per-file arrays hold room for
    std::atomic<int> m_rangeCancel{0};
    std::atomic<int> m_pageCancel{0};
    std::atomic<int> m_sortCancel{0};
    std::atomic<int> m_thumbEdge{kThumbEdgeLarge};
    bool m_lowMemoryWarned = false;
    std::atomic<bool> m_scanning{false};
    int m_growthCounter = 0;
    std::atomic<BYTE> m_loadState{kThumbLoadNone};
    HDC m_sourceDC = nullptr;

    std::vector<FileEntry> m_files;
    std::vector<ThumbEntry> m_thumbs;
    bool m_hasFileArrays = false;
    bool m_hasThumbArrays = false;

    QString m_lastPreviewPath;
    HBITMAP m_previewBitmap = nullptr;
    std::unique_ptr<CLoadBitmap_for_Dlg> m_fullImage;

    BYTE m_validBits = 0;
    BYTE m_sortKey = 0;
    BYTE m_descending = 0;
    std::array<std::vector<WORD>, 3> m_ranks;    // name, date, size
    std::array<std::vector<WORD>, 3> m_inverse;  // rank -> file, kNoFileIndex for none
    std::array<bool, 3> m_rebuild{};

    // Worker runs: a serial per kind, the generation of the arrays the
    // loaders work on (new on every re-allocation, free or shift) and the
    // generation of the file arrays the sort builder ranks.
    std::array<unsigned, 3> m_runSerial{};
    unsigned m_generation = 1;
    unsigned m_fileGeneration = 1;

    HWND m_panel = nullptr;
    HWND m_stage = nullptr;
    CThumbMask* m_mask = nullptr;
    CMaskValueTally* m_tally = nullptr;
    ThumbnailDecoder m_decoder;
    std::function<DWORD()> m_availableMB;
    ThumbLoadControl* m_control;
};
