// The question a drop copy asks when the target folder already holds a file
// of the dropped file's name (template 362): overwrite it (only when the
// dropped file is newer, with that option), skip it, copy it under another
// name, or stop the copy. "以後、同じ操作で処理を行う。" asks for the same
// answer for the rest of the drop.
//
// OverwriteConflict is the record the copy and the dialog share. The copy
// runs on a worker: the UI thread runs the dialog while the worker waits,
// so the two never use the record at the same time.
#pragma once

#include "imaging/preset_font.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_362_confirm_overwrite.h"

#include <QString>

// The dialog's answers.
enum OverwriteAnswer : int {
    kOverwriteReplace = 1,
    kOverwriteSkip = 2,
    kOverwriteRename = 3,
    kOverwriteStop = 4,
};

// The longest new name the edit takes.
inline constexpr int kOverwriteNameChars = 520;
// A target path this long or longer is refused.
inline constexpr int kOverwritePathLimit = 260;

struct OverwriteConflictRecord {
    QString targetFolder;  // ends with '/'
    // In: the conflicting file's name. Out, after kOverwriteRename (or a
    // kOverwriteReplace of another existing name): the name to copy to.
    QString fileName;
    int applyToAll = 0;  // reset by every drop
    int newerOnly = 1;   // kept for the rest of the run
    BYTE lastResult = 0;
};
extern OverwriteConflictRecord OverwriteConflict;

// Why a typed name cannot be a target in the folder: an empty text when it
// can. Refuses an empty name, ".", "..", a name with a separator or another
// character a file name cannot hold, and a path of 260 characters or more.
QString RefuseOverwriteName(const QString& folder, const QString& name);

class CDlgConfirmOverwriteFile : public CDialog {
public:
    enum { IDD = IDD_CONFIRM_OVERWRITE };

    explicit CDlgConfirmOverwriteFile(CWnd* parent = nullptr);
    ~CDlgConfirmOverwriteFile() override;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The Esc key is swallowed: only the close box stops the copy.
    BOOL PreTranslateMessage(MSG* msg) override;
    bool IsNaming() const { return m_naming; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { }
    // The close box: stop after a question.
    void OnCancel() override;

private:
    void StartNameEntry();
    void ShowChoices();
    void ConfirmName();

    CPresetFont m_font{15};
    bool m_naming = false;
};
