#include "clip/work_folder_dialog.h"

#include "core/app_state.h"
#include "core/file_dialogs.h"
#include "core/file_queries.h"
#include "core/histories.h"
#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "core/tree_window_messages.h"
#include "platform/controls/controls.h"
#include "platform/dialog/msgbox.h"

static_assert(kWorkFolderRowCount == kWorkFolderCount, "one row per work folder of the settings");

QString WorkFolderWarningText(int code)
{
    switch (code) {
    case kWarnChosenFolderMissing:
        return QStringLiteral("注意! 現在このフォルダは存在していません。");
    case kWarnFolderRegistered:
        return QStringLiteral("このフォルダは既に登録されています。");
    case kWarnTypedFolderMissing:
        return QStringLiteral("入力されたフォルダ名は現在存在していません。");
    case kWarnPathTooLong:
        return QStringLiteral("Kestrelが対応していないファイルパスの長さです。");
    default:
        return QStringLiteral("未定義の警告");
    }
}

int FindCurrentWorkFolder(const QString (&folders)[kWorkFolderRowCount], const QString& lastAccessDir)
{
    QString current = lastAccessDir;
    RemoveTrailingBackslash(current);
    if (current.isEmpty())
        return -1;  // an empty slot is no folder
    return FindPathInHistory(folders, current, kWorkFolderRowCount);
}

BrowsedFolderPlace PlaceBrowsedFolder(
    const QString (&folders)[kWorkFolderRowCount], int slot, const QString& folder)
{
    const int found = FindPathInHistory(folders, folder, kWorkFolderRowCount);
    if (found < 0)
        return BrowsedFolderPlace::Store;
    return found == slot ? BrowsedFolderPlace::InOwnSlot : BrowsedFolderPlace::InOtherSlot;
}

CDlgWorkFolder::CDlgWorkFolder(CWnd* parent) : CDialog(&kDialog198WorkFolder, parent)
{
}

BOOL CDlgWorkFolder::OnInitDialog()
{
    CDialog::OnInitDialog();
    LoadSettings();
    CheckDlgButton(IDC_WORK_FOLDER_HISTORY, m_bHistory ? 1 : 0);
    for (int slot = 0; slot < kWorkFolderRowCount; ++slot) {
        if (!m_folders[slot].isEmpty())
            SetDlgItemText(WorkFolderEditId(slot), m_folders[slot]);
    }
    ShowCurrentFolder();
    for (int slot = 0; slot < kWorkFolderRowCount; ++slot)
        EnableChoice(slot);
    return TRUE;
}

void CDlgWorkFolder::LoadSettings()
{
    m_bHistory = AppSettings.FolderHistory != 0;
    m_nIndex = AppSettings.WorkFolderIndex;
    const WorkFolderHistory stored = LoadWorkFolderHistory();
    for (int slot = 0; slot < kWorkFolderRowCount; ++slot)
        m_folders[slot] = stored.folders[slot];
}

// The slot of the folder the open and save dialogs use now is the chosen one;
// without such a slot the stored choice stays, unmarked.
void CDlgWorkFolder::ShowCurrentFolder()
{
    const int current = FindCurrentWorkFolder(m_folders, AppSettings.LastAccessDir);
    if (current >= 0)
        m_nIndex = current;
    CheckRadioButton(WorkFolderChooseId(0), WorkFolderChooseId(kWorkFolderRowCount - 1),
        current >= 0 ? WorkFolderChooseId(current) : 0);
}

bool CDlgWorkFolder::EnableChoice(int slot)
{
    const bool folder = IsFolder(m_folders[slot]) != 0;
    if (CWnd* choose = GetDlgItem(WorkFolderChooseId(slot)))
        choose->EnableWindow(folder);
    return folder;
}

namespace {

// Posted at the first showing: the caret is placed once the window system has
// given the dialog its first focus (which selects the focused box's text).
constexpr UINT kWmFirstShowing = WM_APP + 1;

}  // namespace

void CDlgWorkFolder::OnShowWindow(BOOL show, UINT status)
{
    CDialog::OnShowWindow(show, status);
    if (!show || m_bShown)
        return;
    m_bShown = true;
    PostMessage(kWmFirstShowing);
}

LRESULT CDlgWorkFolder::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kWmFirstShowing) {
        OnFirstShowing();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CDlgWorkFolder::OnFirstShowing()
{
    if (m_bClosing)
        return;
    // The focus moves as the dialog's own doing: a box it leaves is not checked aloud.
    m_bQuiet = true;
    if (auto* first = dynamic_cast<CEdit*>(GetDlgItem(WorkFolderEditId(0))))
        first->SetSel(-1, 0);
    if (m_nIndex >= 0 && m_nIndex < kWorkFolderRowCount) {
        if (auto* chosen = dynamic_cast<CEdit*>(GetDlgItem(WorkFolderEditId(m_nIndex)))) {
            GotoDlgCtrl(chosen);
            const int end = chosen->GetWindowTextLength();
            chosen->SetSel(end, end);
        }
    }
    m_bQuiet = false;
}

BOOL CDlgWorkFolder::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    // Once it closes, nothing its controls say (a box losing the focus as the
    // dialog goes, a late click) changes the folders.
    if (m_bClosing)
        return TRUE;
    // Each change goes to the settings at once as well, so that a program
    // ending while the dialog is open (the frame closing, the display lost)
    // saves it too.
    const int choose = id - IDC_WORK_FOLDER_CHOOSE_FIRST;
    if (choose >= 0 && choose < kWorkFolderRowCount && code == BN_CLICKED) {
        OnChooseFolder(choose);
        StoreSettings();
        return TRUE;
    }
    const int browse = id - IDC_WORK_FOLDER_BROWSE_FIRST;
    if (browse >= 0 && browse < kWorkFolderRowCount && code == BN_CLICKED) {
        OnBrowseFolder(browse);
        StoreSettings();
        return TRUE;
    }
    const int edit = id - IDC_WORK_FOLDER_EDIT_FIRST;
    if (edit >= 0 && edit < kWorkFolderRowCount && code == EN_KILLFOCUS) {
        OnFolderKillFocus(edit);
        StoreSettings();
        return TRUE;
    }
    if (id == IDC_WORK_FOLDER_HISTORY && code == BN_CLICKED) {
        m_bHistory = IsDlgButtonChecked(IDC_WORK_FOLDER_HISTORY) == 1;
        StoreSettings();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgWorkFolder::OnChooseFolder(int slot)
{
    if (!IsFolder(m_folders[slot])) {
        Warn(kWarnChosenFolderMissing);
        return;
    }
    m_nIndex = slot;
    CheckRadioButton(
        WorkFolderChooseId(0), WorkFolderChooseId(kWorkFolderRowCount - 1), WorkFolderChooseId(slot));
    AppSettings.LastAccessDir = m_folders[slot];
    AppSettings.TreeLastDir = m_folders[slot];
    if (const HWND fileTree = GetAppState().Window(AppWindow::FileTree))
        ::SendMessageW(
            fileTree, WM_TREEFILE_SYNC_FOLDER, reinterpret_cast<WPARAM>(&AppSettings.TreeLastDir), 0);
}

void CDlgWorkFolder::OnBrowseFolder(int slot)
{
    QString folder = m_folders[slot];
    const int result = BrowseForFolder(GetSafeHwnd(), folder, QStringLiteral("作業フォルダのf選択"));
    if (result == 2) {
        Warn(kWarnPathTooLong);
        return;
    }
    if (result != 1 || folder.isEmpty())
        return;
    switch (PlaceBrowsedFolder(m_folders, slot, folder)) {
    case BrowsedFolderPlace::Store:
        m_folders[slot] = folder;
        SetDlgItemText(WorkFolderEditId(slot), folder);
        EnableChoice(slot);
        break;
    case BrowsedFolderPlace::InOwnSlot:
        break;
    case BrowsedFolderPlace::InOtherSlot:
        Warn(kWarnFolderRegistered);
        break;
    }
}

void CDlgWorkFolder::OnFolderKillFocus(int slot)
{
    // The focus our own warning takes from a box is not the user's leaving it.
    if (m_bWarning)
        return;
    QString typed;
    GetDlgItemText(WorkFolderEditId(slot), typed);
    if (typed != m_folders[slot] && typed.size() >= kTypedFolderPathLimit) {
        // Refused: the slot keeps its path, which the box shows again.
        Warn(kWarnPathTooLong);
        SetDlgItemText(WorkFolderEditId(slot), m_folders[slot]);
        return;
    }
    m_folders[slot] = typed;
    if (!EnableChoice(slot) && !typed.isEmpty())
        Warn(kWarnTypedFolderMissing);
}

// A path typed just before the dialog is left by a key counts as one whose
// box has let go of the focus; a box left as it was says nothing.
void CDlgWorkFolder::CommitFocusedFolder()
{
    CWnd* focus = GetFocus();
    if (!focus)
        return;
    const int slot = focus->GetDlgCtrlID() - IDC_WORK_FOLDER_EDIT_FIRST;
    if (slot < 0 || slot >= kWorkFolderRowCount || GetDlgItem(focus->GetDlgCtrlID()) != focus)
        return;
    QString text;
    GetDlgItemText(WorkFolderEditId(slot), text);
    if (text != m_folders[slot])
        OnFolderKillFocus(slot);
}

void CDlgWorkFolder::Warn(int code)
{
    if (m_bQuiet)
        return;
    m_bWarning = true;
    AfxMessageBox(WorkFolderWarningText(code), MB_OK | MB_ICONEXCLAMATION);
    m_bWarning = false;
}

void CDlgWorkFolder::OnOK()
{
    Close(IDOK);
}

void CDlgWorkFolder::OnCancel()
{
    Close(IDCANCEL);
}

void CDlgWorkFolder::Close(int result)
{
    if (m_bClosing)
        return;
    CommitFocusedFolder();
    m_bClosing = true;
    StoreSettings();
    EndDialog(result);
}

void CDlgWorkFolder::StoreSettings() const
{
    AppSettings.FolderHistory = m_bHistory ? 1 : 0;
    AppSettings.WorkFolderIndex = m_nIndex;
    WorkFolderHistory stored;
    for (int slot = 0; slot < kWorkFolderRowCount; ++slot)
        stored.folders[slot] = m_folders[slot];
    StoreWorkFolderHistory(stored);
}
