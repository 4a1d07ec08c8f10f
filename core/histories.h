// The clip-range history (twelve rectangles, some protected from being
// pushed out) and the work-folder history (ten folders, newest first), kept
// in the settings, and the routines for fixed-size arrays of paths.
#pragma once

#include "platform/types/types.h"

#include <QString>

class CComboBox;

constexpr int kClipHistoryCount = 12;
constexpr int kWorkFolderCount = 10;
constexpr int kHistoryPathChars = 519;  // a slot of 521 holds at most this many plus the terminator

struct ClipHistoryRects {
    RECT entries[kClipHistoryCount];
    DWORD protect = 0;  // bit i protects entry i + 1
};

struct WorkFolderHistory {
    QString folders[kWorkFolderCount];
};

// Left, top >= 0, right < maxWidth, bottom < maxHeight, right >= left, bottom >= top.
int IsRectWithinMaxImageSize(const RECT& r, SIZE maxSize);
int IsRectWithinMaxImageSize(const RECT& r);  // with MaxSaveSizeWidth/Height of the settings
int IsClipHistorySlotProtected(DWORD protect, int index);
int IsClipHistorySlotTaken(const RECT& r, int index, DWORD protect, SIZE maxSize);
// Destination: highest unprotected index <= n; source: highest unprotected index
// below it. 2 without a destination, 1 without a source, 3 with both.
int FindUnprotectedPair(DWORD protect, int n, int& destination, int& source);

// 0 when an equal entry exists; k (1..12) when stored into free entry k; 1 when
// stored by pushing (or not stored at all because every entry is protected).
int AddClipHistoryRect(ClipHistoryRects& history, const RECT& r, SIZE maxSize);
int AddClipHistoryRect(const RECT& r);  // the settings' history

// 0 when the folder is there already; k (1..10) when stored into slot k.
int AddWorkFolderHistory(WorkFolderHistory& history, const QString& folder);
int AddWorkFolderHistory(const QString& folder);  // the settings' history

ClipHistoryRects LoadClipHistory();
void StoreClipHistory(const ClipHistoryRects& history);
WorkFolderHistory LoadWorkFolderHistory();
void StoreWorkFolderHistory(const WorkFolderHistory& history);

int AreAllPathsEmpty(const QString* paths, int n);
void PushFrontPathHistory(QString* paths, const QString& path, int n);
int FindPathInHistory(const QString* paths, const QString& path, int n);

// Deletes item limit - 1 when limit is not 0 and the box holds at least limit
// items, then inserts the text at the position.
void InsertComboHistory(CComboBox& box, const QString& text, int position, int limit);
