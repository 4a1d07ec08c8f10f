// The work-folder dialog (template 198), modal. It keeps ten named work
// folders: choosing one makes it the current folder of the open and save
// dialogs (LastAccessDir) and of the file tree (TreeLastDir). A folder is
// typed into its box or browsed for with "設定"; only a folder that exists
// can be chosen. It also holds the switch that lets the open and save
// dialogs record their folders into the folder history. "閉じる", Esc and
// the close box all store the folders, the choice and the switch, together
// with a path still being typed when the dialog is left; each change is
// stored at once as well, for a program that ends while the dialog is open.
#pragma once

#include "platform/dialog/dialog.h"
#include "res/dialog_198_work_folder.h"

#include <QString>

// The warnings of the dialog; any other code reads "未定義の警告".
enum WorkFolderWarning : int {
    kWarnChosenFolderMissing = 1,
    kWarnFolderRegistered,
    kWarnTypedFolderMissing,
    kWarnPathTooLong,
};
QString WorkFolderWarningText(int code);

// A typed path of this many characters or more is refused.
inline constexpr int kTypedFolderPathLimit = 260;

// The first slot whose path is the folder LastAccessDir names (one trailing
// '/' aside; exact, case-sensitive), -1 when none or when it is empty.
int FindCurrentWorkFolder(const QString (&folders)[kWorkFolderRowCount], const QString& lastAccessDir);

// What a folder browsed for slot `slot` does: fills the slot, is there
// already in that slot, or is registered in another slot.
enum class BrowsedFolderPlace { Store, InOwnSlot, InOtherSlot };
BrowsedFolderPlace PlaceBrowsedFolder(
    const QString (&folders)[kWorkFolderRowCount], int slot, const QString& folder);

class CDlgWorkFolder : public CDialog {
public:
    enum { IDD = IDD_WORK_FOLDER };  // 198
    explicit CDlgWorkFolder(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;
    void OnShowWindow(BOOL show, UINT status) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool m_bHistory = false;  // FolderHistory
    int m_nIndex = 0;         // WorkFolderIndex; 10 or more: none
    QString m_folders[kWorkFolderRowCount];
    bool m_bQuiet = false;    // the dialog moves the focus itself: no warnings
    bool m_bWarning = false;  // a warning is up: the focus it takes is not the user's
    bool m_bShown = false;
    bool m_bClosing = false;

    void LoadSettings();
    void OnFirstShowing();
    void ShowCurrentFolder();
    // Enables slot's choose button when its path is a folder; true then.
    bool EnableChoice(int slot);
    void OnChooseFolder(int slot);
    void OnBrowseFolder(int slot);
    void OnFolderKillFocus(int slot);
    void CommitFocusedFolder();
    void Warn(int code);
    void Close(int result);
    void StoreSettings() const;
};
