// The panel's operations on the stage's focus and selection: copy the
// picture, open it in clip mode, delete, copy the files, batch shrink,
// rename, and the EXIF window and EXIF clearing. The stage carries them out.
#include "multiview/multi_control_window.h"

#include "core/app_state.h"
#include "core/frame_messages.h"
#include "core/multi_view_messages.h"
#include "exif/exif_tag_mask.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/cursor.h"
#include "res/frame_command_ids.h"

namespace {

const QString kNoFocus = QStringLiteral("ファイルが選択されていません。");
const QString kNoClearTag = QStringLiteral("クリア項目が１つも選択されていません。");

constexpr int kCurrentPathChars = 520;

}  // namespace

void CDlgMultiControlWindow::OnCopyPicture()
{
    const int focus = StageFocus();
    if (focus == -1) {
        AfxMessageBox(kNoFocus);
        return;
    }
    EnableItem(IDC_MULTICTL_COPY_PICTURE, false);
    SendToStage(WM_MULTI_COPY_PICTURE, static_cast<WPARAM>(focus));
    SendToStage(WM_MULTI_RENDER);
    EnableItem(IDC_MULTICTL_COPY_PICTURE, true);
}

void CDlgMultiControlWindow::OnOpenInClipMode()
{
    const int focus = StageFocus();
    if (focus == -1) {
        AfxMessageBox(kNoFocus);
        return;
    }
    EnableItem(IDC_MULTICTL_OPEN_IN_CLIP, false);
    SendToStage(WM_MULTI_OPEN_IN_CLIP_MODE, static_cast<WPARAM>(focus));
    EnableItem(IDC_MULTICTL_OPEN_IN_CLIP, true);
}

void CDlgMultiControlWindow::OnDelete()
{
    ResetExifShowButton();
    EnableItem(IDC_MULTICTL_DELETE, false);
    {
        CWaitCursor wait;
        const int selected = StageSelectedCount();
        if (selected < 2) {
            // The folder the stage's names come from, not the combo box's
            // text, which the user may have changed meanwhile.
            const QString folder = StageFolder();
            SendToStage(WM_MULTI_DELETE_ONE, reinterpret_cast<WPARAM>(&folder), static_cast<LPARAM>(-1));
        } else {
            SendToStage(WM_MULTI_DELETE_SELECTED, static_cast<WPARAM>(selected));
        }
    }
    EnableItem(IDC_MULTICTL_DELETE, true);
}

void CDlgMultiControlWindow::OnCopyFiles()
{
    const int selected = StageSelectedCount();
    if (selected == 0) {
        AfxMessageBox(QStringLiteral("選択されているファイルがありません。"));
        return;
    }
    LRESULT copied = 0;
    {
        CWaitCursor wait;
        copied = SendToStage(WM_MULTI_COPY_FILES, static_cast<WPARAM>(selected));
    }
    if (copied == 0)
        AfxMessageBox(QStringLiteral("クリップボードへのコピーに失敗しました。"));
}

void CDlgMultiControlWindow::OnExifClear()
{
    const int selected = StageSelectedCount();
    if (ExifClearSettings.showDialog == 1) {
        // The frame runs the clear settings and leaves 10 (OK) or 11 (cancel).
        g_nExifClearResult = 2;
        SendToFrame(WM_COMMAND, MAKEWPARAM(ID_OPTION_EXIF_CLEAR, 0));
        if (CountExifClearTags(ExifClearSettings.mask) == 0) {
            AfxMessageBox(kNoClearTag);
            g_nExifClearResult = 0;
            return;
        }
    } else {
        if (CountExifClearTags(ExifClearSettings.mask) == 0) {
            AfxMessageBox(kNoClearTag);
            return;
        }
        const QString question = selected == 1
            ? QStringLiteral("選択されたファイルの\n\nExif情報をクリアしますか？")
            : QStringLiteral("選択された %1 ファイルのExif情報をクリアしますか？").arg(selected);
        if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        g_nExifClearResult = 10;
    }
    if (g_nExifClearResult == 10) {
        EnableItem(IDC_MULTICTL_EXIF_CLEAR, false);
        if (selected < 2) {
            const QString folder = StageFolder();
            SendToStage(WM_MULTI_EXIF_CLEAR_ONE, reinterpret_cast<WPARAM>(&folder), static_cast<LPARAM>(-1));
        } else {
            SendToStage(WM_MULTI_EXIF_CLEAR_SELECTED, static_cast<WPARAM>(selected));
        }
        EnableItem(IDC_MULTICTL_EXIF_CLEAR, true);
    }
    g_nExifClearResult = 0;
}

void CDlgMultiControlWindow::OnExifShow()
{
    if (GetAppState().Window(AppWindow::ExifWindow)) {
        ResetExifShowButton();
        return;
    }
    SetDlgItemText(IDC_MULTICTL_EXIF_SHOW, QStringLiteral("表示中"));
    QString path;
    SendToStage(WM_MULTI_GET_CURRENT_PATH, reinterpret_cast<WPARAM>(&path), kCurrentPathChars);
    SendToFrame(WM_FRAME_SHOW_EXIF, reinterpret_cast<WPARAM>(&path));
}

void CDlgMultiControlWindow::ResetExifShowButton()
{
    SetDlgItemText(IDC_MULTICTL_EXIF_SHOW, QStringLiteral("表示"));
    SendToFrame(WM_FRAME_CLOSE_EXIFVIEW);
}

void CDlgMultiControlWindow::OnRename(int mode)
{
    SetRenameMode(mode);
    SendToFrame(WM_FRAME_RENAME, static_cast<WPARAM>(mode));
}
