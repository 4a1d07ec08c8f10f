#include "multiview/overwrite_confirm_dialog.h"

#include "core/app_state.h"
#include "core/file_queries.h"
#include "platform/dialog/msgbox.h"

OverwriteConflictRecord OverwriteConflict;

namespace {

const QString kHeaderChoose = QStringLiteral("このフォルダ内には既に");
const QString kHeaderName = QStringLiteral("ファイル名を指定して下さい。");
const QString kRenameStart = QStringLiteral("ファイル名を変更する");
const QString kRenameConfirm = QStringLiteral("このファイル名でコピー");

}  // namespace

QString RefuseOverwriteName(const QString& folder, const QString& name)
{
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..") ||
        !IsValidFileNameChars(name))
        return QStringLiteral("ファイル名に指定できない文字です。");
    if (folder.size() + name.size() >= kOverwritePathLimit)
        return QStringLiteral("ファイルパスが長すぎます。");
    return QString();
}

CDlgConfirmOverwriteFile::CDlgConfirmOverwriteFile(CWnd* parent)
    : CDialog(&kDialog362ConfirmOverwrite, parent)
{
}

CDlgConfirmOverwriteFile::~CDlgConfirmOverwriteFile()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CDlgConfirmOverwriteFile::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_font.CreateFont();
    for (int id : {IDC_OVERWRITE_NAME, IDC_OVERWRITE_NEW_NAME})
        if (CWnd* control = GetDlgItem(id))
            control->SetFont(m_font.GetFont());
    ShowChoices();
    // A rename asked for every later file goes straight to the name.
    if (OverwriteConflict.applyToAll == 1 && OverwriteConflict.lastResult == kOverwriteRename) {
        CheckDlgButton(IDC_OVERWRITE_APPLY_TO_ALL, 1);
        StartNameEntry();
    }
    if (OverwriteConflict.newerOnly == 1)
        CheckDlgButton(IDC_OVERWRITE_NEWER_ONLY, 1);
    if (HWND frame = GetAppState().Window(AppWindow::MainFrame)) {
        GetAppState().BringToTop(frame);
        ::SetFocus(frame);
    }
    CWnd topMost;  // names the top-most layer only
    topMost.m_hWnd = HWND_TOPMOST;
    SetWindowPos(&topMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

void CDlgConfirmOverwriteFile::ShowChoices()
{
    m_naming = false;
    if (CWnd* edit = GetDlgItem(IDC_OVERWRITE_NEW_NAME))
        edit->ShowWindow(SW_HIDE);
    if (CWnd* name = GetDlgItem(IDC_OVERWRITE_NAME))
        name->ShowWindow(SW_SHOW);
    SetDlgItemText(IDC_OVERWRITE_NAME, OverwriteConflict.fileName);
    SetDlgItemText(IDC_OVERWRITE_HEADER, kHeaderChoose);
    SetDlgItemText(IDC_OVERWRITE_RENAME, kRenameStart);
    for (int id : {IDC_OVERWRITE_REPLACE, IDC_OVERWRITE_SKIP})
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(TRUE);
}

void CDlgConfirmOverwriteFile::StartNameEntry()
{
    m_naming = true;
    SetDlgItemText(IDC_OVERWRITE_NEW_NAME, OverwriteConflict.fileName);
    if (CWnd* name = GetDlgItem(IDC_OVERWRITE_NAME))
        name->ShowWindow(SW_HIDE);
    if (CWnd* edit = GetDlgItem(IDC_OVERWRITE_NEW_NAME)) {
        edit->ShowWindow(SW_SHOW);
        GotoDlgCtrl(edit);
    }
    SetDlgItemText(IDC_OVERWRITE_RENAME, kRenameConfirm);
    SetDlgItemText(IDC_OVERWRITE_HEADER, kHeaderName);
    for (int id : {IDC_OVERWRITE_REPLACE, IDC_OVERWRITE_SKIP})
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(FALSE);
}

void CDlgConfirmOverwriteFile::ConfirmName()
{
    QString name;
    GetDlgItemText(IDC_OVERWRITE_NEW_NAME, name);
    name.truncate(kOverwriteNameChars);
    // A name that would leave the folder, name the folder itself or be too long is refused.
    const QString refusal = RefuseOverwriteName(OverwriteConflict.targetFolder, name);
    if (!refusal.isEmpty()) {
        AfxMessageBox(refusal, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const QString path = OverwriteConflict.targetFolder + name;
    if (GetPathKind(path) == 0) {
        OverwriteConflict.fileName = name;
        EndDialog(kOverwriteRename);
        return;
    }
    if (AfxMessageBox(QStringLiteral("指定されたファイルは既に存在します。上書きしますか？"), MB_YESNO) ==
        IDYES) {
        OverwriteConflict.applyToAll = 0;
        OverwriteConflict.fileName = name;
        EndDialog(kOverwriteReplace);
        return;
    }
    ShowChoices();
}

BOOL CDlgConfirmOverwriteFile::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDC_OVERWRITE_APPLY_TO_ALL:
        OverwriteConflict.applyToAll = IsDlgButtonChecked(IDC_OVERWRITE_APPLY_TO_ALL) == 1 ? 1 : 0;
        return TRUE;
    case IDC_OVERWRITE_NEWER_ONLY:
        OverwriteConflict.newerOnly = IsDlgButtonChecked(IDC_OVERWRITE_NEWER_ONLY) == 1 ? 1 : 0;
        return TRUE;
    case IDC_OVERWRITE_REPLACE:
        EndDialog(kOverwriteReplace);
        return TRUE;
    case IDC_OVERWRITE_SKIP:
        EndDialog(kOverwriteSkip);
        return TRUE;
    case IDC_OVERWRITE_RENAME:
        if (m_naming)
            ConfirmName();
        else
            StartNameEntry();
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

void CDlgConfirmOverwriteFile::OnCancel()
{
    if (AfxMessageBox(QStringLiteral("以降のコピーを中止しますか？"), MB_YESNO) == IDYES)
        EndDialog(kOverwriteStop);
}

BOOL CDlgConfirmOverwriteFile::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE)
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}
