// The rows of the clip history dialog: their values, their protection, the
// select buttons that may be used, and an edge checked when its edit lets go
// of the focus.
#include "clip/clip_history_dialog.h"

#include "clip/clip_history_rules.h"
#include "core/histories.h"
#include "core/settings/app_settings.h"
#include "platform/controls/controls.h"

namespace {

SIZE MaxSaveSize()
{
    return SIZE{AppSettings.MaxSaveSizeWidth, AppSettings.MaxSaveSizeHeight};
}

}  // namespace

void CDlgClipHistory::ShowRowValues(int row)
{
    const RECT& r = m_rows[row];
    const SIZE size = ClipHistoryRowSize(r);
    const int values[kClipHistoryFieldCount] = {r.left, r.top, r.right, r.bottom, size.cx, size.cy};
    for (int field = 0; field < kClipHistoryFieldCount; ++field)
        SetDlgItemInt(ClipHistoryEditId(row, field), static_cast<UINT>(values[field]), TRUE);
}

void CDlgClipHistory::ShowProtection(int row)
{
    const bool on = IsClipHistorySlotProtected(m_protect, row) != 0;
    CheckDlgButton(ClipHistoryProtectId(row), on ? 1 : 0);
    for (int field = kFieldLeft; field <= kFieldBottom; ++field)
        if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(ClipHistoryEditId(row, field))))
            edit->SetReadOnly(on);
}

bool CDlgClipHistory::IsRowSelectable(int row) const
{
    return IsClipHistoryRowSelectable(m_rows[row], MaxSaveSize(), StageImageSize());
}

// Every select button follows its row; only the chosen one is marked, and
// button 1112 can be used while a row is chosen.
void CDlgClipHistory::ShowSelection()
{
    const std::optional<SIZE> image = StageImageSize();
    for (int row = 0; row < kClipHistoryRowCount; ++row) {
        CWnd* button = GetDlgItem(ClipHistorySelectId(row));
        if (!button)
            continue;
        button->EnableWindow(IsClipHistoryRowSelectable(m_rows[row], MaxSaveSize(), image));
        CheckDlgButton(ClipHistorySelectId(row), row == m_selected ? 1 : 0);
    }
    if (CWnd* fixed = GetDlgItem(IDC_CLIP_HISTORY_CLOSE_FIXED))
        fixed->EnableWindow(m_selected >= 0 && m_selected < kClipHistoryRowCount);
}

void CDlgClipHistory::OnSelectRow(int row)
{
    m_selected = row;
    ShowSelection();
    PreviewRow(row);
}

void CDlgClipHistory::OnProtectRow(int row)
{
    m_protect ^= 1u << row;
    ShowProtection(row);
}

void CDlgClipHistory::OnEdgeKillFocus(int row, int field)
{
    BOOL translated = FALSE;
    const int typed = static_cast<int>(GetDlgItemInt(ClipHistoryEditId(row, field), &translated, TRUE));
    m_rows[row] = ApplyClipHistoryEdge(
        m_rows[row], field, translated ? std::optional<int>(typed) : std::nullopt, MaxSaveSize());
    ShowRowValues(row);
    // A chosen row that no longer fits the image is chosen no more.
    if (row == m_selected && !IsRowSelectable(row))
        m_selected = -1;
    ShowSelection();
}

// A value typed just before the dialog is left by a key counts as one whose
// edit has let go of the focus.
void CDlgClipHistory::CommitFocusedEdge()
{
    CWnd* focus = GetFocus();
    if (!focus)
        return;
    const int edit = focus->GetDlgCtrlID() - IDC_CLIP_HISTORY_EDIT_FIRST;
    if (GetDlgItem(focus->GetDlgCtrlID()) != focus || edit < 0 ||
        edit >= kClipHistoryRowCount * kClipHistoryFieldCount)
        return;
    const int field = edit % kClipHistoryFieldCount;
    if (field < kFieldWidth)
        OnEdgeKillFocus(edit / kClipHistoryFieldCount, field);
}
