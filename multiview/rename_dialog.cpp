#include "multiview/rename_dialog.h"

#include "core/multi_view_globals.h"
#include "core/path_utils.h"
#include "multiview/multi_view_stage.h"
#include "multiview/thumbnail_list.h"
#include "platform/controls/controls.h"
#include "platform/dialog/msgbox.h"

namespace {

// The radio of each selection method, in method order 1 .. 6.
constexpr int kSelectionRadios[] = {IDC_RENAME_SELECT_WHOLE, IDC_RENAME_SELECT_NAME,
    IDC_RENAME_SELECT_EXTENSION, IDC_RENAME_CARET_START, IDC_RENAME_CARET_AFTER_NAME, IDC_RENAME_CARET_END};

constexpr int kSingleEditWidth = 462;
constexpr int kAddEditWidth = 257;
constexpr int kCountEditWidth = 30;
constexpr int kCountEditLimit = 2;

}  // namespace

CDlgChangeFileName::CDlgChangeFileName(CDlgMultiViewStage* stage, int* done, CWnd* parent)
    : CDialog(&kDialog356ChangeFileName, parent), m_stage(stage), m_done(done)
{
}

CDlgChangeFileName::~CDlgChangeFileName()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CDlgChangeFileName::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_singleWarning = true;
    m_batchWarning = true;
    RenameChoices.deleteCount = 0;
    *m_done = 0;
    ShowControl(IDC_RENAME_SELECT_EXTENSION, false);
    ShowControl(IDC_RENAME_CARET_END, false);
    if (CSpinButtonCtrl* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_RENAME_COUNT_SPIN)))
        spin->SetRange(0, kDeleteStepMax);
    if (g_nRenameMode != kRenameBatch)
        g_nRenameMode = kRenameSingle;
    ShowChoices();
    if (!BuildWorkList()) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    m_editFont.CreateFont();
    m_statusFont.CreateFont();
    if (CWnd* edit = GetDlgItem(IDC_RENAME_EDIT))
        edit->SetFont(m_editFont.GetFont());
    if (CWnd* status = GetDlgItem(IDC_RENAME_STATUS))
        status->SetFont(m_statusFont.GetFont());
    if (g_nRenameMode == kRenameSingle) {
        LayoutSingle();
        ApplySelectionMethod();
        SetTimer(IDT_RENAME_PREVIEW, 100);
    } else {
        LayoutBatch();
        ResetBatchEdit();
    }
    return FALSE;  // the focus is set
}

// Every radio group and the check box as the choices hold them (a choice of 0
// leaves its group clear), and the mode.
void CDlgChangeFileName::ShowChoices()
{
    const RenameChoicesRecord& c = RenameChoices;
    if (c.selectionMethod >= 1 && c.selectionMethod <= 6)
        CheckDlgButton(kSelectionRadios[c.selectionMethod - 1], 1);
    if (c.batchOperation != 0)
        CheckDlgButton(c.batchOperation == kBatchAddText ? IDC_RENAME_ADD : IDC_RENAME_DELETE, 1);
    if (c.addPosition != 0)
        CheckDlgButton(c.addPosition == kAtHead ? IDC_RENAME_ADD_HEAD : IDC_RENAME_ADD_END, 1);
    if (c.deletePosition != 0)
        CheckDlgButton(c.deletePosition == kAtHead ? IDC_RENAME_DELETE_HEAD : IDC_RENAME_DELETE_END, 1);
    if (c.separator != 0)
        CheckDlgButton(c.separator == kSeparatorHyphen ? IDC_RENAME_HYPHEN : IDC_RENAME_UNDERSCORE, 1);
    CheckDlgButton(IDC_RENAME_SEPARATOR_ON, c.separatorOn == 1 ? 1 : 0);
    CheckDlgButton(g_nRenameMode == kRenameBatch ? IDC_RENAME_BATCH : IDC_RENAME_SINGLE, 1);
}

// The files to handle: the current item when one file is selected, else
// every selected file in display order. False (after the message, if any)
// when there is nothing to handle.
bool CDlgChangeFileName::BuildWorkList()
{
    if (!m_stage)
        return false;
    const CThumbnailList& list = m_stage->List();
    QString folder = list.GetFolder();
    AddBackslash(folder);
    m_folder = folder;
    const int selected = list.GetSelectedCount();
    if (selected == 0) {
        AfxMessageBox(QStringLiteral("ファイルが選択されていません。"), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const auto add = [&](int position) {
        const WORD file = list.GetSortIndex(position);
        if (file == kNoFileIndex || !list.HasFileName(file))
            return;
        m_items.push_back(RenameItem{list.GetFileName(file), position, static_cast<int>(file)});
    };
    if (selected == 1) {
        add(m_stage->Scroll().Focus());
    } else {
        for (int p = 0; p < list.GetFileCount(); ++p)
            if (list.IsSelected(p))
                add(p);
    }
    return !m_items.empty();
}

void CDlgChangeFileName::EnableControls(std::initializer_list<int> ids, bool enable)
{
    for (int id : ids)
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(enable ? TRUE : FALSE);
}

void CDlgChangeFileName::ShowControl(int id, bool show)
{
    if (CWnd* control = GetDlgItem(id))
        control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CDlgChangeFileName::PlaceEdit(int width)
{
    if (CWnd* edit = GetDlgItem(IDC_RENAME_EDIT))
        edit->MoveWindow(kRenameEditX, kRenameEditY, width, kRenameEditHeight);
    if (CWnd* spin = GetDlgItem(IDC_RENAME_COUNT_SPIN))
        spin->MoveWindow(kRenameEditX + width + 2, kRenameEditY, 16, kRenameEditHeight);
}

void CDlgChangeFileName::LayoutSingle()
{
    SetDlgItemText(IDC_RENAME_EDIT_TITLE, QStringLiteral("新ファイル名の指定"));
    SetDlgItemText(IDC_RENAME_EXECUTE, QStringLiteral("ファイル名変更"));
    PlaceEdit(kSingleEditWidth);
    if (CEdit* edit = static_cast<CEdit*>(GetDlgItem(IDC_RENAME_EDIT)))
        edit->SetLimitText(static_cast<UINT>(std::max<qsizetype>(kRenameNameChars - m_folder.size(), 1)));
    EnableControls({IDC_RENAME_SELECT_WHOLE, IDC_RENAME_SELECT_NAME, IDC_RENAME_CARET_START,
                       IDC_RENAME_CARET_AFTER_NAME, IDC_RENAME_SELECT_GROUP},
        true);
    EnableControls(
        {IDC_RENAME_ADD, IDC_RENAME_DELETE, IDC_RENAME_ADD_HEAD, IDC_RENAME_ADD_END, IDC_RENAME_SEPARATOR_ON,
            IDC_RENAME_HYPHEN, IDC_RENAME_UNDERSCORE, IDC_RENAME_DELETE_HEAD, IDC_RENAME_DELETE_END,
            IDC_RENAME_ADD_GROUP, IDC_RENAME_DELETE_GROUP, IDC_RENAME_RESTORE},
        false);
    ShowControl(IDC_RENAME_TOTAL, false);
    ShowControl(IDC_RENAME_COUNT_SPIN, false);
    ShowControl(IDC_RENAME_PREVIEW, true);
    if (const RenameItem* item = CurrentItem()) {
        m_lastAccepted = item->name;
        SetEditText(item->name);
    }
    ShowProgress();
}

void CDlgChangeFileName::LayoutBatch()
{
    SetDlgItemText(IDC_RENAME_EXECUTE, QStringLiteral("一括ファイル名変換"));
    SetDlgItemText(IDC_RENAME_TOTAL, QStringLiteral("選択ファイル総数 %1").arg(m_items.size()));
    ShowControl(IDC_RENAME_TOTAL, true);
    const QString name = CurrentItem() ? CurrentItem()->name : QString();
    const bool adding = RenameChoices.batchOperation == kBatchAddText;
    CEdit* edit = static_cast<CEdit*>(GetDlgItem(IDC_RENAME_EDIT));
    if (adding) {
        SetDlgItemText(
            IDC_RENAME_EDIT_TITLE, QStringLiteral("付加する文字列  ( 元ファイル名 : %1 )").arg(name));
        PlaceEdit(kAddEditWidth);
        if (edit)
            edit->SetLimitText(static_cast<UINT>(std::max<qsizetype>(kRenameNameChars - m_folder.size(), 1)));
    } else {
        SetDlgItemText(
            IDC_RENAME_EDIT_TITLE, QStringLiteral("削除する文字数  ( 元ファイル名 : %1 )").arg(name));
        PlaceEdit(kCountEditWidth);
        if (edit)
            edit->SetLimitText(kCountEditLimit);
    }
    ShowControl(IDC_RENAME_COUNT_SPIN, !adding);
    EnableControls({IDC_RENAME_SELECT_WHOLE, IDC_RENAME_SELECT_NAME, IDC_RENAME_CARET_START,
                       IDC_RENAME_CARET_AFTER_NAME, IDC_RENAME_SELECT_GROUP, IDC_RENAME_RESTORE},
        false);
    EnableControls({IDC_RENAME_ADD, IDC_RENAME_DELETE, IDC_RENAME_ADD_GROUP, IDC_RENAME_DELETE_GROUP}, true);
    // With no operation chosen yet the add controls are the live ones.
    const bool addControls = RenameChoices.batchOperation != kBatchDeleteChars;
    EnableControls({IDC_RENAME_ADD_HEAD, IDC_RENAME_ADD_END, IDC_RENAME_SEPARATOR_ON}, addControls);
    EnableControls({IDC_RENAME_HYPHEN, IDC_RENAME_UNDERSCORE}, addControls && RenameChoices.separatorOn == 1);
    EnableControls({IDC_RENAME_DELETE_HEAD, IDC_RENAME_DELETE_END}, !addControls);
    ShowControl(IDC_RENAME_PREVIEW, false);
    SetEditText(QString());
    RefreshBatchPreview();
}

void CDlgChangeFileName::SwitchMode(int mode)
{
    if (mode == g_nRenameMode)
        return;
    g_nRenameMode = static_cast<BYTE>(mode);
    if (mode == kRenameBatch) {
        m_batchWarning = true;
        LayoutBatch();
        ResetBatchEdit();
        return;
    }
    m_singleWarning = true;
    LayoutSingle();
    ApplySelectionMethod();
    DrawThumbnailPreview();
}

void CDlgChangeFileName::OnSelectionMethod(int method)
{
    RenameChoices.selectionMethod = static_cast<BYTE>(method);
    ApplySelectionMethod();
}

void CDlgChangeFileName::OnOperation(int operation)
{
    if (operation == RenameChoices.batchOperation)
        return;
    RenameChoices.batchOperation = static_cast<BYTE>(operation);
    LayoutBatch();
    ResetBatchEdit();
}

void CDlgChangeFileName::OnAddPosition(int position)
{
    if (position == RenameChoices.addPosition)
        return;
    const int old = RenameChoices.addPosition;
    RenameChoices.addPosition = static_cast<BYTE>(position);
    SetEditText(MoveSeparator(EditText(), old, position, RenameChoices.separatorOn == 1));
    RefreshBatchPreview();
    PlaceAddCaret();
}

void CDlgChangeFileName::OnSeparatorChange()
{
    RenameChoices.separatorOn = IsDlgButtonChecked(IDC_RENAME_SEPARATOR_ON) == 1 ? 1 : 0;
    if (IsDlgButtonChecked(IDC_RENAME_HYPHEN) == 1)
        RenameChoices.separator = kSeparatorHyphen;
    else if (IsDlgButtonChecked(IDC_RENAME_UNDERSCORE) == 1)
        RenameChoices.separator = 2;
    EnableControls({IDC_RENAME_HYPHEN, IDC_RENAME_UNDERSCORE}, RenameChoices.separatorOn == 1);
    SetEditText(ApplySeparator(EditText(), RenameChoices.addPosition, RenameChoices.separatorOn == 1,
        SeparatorChar(RenameChoices.separator)));
    RefreshBatchPreview();
    PlaceAddCaret();
}

void CDlgChangeFileName::OnDeletePosition(int position)
{
    if (position == RenameChoices.deletePosition)
        return;
    RenameChoices.deletePosition = static_cast<BYTE>(position);
    RefreshBatchPreview();
}

BOOL CDlgChangeFileName::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_RENAME_EDIT) {
        if (code == EN_CHANGE)
            OnEditChanged();
        return TRUE;
    }
    if (code != BN_CLICKED)
        return CDialog::OnCommand(wParam, lParam);
    for (int method = 1; method <= 6; ++method)
        if (id == kSelectionRadios[method - 1]) {
            OnSelectionMethod(method);
            return TRUE;
        }
    switch (id) {
    case IDC_RENAME_SINGLE:
        SwitchMode(kRenameSingle);
        return TRUE;
    case IDC_RENAME_BATCH:
        SwitchMode(kRenameBatch);
        return TRUE;
    case IDC_RENAME_ADD:
        OnOperation(kBatchAddText);
        return TRUE;
    case IDC_RENAME_DELETE:
        OnOperation(kBatchDeleteChars);
        return TRUE;
    case IDC_RENAME_ADD_HEAD:
        OnAddPosition(kAtHead);
        return TRUE;
    case IDC_RENAME_ADD_END:
        OnAddPosition(kAtEnd);
        return TRUE;
    case IDC_RENAME_SEPARATOR_ON:
    case IDC_RENAME_HYPHEN:
    case IDC_RENAME_UNDERSCORE:
        OnSeparatorChange();
        return TRUE;
    case IDC_RENAME_DELETE_HEAD:
        OnDeletePosition(kAtHead);
        return TRUE;
    case IDC_RENAME_DELETE_END:
        OnDeletePosition(kAtEnd);
        return TRUE;
    case IDC_RENAME_RESTORE:
        OnRestoreName();
        return TRUE;
    case IDC_RENAME_EXECUTE:
        OnExecute();
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

BOOL CDlgChangeFileName::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->code == UDN_DELTAPOS && static_cast<int>(header->idFrom) == IDC_RENAME_COUNT_SPIN) {
        OnCountStep(reinterpret_cast<const NMUPDOWN*>(header)->iDelta > 0 ? 1 : -1);
        *result = 1;  // the edit holds the number, not the control
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

void CDlgChangeFileName::OnOK()
{
    CWnd* edit = GetDlgItem(IDC_RENAME_EDIT);
    if (edit && CWnd::GetFocus() == edit)
        PostMessage(WM_COMMAND, MAKEWPARAM(IDC_RENAME_EXECUTE, BN_CLICKED), 0);
}

void CDlgChangeFileName::OnTimer(UINT_PTR id)
{
    if (id != IDT_RENAME_PREVIEW)
        return CDialog::OnTimer(id);
    KillTimer(IDT_RENAME_PREVIEW);
    DrawThumbnailPreview();
}
