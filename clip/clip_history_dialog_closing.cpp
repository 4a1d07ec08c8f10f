// Leaving the clip history dialog. Every way out stores the history and
// gives the stage its view back; button 1112 first makes the chosen row the
// panel's fixed range and asks the panel to start the wheel selection.
#include "clip/clip_history_dialog.h"

#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "core/histories.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "platform/controls/controls.h"
#include "platform/gdi/resource_bitmaps.h"

namespace {

constexpr int kCloseImageScale1 = 218;
constexpr int kCloseImageScale2 = 312;

}  // namespace

// The pictures live in a static library: their resource data is linked in
// only when named (outside any namespace, as the resource system needs).
static void InitClipHistoryResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(clip_history_bitmaps);
        return true;
    }();
    (void)once;
}

void CDlgClipHistory::OnOK()
{
    Close(IDOK);
}

void CDlgClipHistory::OnCancel()
{
    Close(IDCANCEL);
}

void CDlgClipHistory::OnCloseInFixedMode()
{
    if (m_closing)
        return;
    // This button takes no focus from an edit when clicked: the edit's value is checked here.
    CommitFocusedEdge();
    if (m_selected < 0)
        return;
    // The row as it stands in the edits, which the closing stores too.
    RECT r = m_rows[m_selected];
    ::SendMessage(PanelWindow(), WM_CLIPCTL_FIX_RANGE, reinterpret_cast<WPARAM>(&r), 0);
    // Both are posted: they run once the closing below has given back the
    // view state, so the panel's wheel selection is not undone by it.
    ::PostMessage(PanelWindow(), WM_COMMAND, MAKEWPARAM(IDC_PANEL_WHEEL_RANGE, BN_CLICKED), 0);
    ::PostMessage(StageWindow(), WM_STAGE_CENTER_CURSOR, 0, 0);
    Close(IDOK);
}

void CDlgClipHistory::Close(int result)
{
    if (m_closing)
        return;
    CommitFocusedEdge();
    m_closing = true;
    RestoreViewState();
    StoreHistory();
    if (m_selected >= 0 && IsRectWithinMaxImageSize(m_rows[m_selected])) {
        RECT r = m_rows[m_selected];
        ::SendMessage(PanelWindow(), WM_CLIPCTL_SET_PREV_RECT, reinterpret_cast<WPARAM>(&r), 0);
    }
    ::SendMessage(StageWindow(), WM_STAGE_RENDER, 0, 0);
    FreeCloseImage();
    EndDialog(result);
}

void CDlgClipHistory::StoreHistory() const
{
    AppSettings.ClipHistory = m_policy;
    AppSettings.ClipHistoryIndex = m_selected;
    ClipHistoryRects history;
    for (int row = 0; row < kClipHistoryRowCount; ++row)
        history.entries[row] = m_rows[row];
    history.protect = m_protect;
    StoreClipHistory(history);
}

void CDlgClipHistory::OnDestroy()
{
    // Ended some other way than through Close: the stage still gets its view back.
    if (m_viewStateChanged)
        RestoreViewState();
    FreeCloseImage();
    CDialog::OnDestroy();
}

void CDlgClipHistory::LoadCloseImage()
{
    FreeCloseImage();
    InitClipHistoryResources();
    const int id = GetIconScale() == 2 ? kCloseImageScale2 : kCloseImageScale1;
    m_closeImage = LoadBitmapFile(QStringLiteral(":/clip_history/bitmap_%1.png").arg(id));
    if (!m_closeImage)
        return;
    if (auto* button = dynamic_cast<CButton*>(GetDlgItem(IDC_CLIP_HISTORY_CLOSE_FIXED)))
        button->SetBitmap(m_closeImage);
}

void CDlgClipHistory::FreeCloseImage()
{
    if (!m_closeImage)
        return;
    // The button lets go of the picture before the picture goes.
    if (GetSafeHwnd())
        if (auto* button = dynamic_cast<CButton*>(GetDlgItem(IDC_CLIP_HISTORY_CLOSE_FIXED)))
            button->SetBitmap(nullptr);
    DeleteObject(m_closeImage);
    m_closeImage = nullptr;
}
