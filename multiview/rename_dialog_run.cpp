// The rename dialog's execution: one file in single mode (a listed failure
// keeps the file for another try), every remaining file in batch mode, and
// the closing message once every file was handled.
#include "core/multi_view_globals.h"
#include "core/multi_view_messages.h"
#include "multiview/multi_view_stage.h"
#include "multiview/rename_dialog.h"
#include "platform/dialog/msgbox.h"

void CDlgChangeFileName::OnExecute()
{
    if (!CurrentItem())
        return;
    if (g_nRenameMode == kRenameBatch)
        ExecuteBatch();
    else
        ExecuteSingle();
}

void CDlgChangeFileName::ExecuteSingle()
{
    const RenameItem item = *CurrentItem();
    const QString text = EditText();
    const auto refuse = [&](const QString& message) {
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        m_lastAccepted = item.name;
        SetEditText(item.name);
        EnableControls({IDC_RENAME_RESTORE}, false);
        ApplySelectionMethod();
    };
    if (SplitFileName(text).name.isEmpty()) {
        refuse(QStringLiteral("有効なファイル名が入力されていません。"));
        return;
    }
    if (HasFolderPart(text)) {
        refuse(QStringLiteral("ドライブ及びパスの指定は出来ません。"));
        return;
    }
    const DWORD error = RenameInFolder(m_folder, item.name, text);
    bool advance = true;
    if (error == ERROR_SUCCESS) {
        ReportRenamed(item, text);
    } else {
        const RenameErrorInfo info = RenameErrorText(error);
        AfxMessageBox(info.text, MB_OK | MB_ICONEXCLAMATION);
        advance = !info.listed;
        if (advance)
            ++m_failures;
    }
    if (advance)
        ++*m_done;
    if (Next() >= static_cast<int>(m_items.size())) {
        Finish();
        return;
    }
    ShowNextFile();
}

// The edit, the progress line, the caret and the thumbnail for the file now due.
void CDlgChangeFileName::ShowNextFile()
{
    const RenameItem* item = CurrentItem();
    if (!item)
        return;
    m_lastAccepted = item->name;
    SetEditText(item->name);
    EnableControls({IDC_RENAME_RESTORE}, false);
    ShowProgress();
    ApplySelectionMethod();
    DrawThumbnailPreview();
}

// The batch rule from the edit, or false after telling what is missing (the
// edit then starts again).
bool CDlgChangeFileName::ValidateBatch(RenameRule* rule)
{
    const QString text = EditText();
    QString refusal;
    if (RenameChoices.batchOperation == kBatchAddText) {
        if (text.isEmpty())
            refusal = QStringLiteral("追加する文字列が入力されていません。");
        else if (text.contains(u'/') || text.contains(u'\\'))
            refusal = QStringLiteral("ドライブ及びパスの指定は出来ません。");
    } else {
        const int count = ParseCount(text);
        if (count < kDeleteCountMin || count > kDeleteCountMax)
            refusal = QStringLiteral("有効な数値を入力してください。");
    }
    if (!refusal.isEmpty()) {
        AfxMessageBox(refusal, MB_OK | MB_ICONEXCLAMATION);
        ResetBatchEdit();
        return false;
    }
    *rule = CurrentRule(text);
    return true;
}

void CDlgChangeFileName::ExecuteBatch()
{
    RenameRule rule;
    if (!ValidateBatch(&rule))
        return;
    EnableWindow(FALSE);
    bool messages = true;
    m_failures +=
        RunRenameBatch(m_folder, m_items, Next(), rule, [&](int index, const RenameOutcome& outcome) {
            const RenameItem& item = m_items[static_cast<size_t>(index)];
            if (outcome.error == ERROR_SUCCESS) {
                ReportRenamed(item, outcome.newName);
            } else if (messages) {
                const QString text =
                    QStringLiteral("失敗: %1\n\n%2\n\n以後、エラーメッセージを表示しますか？")
                        .arg(item.name, RenameErrorText(outcome.error).text);
                messages = AfxMessageBox(text, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
            }
            *m_done = index + 1;
        });
    EnableWindow(TRUE);
    Finish();
}

void CDlgChangeFileName::ReportRenamed(const RenameItem& item, const QString& newName)
{
    if (m_stage && m_stage->GetSafeHwnd())
        m_stage->SendMessage(
            WM_MULTI_SET_FILE_NAME, static_cast<WPARAM>(item.file), reinterpret_cast<LPARAM>(&newName));
}

void CDlgChangeFileName::Finish()
{
    if (m_failures != 0)
        AfxMessageBox(QStringLiteral("%1 個のファイル変換に失敗しました。").arg(m_failures),
            MB_OK | MB_ICONEXCLAMATION);
    else
        AfxMessageBox(QStringLiteral("ファイル名の変更処理が終了しました。"), MB_OK | MB_ICONINFORMATION);
    EndDialog(IDOK);
}
