// The panel's folder: the combo box with its history, the folder dialog, the
// switch to a folder and the load request that hands the folder to the stage.
#include "multiview/multi_control_window.h"

#include "core/combo_helpers.h"
#include "core/file_dialogs.h"
#include "core/file_queries.h"
#include "core/file_types.h"
#include "core/multi_view_messages.h"
#include "platform/dialog/msgbox.h"

#include <QDir>

namespace {

// Why the history rule refused a folder.
enum class HistoryRefusal { None, Missing, Shown };

}  // namespace

CComboBox* CDlgMultiControlWindow::FolderCombo() const
{
    return dynamic_cast<CComboBox*>(GetDlgItem(IDC_MULTICTL_FOLDER));
}

void CDlgMultiControlWindow::FillFolderCombo()
{
    CComboBox* combo = FolderCombo();
    if (!combo)
        return;
    combo->ResetContent();
    for (const QString& folder : m_history)
        if (!folder.isEmpty())
            combo->AddString(folder);
    if (combo->GetCount() > 0)
        combo->SetCurSel(0);
}

static HistoryRefusal CheckHistoryFolder(QString& folder, const QString& shown)
{
    if (folder.isEmpty())
        return HistoryRefusal::Missing;
    if (!FolderExists(folder))
        return HistoryRefusal::Missing;
    if (folder == shown)
        return HistoryRefusal::Shown;
    return HistoryRefusal::None;
}

bool CDlgMultiControlWindow::UpdateFolderHistory(QString& folder)
{
    if (CheckHistoryFolder(folder, StageFolder()) != HistoryRefusal::None)
        return false;
    MoveFolderToHistoryFront(m_history, folder);
    FillFolderCombo();
    return true;
}

bool CDlgMultiControlWindow::SwitchToFolder(const QString& path, bool showMissing, bool force)
{
    QString folder = path;
    const HistoryRefusal refusal = CheckHistoryFolder(folder, StageFolder());
    if (refusal != HistoryRefusal::None) {
        // Only a folder that is really not there is called missing; the
        // folder shown already is simply left as it is.
        if (showMissing && refusal == HistoryRefusal::Missing)
            AfxMessageBox(QStringLiteral("指定されたフォルダは存在しません。"));
        return false;
    }
    MoveFolderToHistoryFront(m_history, folder);
    FillFolderCombo();
    if (CComboBox* combo = FolderCombo())
        combo->SetWindowText(folder);
    RequestFolderLoad(FolderLoadKind::ComboTextToHistory, force);
    return true;
}

void CDlgMultiControlWindow::RequestFolderLoad(FolderLoadKind kind, bool force)
{
    CComboBox* combo = FolderCombo();
    if (!combo)
        return;
    QString folder;
    if (kind == FolderLoadKind::ListItem)
        combo->GetLBText(combo->GetCurSel(), folder);
    else
        folder = combo->GetWindowText();
    if (kind == FolderLoadKind::ComboTextToHistory) {
        QString taken = folder;
        if (UpdateFolderHistory(taken)) {
            folder = taken;
            combo->SetWindowText(folder);
        }
    }

    const bool exists = !folder.isEmpty() && FolderExists(folder);
    if (!exists) {
        SetDisplayState(kMultiDisplayFinished);
        EnableItem(IDC_MULTICTL_LOAD_STOP, false);
        AfxMessageBox(QStringLiteral("指定のフォルダは存在しません。"));
    }
    MoveComboToItsPlace();
    if (!StageWindow() || !exists)
        return;
    if (folder == StageFolder() && StageFileCount() > 0 && !force)
        return;

    // A new folder starts unsorted; the date order is built first.
    m_sortKey = kSortNone;
    m_descending = 0;
    SetStageListOrder(m_sortKey, m_descending);
    SetDisplayState(kMultiDisplayLoading);
    ResetSortRadios();
    CheckDlgButton(IDC_MULTICTL_DESCENDING, m_descending ? 1 : 0);

    m_requestFolder = folder;
    PostToStage(WM_MULTI_FOLDER_CHANGED, reinterpret_cast<WPARAM>(&m_requestFolder),
        static_cast<LPARAM>(SortBitsOfKey(m_sortKey)));
    m_changed = false;
    StartFolderWatch(folder);
}

void CDlgMultiControlWindow::MoveComboToItsPlace()
{
    // The combo box is put back where the template has it (a drop-down list
    // fitted to long folder names may have moved it).
    if (CComboBox* combo = FolderCombo(); combo && m_rcCombo.right > m_rcCombo.left)
        combo->MoveWindow(&m_rcCombo);
}

void CDlgMultiControlWindow::OnFolderCombo(UINT code)
{
    switch (code) {
    case CBN_EDITCHANGE:
        m_comboEdited = true;
        break;
    case CBN_KILLFOCUS:
        if (m_comboEdited) {
            m_comboEdited = false;
            RequestFolderLoad(FolderLoadKind::ComboTextToHistory, false);
        }
        break;
    case CBN_CLOSEUP:
        if (CComboBox* combo = FolderCombo()) {
            m_comboEdited = false;
            combo->SetCurSel(combo->GetCurSel());
            RequestFolderLoad(FolderLoadKind::ComboTextToHistory, false);
        }
        break;
    case CBN_SETFOCUS:
        FitComboDropSize(this, FolderCombo());
        break;
    default:
        break;
    }
}

void CDlgMultiControlWindow::OnFolderDialog()
{
    m_comboEdited = false;
    // The workers wait while the dialog reads the disk.
    SendToStage(WM_MULTI_SUSPEND_WORKERS);
    QString folder = m_history[0];
    const int chosen = BrowseForFolder(GetSafeHwnd(), folder, QStringLiteral("フォルダの選択"));
    SendToStage(WM_MULTI_RESUME_WORKERS);
    if (chosen == 1)
        SwitchToFolder(folder, false, false);
}

LRESULT CDlgMultiControlWindow::OnSetFolder(const QString* folder)
{
    if (!folder || folder->isEmpty())
        return 0;
    // Switched to only when some entry of it has an image file's extension.
    const QStringList entries =
        QDir(*folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : entries) {
        if (GetImageTypeOfPath(name) != kImageTypeNone) {
            SwitchToFolder(*folder, false, true);
            return 1;
        }
    }
    return 0;
}
