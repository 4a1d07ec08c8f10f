// The stage's operations on the selection that hand files on or change them
// in place: the file list on the clipboard, clearing EXIF values, the batch
// shrink request, and the masks' side of the selection and the value tally.
#include "multiview/multi_view_stage.h"

#include "core/app_state.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "core/settings/app_settings.h"
#include "exif/exif_reader.h"
#include "imaging/image_size_tally.h"
#include "multiview/stretch_size_summary.h"
#include "multiview/thumb_mask.h"
#include "multiview/thumbnail_list.h"
#include "platform/clipboard/clipboard.h"
#include "platform/clipboard/drop_file_list.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/cursor.h"

#include <QFileInfo>
#include <algorithm>
#include <cstring>

StretchSizeSummaryRecord StretchSizeSummary;

namespace {

const QString kNoFocus = QStringLiteral("ファイルが選択されていません。");
const QString kExifCleared = QStringLiteral("指定されたExif情報をクリアしました。");

}  // namespace

std::optional<QStringList> CDlgMultiViewStage::SelectedFilePaths() const
{
    QStringList paths;
    for (int p = 0; p < m_list->GetFileCount(); ++p) {
        if (!m_list->IsSelected(p))
            continue;
        const WORD file = m_list->GetSortIndex(p);
        if (file == kNoFileIndex || !m_list->HasFileName(file))
            return std::nullopt;
        paths.append(m_list->GetFilePath(file));
    }
    return paths;
}

GlobalBlock* CDlgMultiViewStage::BuildDropFileList(int) const
{
    const std::optional<QStringList> paths = SelectedFilePaths();
    if (!paths)
        return nullptr;
    const QByteArray bytes = MakeDropFileList(*paths);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(bytes.size()));
    if (!block)
        return nullptr;
    std::memcpy(GlobalLock(block), bytes.constData(), static_cast<std::size_t>(bytes.size()));
    GlobalUnlock(block);
    return block;
}

LRESULT CDlgMultiViewStage::OnCopyFiles(int count)
{
    HGLOBAL block = BuildDropFileList(count);
    if (!block)
        return 0;
    if (!OpenClipboard(GetSafeHwnd())) {
        GlobalFree(block);
        return 0;
    }
    SendMessage(WM_MULTI_SUSPEND_WORKERS);
    const bool emptied = EmptyClipboard() != FALSE;
    const bool set = emptied && SetClipboardData(CF_HDROP, block) != nullptr;
    if (!set)
        GlobalFree(block);
    CloseClipboard();
    SendMessage(WM_MULTI_RESUME_WORKERS);
    return set ? 1 : 0;
}

void CDlgMultiViewStage::ShowExifOfFocusForced()
{
    // The EXIF window shows the cleared file afresh and follows from there.
    ShowExifOfItem(m_scroll.Focus(), true);
}

LRESULT CDlgMultiViewStage::OnExifClearOne(int position)
{
    if (position == -1)
        position = m_scroll.Focus();
    const WORD file = position >= 0 ? m_list->GetSortIndex(position) : kNoFileIndex;
    if (file == kNoFileIndex || !m_list->HasFileName(file)) {
        AfxMessageBox(kNoFocus);
        return 1;
    }
    CExifReader reader;
    switch (reader.ClearSelectedTags(m_list->GetFilePath(file))) {
    case 1:
        AfxMessageBox(QStringLiteral("Exif情報のクリアに失敗しました。"));
        break;
    case 2:
        AfxMessageBox(kExifCleared);
        break;
    default:
        AfxMessageBox(QStringLiteral("クリアしたExif情報はありませんでした。"));
        break;
    }
    ShowExifOfFocusForced();
    return 1;
}

LRESULT CDlgMultiViewStage::OnExifClearSelected()
{
    int failed = 0;
    int cleared = 0;
    {
        CWaitCursor wait;
        for (int p = 0; p < m_list->GetFileCount(); ++p) {
            if (!m_list->IsSelected(p))
                continue;
            const WORD file = m_list->GetSortIndex(p);
            if (file == kNoFileIndex || !m_list->HasFileName(file))
                continue;
            CExifReader reader;
            const int result = reader.ClearSelectedTags(m_list->GetFilePath(file));
            failed += result == 1 ? 1 : 0;
            cleared += result == 2 ? 1 : 0;
        }
    }
    if (failed > 0)
        AfxMessageBox(QStringLiteral("いくつかのExif情報のクリアに失敗しました。"));
    else if (cleared > 0)
        AfxMessageBox(kExifCleared);
    else
        AfxMessageBox(QStringLiteral("指定されたファイルの中にExif情報はありませんでした。"));
    ShowExifOfFocusForced();
    return 1;
}

LRESULT CDlgMultiViewStage::OnRequestOpenStretchImageDlg()
{
    if (!m_list->HasSelection()) {
        AfxMessageBox(QStringLiteral("選択されているファイルがありません"));
        return 0;
    }
    StretchSizeSummaryRecord summary;
    CImageSizeTally tally(kStretchSizeKinds, CImageSizeTally::kByArea);
    for (int p = 0; p < m_list->GetFileCount(); ++p) {
        if (!m_list->IsSelected(p))
            continue;
        const WORD file = m_list->GetSortIndex(p);
        if (file == kNoFileIndex)
            continue;
        ++summary.fileCount;
        const CSize size = m_list->GetImageSize(file);
        if (size.cx == 0 && size.cy == 0) {
            AfxMessageBox(QStringLiteral("サムネイル画像が表示されていないと縮小変換の実行が出来ません。"));
            return 0;
        }
        tally.Add(SIZE{size.cx, size.cy});
        if (summary.fileCount == 1) {
            const QString name = m_list->GetFileName(file);
            const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
            summary.exampleName = dot > 0 ? name.left(dot) : name;
            summary.exampleExtension = dot > 0 ? name.mid(dot + 1) : QString();
            summary.folder = m_list->GetFolder();
        }
    }
    tally.SortByCount();
    const bool loadStopped = SendMessage(WM_MULTI_STOP_LOAD) != 0;
    const int kinds = std::min(tally.GetUsedCount(), kStretchSizeKinds);
    summary.sizeKinds = static_cast<BYTE>(kinds);
    for (int i = 0; i < kinds; ++i) {
        summary.sizes[i] = tally.GetSize(i);
        summary.counts[i] = tally.GetCount(i);
    }
    StretchSizeSummary = summary;

    const HWND frame = GetAppState().Window(AppWindow::MainFrame);
    if (frame && ::SendMessage(frame, WM_FRAME_STRETCH) == IDOK) {
        if (AppSettings.HowStep4_SameFolder == 0 && AppSettings.HowStep4_MoveFolder == 1) {
            const QString target = AppSettings.Step4_SaveFolder;
            SendToPanel(WM_MULTICTL_SET_FOLDER, reinterpret_cast<WPARAM>(&target));
            return 1;
        }
        if (!loadStopped) {
            m_list->ClearSelection();
            m_scroll.SetFocus(0);
            Render("OnRequestOpenStretchImageDlg");
        }
    }
    if (loadStopped) {
        PostMessage(WM_MULTI_CLEAR);
        PostMessage(WM_MULTI_PAUSE_LOAD, kMultiLoadResume);
    }
    return 1;
}

LRESULT CDlgMultiViewStage::OnApplyMasks()
{
    if (AppSettings.IncludeMaskFile == 1 || (!m_mask->IsAnyDayMasked() && AppSettings.MaskExt == 0))
        return 0;
    const int focus = m_scroll.Focus();
    if (focus >= 0) {
        const WORD file = m_list->GetSortIndex(focus);
        if (file != kNoFileIndex && m_list->IsHiddenByMasks(file))
            m_scroll.SetFocus(-1);
    }
    for (int p = 0; p < m_list->GetFileCount(); ++p) {
        if (!m_list->IsSelected(p))
            continue;
        const WORD file = m_list->GetSortIndex(p);
        if (file != kNoFileIndex && m_list->IsHiddenByMasks(file))
            m_list->SetSelection(p, 0);
    }
    SendToPanel(WM_MULTICTL_SELECTED_COUNT, static_cast<WPARAM>(m_list->GetSelectedCount()));
    return 0;
}

LRESULT CDlgMultiViewStage::SearchExtensionMaskInfo(int measure)
{
    m_tally->Reset();
    m_tally->ResetRange();
    if (measure < kMeasureByteSize || measure > kMeasureNameLength) {
        AfxMessageBox(QStringLiteral("不正な引数です。SearchExtensionMaskInfo()"));
        return 0;
    }
    for (int file = 0; file < m_list->GetFileCount(); ++file)
        if (!m_tally->Add(measure, m_list->GetMeasureValue(file, measure)))
            return 0;
    m_tally->ComputeMaxCount(measure);
    return 0;
}
