// The stage's file operations that change the shown folder from the UI
// thread: deleting the focus file or the selection, keeping the list in
// step with deleted and added files. Every operation takes its folder from
// the list the names came from, takes folder and names together before it
// asks, and does nothing when the list shows another folder after the
// question (the question box lets a folder change run meanwhile).
#include "multiview/multi_view_stage.h"

#include "core/folder_listing.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "multiview/drop_copier.h"
#include "multiview/thumbnail_list.h"
#include "multiview/thumbnail_loaders.h"
#include "platform/dialog/msgbox.h"
#include "platform/system/file_operations.h"
#include "platform/window/cursor.h"
#include "platform/window/drop_files.h"
#include "res/dialog_279_multi_control.h"

#include <QFileInfo>
#include <algorithm>
#include <new>
#include <vector>

namespace {

// A folder this large is read again after a delete of more than half of it,
// rather than having its entries taken out one by one.
constexpr int kReloadAfterDeleteFiles = 1999;

QString JoinPath(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

}  // namespace

bool CDlgMultiViewStage::HandleFileOperationMessage(
    UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (RunDropStep(message, lParam, result))
        return true;
    switch (message) {
    case WM_MULTI_ADD_FILE:
        *result = OnAddFile(reinterpret_cast<const QString*>(wParam));
        return true;
    case WM_MULTI_DELETE_ONE:
        *result = OnDeleteOne(static_cast<int>(lParam));
        return true;
    case WM_MULTI_DELETE_SELECTED:
        *result = OnDeleteSelected(static_cast<int>(wParam));
        return true;
    case WM_MULTI_COPY_FILES:
        *result = OnCopyFiles(static_cast<int>(wParam));
        return true;
    case WM_MULTI_EXIF_CLEAR_ONE:
        *result = OnExifClearOne(static_cast<int>(lParam));
        return true;
    case WM_MULTI_EXIF_CLEAR_SELECTED:
        *result = OnExifClearSelected();
        return true;
    case WM_MULTI_BATCH_SHRINK:
        *result = OnRequestOpenStretchImageDlg();
        return true;
    case WM_MULTI_APPLY_MASKS:
        *result = OnApplyMasks();
        return true;
    case WM_MULTI_SEARCH_EXT_MASK:
        *result = SearchExtensionMaskInfo(static_cast<int>(wParam));
        return true;
    default:
        return false;
    }
}

bool CDlgMultiViewStage::StillShowsFolder(const QString& folder)
{
    if (m_list->GetFolder() == folder)
        return true;
    AfxMessageBox(QStringLiteral("フォルダが切り替わったため、処理を中止しました。"));
    return false;
}

void CDlgMultiViewStage::StopLoadingForChange()
{
    // The watch must not take the program's own change for the user's.
    PostToPanel(WM_MULTICTL_STOP_WATCH);
    DragAcceptFiles(FALSE);
    SendMessage(WM_MULTI_PAUSE_LOAD, kMultiLoadStop, 0);
}

void CDlgMultiViewStage::ResumeAfterChange()
{
    DragAcceptFiles(TRUE);
    PostToPanel(WM_MULTICTL_REARM_WATCH);
}

LRESULT CDlgMultiViewStage::OnDeleteOne(int position)
{
    m_deleting = true;
    const int oldFocus = m_scroll.Focus();
    if (position == -1)
        position = oldFocus;
    const WORD file = position >= 0 ? m_list->GetSortIndex(position) : kNoFileIndex;
    if (file == kNoFileIndex || !m_list->HasFileName(file)) {
        AfxMessageBox(QStringLiteral("ファイルが選択されていません。"));
        m_deleting = false;
        return 0;
    }
    const QString folder = m_list->GetFolder();
    const QString name = m_list->GetFileName(file);
    if (AfxMessageBox(QStringLiteral("%1 を削除しますか？").arg(name),
            MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2) != IDYES ||
        !StillShowsFolder(folder)) {
        m_deleting = false;
        return 0;
    }
    StopLoadingForChange();
    LRESULT result = 0;
    if (DeleteFileW(JoinPath(folder, name))) {
        OnRequestDeleteImageFile(QStringList{name});
        if (m_panel && m_panel->DisplayState() == kMultiDisplayFinished)
            SendMessage(WM_MULTI_REBUILD_MASK_DATES);
        SendMessage(
            WM_MULTI_SET_PREVIEW_ITEM, static_cast<WPARAM>(std::min(oldFocus, m_list->GetFileCount() - 1)));
        result = 1;
    } else {
        AfxMessageBox(QStringLiteral("%1 の削除に失敗しました。").arg(name), MB_OK | MB_ICONERROR);
    }
    // Back to the top of the list, the loaders going on.
    SendMessage(WM_MULTI_PAUSE_LOAD, kMultiLoadResume, 1);
    ResumeAfterChange();
    m_deleting = false;
    return result;
}

LRESULT CDlgMultiViewStage::OnDeleteSelected(int count)
{
    // What the user sees selected now is what the question is about.
    const QString folder = m_list->GetFolder();
    std::vector<int> positions;
    QStringList names;
    try {
        for (int p = 0; p < m_list->GetFileCount(); ++p) {
            if (!m_list->IsSelected(p))
                continue;
            const WORD file = m_list->GetSortIndex(p);
            if (file == kNoFileIndex || !m_list->HasFileName(file))
                continue;
            positions.push_back(p);
            names.append(m_list->GetFileName(file));
        }
    } catch (const std::bad_alloc&) {
        AfxMessageBox(QStringLiteral("削除するファイル数を減らして下さい。"));
        return 0;
    }
    if (AfxMessageBox(QStringLiteral("%1個のファイルを削除しますか？").arg(count),
            MB_YESNO | MB_ICONINFORMATION) != IDYES ||
        !StillShowsFolder(folder))
        return 0;

    StopLoadingForChange();
    m_deleting = true;
    QStringList deleted;
    int failures = 0;
    int lastSelected = 0;
    {
        CWaitCursor wait;
        for (std::size_t i = 0; i < positions.size(); ++i) {
            if (DeleteFileW(JoinPath(folder, names[static_cast<int>(i)])))
                deleted.append(names[static_cast<int>(i)]);
            else
                ++failures;
            lastSelected = positions[i];
        }
    }
    if (failures > 0)
        AfxMessageBox(QStringLiteral("いくつかのファイルの削除に失敗しました。"));
    const int total = m_list->GetFileCount();
    if (total > kReloadAfterDeleteFiles && deleted.size() * 2 > total) {
        SendMessage(WM_MULTI_CLEAR);
        PostToPanel(WM_COMMAND, MAKEWPARAM(IDC_MULTICTL_LOAD_STOP, BN_CLICKED));
    } else {
        OnRequestDeleteImageFile(deleted);
    }
    if (m_panel && m_panel->DisplayState() == kMultiDisplayFinished)
        SendMessage(WM_MULTI_REBUILD_MASK_DATES);
    const int preview =
        std::min(std::max(0, lastSelected - count + 1), std::max(0, m_list->GetFileCount() - 1));
    SendMessage(WM_MULTI_SET_PREVIEW_ITEM, static_cast<WPARAM>(preview));
    // Loading is not resumed here: the load button does that.
    ResumeAfterChange();
    m_deleting = false;
    return 1;
}

void CDlgMultiViewStage::OnRequestDeleteImageFile(const QStringList& names)
{
    std::vector<int> files;
    for (const QString& name : names) {
        // Exact names: a collation that finds two names equal must not take out the other file.
        const int file = m_list->FindFile(name);
        if (file >= 0)
            files.push_back(file);
    }
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    for (std::size_t j = 0; j < files.size(); ++j) {
        const int file = files[j] - static_cast<int>(j);
        m_list->RemoveEntry(file);
        m_list->SortRemoveEntry(file);
        m_list->LowerFileCount();
    }
    const int count = m_list->GetFileCount();
    const int capacity = m_list->GetCapacity();
    if (m_scroll.Focus() >= count)
        m_scroll.SetFocus(count - 1);
    m_scroll.SetTotals(count, capacity);
    if (capacity > 0 && m_scroll.Last() >= capacity) {
        int columns = 0;
        int rows = 0;
        m_layout.GetGridSize(m_viewMode, &columns, &rows);
        const int shift = m_scroll.Last() - (capacity - 1);
        m_scroll.SetTopIndex(std::max(0, m_scroll.First() - shift), columns, rows);
    }
    m_scroll.SetPaintCursor(m_scroll.First());
    m_scroll.SetFocus(-1);
    Render("OnRequestDeleteImageFile");
    SendToPanel(WM_MULTICTL_TOTALS, static_cast<WPARAM>(count), static_cast<LPARAM>(capacity));
}

LRESULT CDlgMultiViewStage::OnAddFile(const QString* path)
{
    if (!path)
        return 0;
    const QFileInfo info(*path);
    const QString name = info.fileName();
    QString folder = info.path();
    if (name.isEmpty() || folder != m_list->GetFolder() || m_list->GetFileCount() == 0)
        return 0;
    FolderEntry entry;
    if (!StatFolderEntry(*path, &entry) || !CThumbnailList::IsListedEntry(entry))
        return 0;
    // The entries change only while no loader works on them. A sort builder
    // may go on: the ranks it makes meanwhile are dropped and built again.
    if (!m_loaders->StopWorkerThreads(true, false))
        return 0;

    const int found = m_list->FindFile(name);
    if (found >= 0) {
        if (!m_list->RefreshEntry(found, *path, false))
            m_list->SetUnreadableThumbnail(found);
        m_list->SortUpdateEntry(found);
    } else {
        if (!m_list->AddEntry())
            return 0;
        const int file = m_list->GetFileCount() - 1;
        m_scroll.SetTotals(m_list->GetFileCount(), m_list->GetCapacity());
        int columns = 0;
        int rows = 0;
        m_layout.GetGridSize(m_viewMode, &columns, &rows);
        m_scroll.SetTopIndex(m_scroll.First(), columns, rows);
        m_list->SetFileName(file, name);
        if (!m_list->RefreshEntry(file, *path, m_list->GetCapacity() < m_list->GetFileCount()))
            m_list->SetUnreadableThumbnail(file);
        m_list->SortInsertLast();
        const int position = m_list->GetDisplayIndex(file);
        if (position >= m_scroll.First() && position <= m_scroll.Last() &&
            !m_list->IsThumbnailLoaded(position))
            m_list->MakeThumbnail(file);
        SendToPanel(WM_MULTICTL_TOTALS, static_cast<WPARAM>(m_list->GetFileCount()),
            static_cast<LPARAM>(m_list->GetCapacity()));
    }
    // Keys whose ranks were not valid take the new entry in by a new build.
    if (m_list->HasRebuildFlag(kSortBitName) || m_list->HasRebuildFlag(kSortBitDate) ||
        m_list->HasRebuildFlag(kSortBitSize))
        PostMessage(WM_MULTI_BUILD_SORT_INDEX, 0, 0);
    if (m_panel && m_panel->DisplayState() == kMultiDisplayFinished)
        SendMessage(WM_MULTI_REBUILD_MASK_DATES);
    return 1;
}
