// The save page of the clip-mode option sheet: the default format, the JPEG
// quality, interpolation when the size changes, and automatic file names
// (front text, serial, date or letter, digits) with an example.
#pragma once

#include "imaging/preset_font.h"
#include "options/option_page.h"
#include "res/dialog_342_option_save.h"

#include <QString>

class CDlgOpOptionSave : public COptionPage {
public:
    enum { IDD = IDD_OPTION_SAVE };

    CDlgOpOptionSave();

    void Load(const AppSettingsRecord& settings) override;
    void Store(AppSettingsRecord& settings) const override;
    int FirstControlId() const override { return IDC_OPTSAVE_SHOW_QUALITY; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT pos, CWnd* bar) override;

private:
    BYTE m_defSaveFormat = 1;
    BYTE m_jpegQuality = 1;
    int m_showQualityDlg = 0;
    int m_imageComplement = 0;
    int m_makeFilenameAuto = 0;
    int m_makeFilenameOnlyCapture = 0;
    int m_makeFilenameHowto = 0;
    int m_makeFilenameDigit = 0;
    int m_makeFilenameExcludeSameFile = 0;
    QString m_makeFilenameFrontStr;
    CPresetFont m_exampleFont{10};
    // Set while the page itself puts a text into the front-text edit.
    bool m_settingFrontText = false;

    bool OnRadioClicked(int id);
    void ShowRadios();
    void ApplyEnableRules();
    void ShowExample();
    void ShowQuality();
    void OnQualityEdited();
    void OnFrontTextChanged();
    void SetFrontText(const QString& text);
};
