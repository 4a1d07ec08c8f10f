// The rename dialog (template 356, "ファイル名の変更"): gives the multi
// view's selected files new names, one at a time with a thumbnail of each
// (single mode) or all by one rule (batch mode: a text added at the head or
// the end of the name, or characters deleted from either end). Renames never
// replace a file. Each rename is told to the stage at once
// (WM_MULTI_SET_FILE_NAME); the count of files handled goes to the frame's
// counter, which the frame reads afterwards to refresh the multi view.
//
// The name rules live in rename_rules.h; this class is their wiring.
#pragma once

#include "imaging/preset_font.h"
#include "multiview/rename_rules.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_356_change_file_name.h"

#include <QString>
#include <vector>

class CDlgMultiViewStage;

// The one-shot timer that draws the thumbnail of the current file.
inline constexpr UINT_PTR IDT_RENAME_PREVIEW = 16;

class CDlgChangeFileName : public CDialog {
public:
    enum { IDD = IDD_CHANGE_FILE_NAME };

    // done is the frame's counter of handled files (reset when the dialog
    // opens); stage holds the files and their selection.
    CDlgChangeFileName(CDlgMultiViewStage* stage, int* done, CWnd* parent = nullptr);
    ~CDlgChangeFileName() override;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // For tests: the files to handle, the folder, and the failures so far.
    const std::vector<RenameItem>& Items() const { return m_items; }
    const QString& Folder() const { return m_folder; }
    int Failures() const { return m_failures; }

protected:
    BOOL OnInitDialog() override;
    // Enter executes while the edit has the focus, and does nothing elsewhere.
    void OnOK() override;
    void OnTimer(UINT_PTR id) override;

private:
    // rename_dialog.cpp: opening, layout and choices.
    bool BuildWorkList();
    void ShowChoices();
    void LayoutSingle();
    void LayoutBatch();
    void EnableControls(std::initializer_list<int> ids, bool enable);
    void ShowControl(int id, bool show);
    void PlaceEdit(int width);
    void SwitchMode(int mode);
    void OnSelectionMethod(int method);
    void OnOperation(int operation);
    void OnAddPosition(int position);
    void OnSeparatorChange();
    void OnDeletePosition(int position);

    // rename_dialog_edit.cpp: the edit, the separator and the previews.
    QString EditText() const;
    void SetEditText(const QString& text);
    void ApplySelectionMethod();
    void ResetBatchEdit();
    void PlaceAddCaret();
    void OnEditChanged();
    void OnSingleEditChanged(const QString& text);
    void RefreshBatchPreview();
    void ShowProgress();
    void OnRestoreName();
    void OnCountStep(int delta);
    void DrawThumbnailPreview();
    RenameRule CurrentRule(const QString& text) const;
    const RenameItem* CurrentItem() const;

    // rename_dialog_run.cpp: executing.
    void OnExecute();
    void ExecuteSingle();
    void ExecuteBatch();
    bool ValidateBatch(RenameRule* rule);
    void ReportRenamed(const RenameItem& item, const QString& newName);
    void ShowNextFile();
    void Finish();

    int Next() const { return *m_done; }

    CDlgMultiViewStage* m_stage;
    int* m_done;
    QString m_folder;  // ends with '/'
    std::vector<RenameItem> m_items;
    QString m_lastAccepted;  // single mode: the edit's last accepted text
    bool m_singleWarning = true;
    bool m_batchWarning = true;
    int m_failures = 0;
    // An edit change made by the dialog itself while it puts text back.
    bool m_restoring = false;
    CPresetFont m_editFont{16};
    CPresetFont m_statusFont{15};
};
