// Opening the clip history dialog: the stage is switched to draw a previewed
// row as a highlighted wheel range, the history is loaded into the rows, and
// the row of the last clipped range is chosen when it fits the image.
#include "clip/clip_history_dialog.h"

#include "clip/clip_history_rules.h"
#include "core/histories.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"

namespace {

constexpr int kWheelMethod = 3;

}  // namespace

CDlgClipHistory::CDlgClipHistory(CWnd* parent) : CDialog(&kDialog199ClipHistory, parent)
{
}

CDlgClipHistory::~CDlgClipHistory()
{
    // Gone without closing (the application ended): the stage still gets its view back.
    if (GetSafeHwnd())
        DestroyWindow();
    FreeCloseImage();
    if (m_viewStateChanged)
        RestoreViewState();
}

BOOL CDlgClipHistory::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_shown = false;
    m_closing = false;
    EnterPreviewViewState();
    LoadHistory();
    if (CWnd* check = GetDlgItem(IDC_CLIP_HISTORY_SAVE_CHECK))
        check->ShowWindow(SW_HIDE);
    CheckRadioButton(IDC_CLIP_HISTORY_POLICY_NEVER, IDC_CLIP_HISTORY_POLICY_ON_SAVE,
        IDC_CLIP_HISTORY_POLICY_NEVER + m_policy);
    for (int row = 0; row < kClipHistoryRowCount; ++row) {
        ShowRowValues(row);
        ShowProtection(row);
    }
    LoadCloseImage();
    m_selected = FindClipHistoryRow(m_rows, AppSettings.PrevSaveRect);
    if (m_selected >= 0 && !IsRowSelectable(m_selected))
        m_selected = -1;
    ShowSelection();
    return TRUE;
}

void CDlgClipHistory::EnterPreviewViewState()
{
    m_saved.rangeSelectMethod = g_nRangeSelectMethod;
    m_saved.stageMode = g_nStageMode;
    m_saved.viewRangeCorr = AppSettings.ViewRangeCorr;
    m_saved.highlightZoomAreaWheel = AppSettings.HighlightZoomAreaWheel;
    m_viewStateChanged = true;
    // The stage draws the previewed row as the highlighted range of a wheel selection.
    g_nRangeSelectMethod = kWheelMethod;
    SetStageMode(kStageModeSelecting);
    AppSettings.ViewRangeCorr = 0;
    if (AppSettings.HighlightZoomAreaWheel == 0)
        AppSettings.HighlightZoomAreaWheel = 1;
}

void CDlgClipHistory::RestoreViewState()
{
    g_nRangeSelectMethod = m_saved.rangeSelectMethod;
    SetStageMode(m_saved.stageMode);
    AppSettings.ViewRangeCorr = m_saved.viewRangeCorr;
    AppSettings.HighlightZoomAreaWheel = m_saved.highlightZoomAreaWheel;
    m_viewStateChanged = false;
}

void CDlgClipHistory::LoadHistory()
{
    const ClipHistoryRects history = LoadClipHistory();
    for (int row = 0; row < kClipHistoryRowCount; ++row)
        m_rows[row] = history.entries[row];
    m_protect = history.protect;
    m_policy = AppSettings.ClipHistory <= 2 ? AppSettings.ClipHistory : 1;
}

BOOL CDlgClipHistory::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    // Once it closes, nothing its controls say (an edit losing the focus as
    // the dialog goes, a posted click) changes the history or the stage.
    if (m_closing)
        return TRUE;
    const int select = id - IDC_CLIP_HISTORY_SELECT_FIRST;
    if (select >= 0 && select < kClipHistoryRowCount && code == BN_CLICKED) {
        OnSelectRow(select);
        return TRUE;
    }
    const int protect = id - IDC_CLIP_HISTORY_PROTECT_FIRST;
    if (protect >= 0 && protect < kClipHistoryRowCount && code == BN_CLICKED) {
        OnProtectRow(protect);
        return TRUE;
    }
    const int edit = id - IDC_CLIP_HISTORY_EDIT_FIRST;
    if (edit >= 0 && edit < kClipHistoryRowCount * kClipHistoryFieldCount && code == EN_KILLFOCUS) {
        const int field = edit % kClipHistoryFieldCount;
        if (field < kFieldWidth)
            OnEdgeKillFocus(edit / kClipHistoryFieldCount, field);
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_CLIP_HISTORY_POLICY_NEVER:
        case IDC_CLIP_HISTORY_POLICY_ON_CLIP:
        case IDC_CLIP_HISTORY_POLICY_ON_SAVE:
            m_policy = static_cast<BYTE>(id - IDC_CLIP_HISTORY_POLICY_NEVER);
            return TRUE;
        case IDC_CLIP_HISTORY_SAVE_CHECK:
            m_policy = static_cast<BYTE>(IsDlgButtonChecked(IDC_CLIP_HISTORY_SAVE_CHECK));
            return TRUE;
        case IDC_CLIP_HISTORY_CLOSE_FIXED:
            OnCloseInFixedMode();
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}
