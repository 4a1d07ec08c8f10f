// The rename dialog's edit: what it holds in each mode, the checks of typed
// names, the separator kept inside the added text, the up-down steps of the
// delete count, and the two previews (the new name line and the thumbnail).
#include "core/geometry.h"
#include "core/multi_view_globals.h"
#include "core/system_figures.h"
#include "multiview/multi_view_stage.h"
#include "multiview/rename_dialog.h"
#include "multiview/thumbnail_list.h"
#include "platform/controls/controls.h"
#include "platform/dialog/msgbox.h"
#include "platform/gdi/gdi_objects.h"

namespace {

const QString kLongPathQuestion = QStringLiteral(
    "これ以上文字数を増やすとファイル名の変更に失敗する可能性があります。\n\nこのまま処理を進めますか？");
const QString kFolderPartRefused = QStringLiteral("ドライブ及びパスの指定は出来ません。");

}  // namespace

const RenameItem* CDlgChangeFileName::CurrentItem() const
{
    const int next = Next();
    return next >= 0 && next < static_cast<int>(m_items.size()) ? &m_items[next] : nullptr;
}

QString CDlgChangeFileName::EditText() const
{
    QString text;
    GetDlgItemText(IDC_RENAME_EDIT, text);
    return text;
}

void CDlgChangeFileName::SetEditText(const QString& text)
{
    // The change this makes is the dialog's own: it is not checked as typed.
    const bool was = m_restoring;
    m_restoring = true;
    SetDlgItemText(IDC_RENAME_EDIT, text);
    m_restoring = was;
}

void CDlgChangeFileName::ApplySelectionMethod()
{
    CEdit* edit = static_cast<CEdit*>(GetDlgItem(IDC_RENAME_EDIT));
    if (!edit)
        return;
    const std::optional<TextRange> range = SelectionForMethod(EditText(), RenameChoices.selectionMethod);
    if (!range)
        return;
    edit->SetSel(range->start, range->end);
    GotoDlgCtrl(edit);
    edit->SetSel(range->start, range->end);
}

// The edit as the batch operation starts it: the separator alone (or
// nothing) for adding, the count for deleting.
void CDlgChangeFileName::ResetBatchEdit()
{
    if (RenameChoices.batchOperation == kBatchAddText) {
        SetEditText(InitialAddText(RenameChoices.separatorOn == 1, SeparatorChar(RenameChoices.separator)));
        PlaceAddCaret();
    } else {
        SetEditText(QString::number(RenameChoices.deleteCount));
        if (CEdit* edit = static_cast<CEdit*>(GetDlgItem(IDC_RENAME_EDIT))) {
            GotoDlgCtrl(edit);
            edit->SetSel(0, -1);
        }
    }
    RefreshBatchPreview();
}

void CDlgChangeFileName::PlaceAddCaret()
{
    CEdit* edit = static_cast<CEdit*>(GetDlgItem(IDC_RENAME_EDIT));
    if (!edit || RenameChoices.batchOperation != kBatchAddText)
        return;
    const int caret = AddCaretPosition(EditText(), RenameChoices.addPosition);
    GotoDlgCtrl(edit);
    edit->SetSel(caret, caret);
}

RenameRule CDlgChangeFileName::CurrentRule(const QString& text) const
{
    RenameRule rule;
    if (RenameChoices.batchOperation == kBatchAddText) {
        rule.operation = kBatchAddText;
        rule.text = text;
        rule.position = RenameChoices.addPosition;
    } else {
        rule.operation = kBatchDeleteChars;
        rule.count = std::max(ParseCount(text), 0);
        rule.position = RenameChoices.deletePosition;
    }
    return rule;
}

void CDlgChangeFileName::OnEditChanged()
{
    if (m_restoring)
        return;
    const QString text = EditText();
    if (g_nRenameMode == kRenameBatch) {
        if (RenameChoices.batchOperation != kBatchAddText) {
            const int count = ParseCount(text);
            RenameChoices.deleteCount = static_cast<WORD>(std::clamp(count, 0, kDeleteCountMax));
        }
        RefreshBatchPreview();
        return;
    }
    OnSingleEditChanged(text);
}

void CDlgChangeFileName::OnSingleEditChanged(const QString& text)
{
    bool accept = true;
    if (m_folder.size() + text.size() < kRenamePathLimit) {
        // A name has no drive or folder part (checked here as typed; "." and
        // ".." are refused when the rename is asked for).
        if (text.contains(u'/') || text.contains(u'\\') ||
            (text.size() >= 2 && text[1] == u':' && text[0].isLetter())) {
            AfxMessageBox(kFolderPartRefused, MB_OK | MB_ICONEXCLAMATION);
            accept = false;
        }
    } else if (m_singleWarning) {
        if (AfxMessageBox(kLongPathQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES)
            m_singleWarning = false;
        else
            accept = false;
    }
    if (accept) {
        m_lastAccepted = text;
    } else {
        const bool was = m_restoring;
        m_restoring = true;
        SetDlgItemText(IDC_RENAME_EDIT, m_lastAccepted);
        m_restoring = was;
    }
    const RenameItem* item = CurrentItem();
    EnableControls({IDC_RENAME_RESTORE}, item && m_lastAccepted != item->name);
}

void CDlgChangeFileName::RefreshBatchPreview()
{
    if (g_nRenameMode != kRenameBatch)
        return;
    const RenameItem* item = CurrentItem();
    if (!item) {
        SetDlgItemText(IDC_RENAME_STATUS, QString());
        return;
    }
    const QString text = EditText();
    const RenameRule rule = CurrentRule(text);
    if (rule.operation == kBatchAddText && m_batchWarning &&
        AddExceedsPathLimit(m_folder, text, item->name)) {
        // Asked for the preview only, never while the run goes.
        if (AfxMessageBox(kLongPathQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            SetDlgItemText(IDC_RENAME_STATUS, QStringLiteral("パスを含めたファイル名が長すぎます。"));
            return;
        }
        m_batchWarning = false;
    }
    SetDlgItemText(IDC_RENAME_STATUS, BatchPreviewText(item->name, rule));
}

void CDlgChangeFileName::ShowProgress()
{
    SetDlgItemText(IDC_RENAME_STATUS,
        QStringLiteral("処理されたファイル数 %1,   選択ファイル総数 %2").arg(Next()).arg(m_items.size()));
}

void CDlgChangeFileName::OnRestoreName()
{
    const RenameItem* item = CurrentItem();
    if (!item)
        return;
    m_lastAccepted = item->name;
    SetEditText(item->name);
    EnableControls({IDC_RENAME_RESTORE}, false);
    ApplySelectionMethod();
}

void CDlgChangeFileName::OnCountStep(int delta)
{
    const RenameItem* item = CurrentItem();
    if (g_nRenameMode != kRenameBatch || RenameChoices.batchOperation == kBatchAddText || !item)
        return;
    const int nameLength = static_cast<int>(SplitFileName(item->name).name.size());
    const std::optional<int> count = StepDeleteCount(EditText(), delta, nameLength);
    if (!count)
        return;
    RenameChoices.deleteCount = static_cast<WORD>(*count);
    SetEditText(QString::number(*count));
    RefreshBatchPreview();
    if (CEdit* edit = static_cast<CEdit*>(GetDlgItem(IDC_RENAME_EDIT)))
        edit->SetSel(0, -1);
}

// The current file's thumbnail fitted into the box on white, as the multi
// view draws it.
void CDlgChangeFileName::DrawThumbnailPreview()
{
    CWnd* box = GetDlgItem(IDC_RENAME_PREVIEW);
    const RenameItem* item = CurrentItem();
    if (!box || !m_stage || g_nRenameMode != kRenameSingle)
        return;
    RECT client{};
    box->GetClientRect(&client);
    CDC* dc = box->GetDC();
    if (!dc)
        return;
    const RECT inside{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
    dc->FillSolidRect(&inside, RGB(255, 255, 255));
    HBITMAP bitmap = nullptr;
    CSize thumbSize;
    CSize imageSize;
    if (item && m_stage->List().GetThumbnail(item->position, &bitmap, &thumbSize, &imageSize) && bitmap &&
        thumbSize.cx > 0 && thumbSize.cy > 0) {
        const RECT fitted = FitSizeInRect(inside, SIZE{thumbSize.cx, thumbSize.cy});
        CDlgMultiViewStage::StretchDrawBitmap(dc, fitted, bitmap, thumbSize.cx, thumbSize.cy);
    }
    box->ReleaseDC(dc);
    box->Invalidate(FALSE);
}
