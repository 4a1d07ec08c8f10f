#include "options/option_save_page.h"

#include "options/option_value_rules.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog_data_exchange.h"
#include "platform/dialog/msgbox.h"
#include "platform/system/kernel.h"

namespace {

// The format radios by DefSaveFormat 1..5.
constexpr int kFormatRadios[] = {
    IDC_OPTSAVE_BMP, IDC_OPTSAVE_JPEG, IDC_OPTSAVE_TIFF, IDC_OPTSAVE_GIF, IDC_OPTSAVE_PNG};
// The name-kind radios by MakeFilenameHowto 0..2.
constexpr int kKindRadios[] = {IDC_OPTSAVE_SERIAL, IDC_OPTSAVE_DATE, IDC_OPTSAVE_LETTER};
// The digit radios by MakeFilenameDigit 3..5.
constexpr int kDigitRadios[] = {IDC_OPTSAVE_DIGITS_3, IDC_OPTSAVE_DIGITS_4, IDC_OPTSAVE_DIGITS_5};

}  // namespace

CDlgOpOptionSave::CDlgOpOptionSave() : COptionPage(&kDialog342OptionSave)
{
}

void CDlgOpOptionSave::Load(const AppSettingsRecord& s)
{
    m_defSaveFormat = s.DefSaveFormat;
    m_jpegQuality = s.JpegQuality;
    m_showQualityDlg = s.ShowQualityDlg;
    m_imageComplement = s.ImageComplement;
    m_makeFilenameAuto = s.MakeFilenameAuto;
    m_makeFilenameOnlyCapture = s.MakeFilenameOnlyCapture;
    m_makeFilenameHowto = s.MakeFilenameHowto;
    m_makeFilenameDigit = s.MakeFilenameDigit;
    m_makeFilenameExcludeSameFile = s.MakeFilenameExcludeSameFile;
    m_makeFilenameFrontStr = s.MakeFilenameFrontStr;
}

void CDlgOpOptionSave::Store(AppSettingsRecord& s) const
{
    s.DefSaveFormat = m_defSaveFormat;
    s.JpegQuality = m_jpegQuality;
    s.ShowQualityDlg = m_showQualityDlg;
    s.ImageComplement = m_imageComplement;
    s.MakeFilenameAuto = m_makeFilenameAuto;
    s.MakeFilenameOnlyCapture = m_makeFilenameOnlyCapture;
    s.MakeFilenameHowto = m_makeFilenameHowto;
    s.MakeFilenameDigit = m_makeFilenameDigit;
    s.MakeFilenameExcludeSameFile = m_makeFilenameExcludeSameFile;
    s.MakeFilenameFrontStr = m_makeFilenameFrontStr;
}

BOOL CDlgOpOptionSave::OnInitDialog()
{
    COptionPage::OnInitDialog();
    if (CWnd* overwrite = GetDlgItem(IDC_OPTSAVE_OVERWRITE_SAME))
        overwrite->ShowWindow(SW_HIDE);
    SetUpSlider(IDC_OPTSAVE_QUALITY_SLIDER, 1, 100, 10, 5, m_jpegQuality);
    ShowQuality();
    m_defSaveFormat = NormalSaveFormat(m_defSaveFormat);
    ShowRadios();
    CheckDlgButton(IDC_OPTSAVE_SHOW_QUALITY, m_showQualityDlg == 1 ? 1 : 0);
    CheckDlgButton(IDC_OPTSAVE_AUTO_NAME, m_makeFilenameAuto == 1 ? 1 : 0);
    CheckDlgButton(IDC_OPTSAVE_ONLY_CAPTURE, m_makeFilenameOnlyCapture == 1 ? 1 : 0);
    ApplyEnableRules();
    SetFrontText(m_makeFilenameFrontStr);
    m_exampleFont.CreateFont();
    if (CWnd* example = GetDlgItem(IDC_OPTSAVE_EXAMPLE))
        example->SetFont(m_exampleFont.GetFont());
    ShowExample();
    if (CWnd* onlyCapture = GetDlgItem(IDC_OPTSAVE_ONLY_CAPTURE))
        onlyCapture->ShowWindow(SW_HIDE);
    return TRUE;
}

void CDlgOpOptionSave::ShowRadios()
{
    for (int i = 0; i < 5; ++i)
        CheckDlgButton(kFormatRadios[i], m_defSaveFormat == i + 1 ? 1 : 0);
    CheckDlgButton(IDC_OPTSAVE_INTERPOLATE, m_imageComplement == 1 ? 1 : 0);
    CheckDlgButton(IDC_OPTSAVE_NO_INTERPOLATE, m_imageComplement == 1 ? 0 : 1);
    const int kind = m_makeFilenameHowto == 0 || m_makeFilenameHowto == 1 ? m_makeFilenameHowto : 2;
    const int digits = m_makeFilenameDigit == 3 || m_makeFilenameDigit == 4 ? m_makeFilenameDigit : 5;
    for (int i = 0; i < 3; ++i) {
        CheckDlgButton(kKindRadios[i], kind == i ? 1 : 0);
        CheckDlgButton(kDigitRadios[i], digits == i + 3 ? 1 : 0);
    }
}

void CDlgOpOptionSave::ApplyEnableRules()
{
    const bool automatic = m_makeFilenameAuto == 1;
    for (int id : {IDC_OPTSAVE_SERIAL, IDC_OPTSAVE_DATE, IDC_OPTSAVE_LETTER, IDC_OPTSAVE_ONLY_CAPTURE,
             IDC_OPTSAVE_FRONT_TEXT, IDC_OPTSAVE_EXAMPLE})
        EnableControl(id, automatic);
    for (int id : kDigitRadios)
        EnableControl(id, automatic && m_makeFilenameHowto == 0);
}

void CDlgOpOptionSave::ShowExample()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    SetDlgItemText(IDC_OPTSAVE_EXAMPLE,
        FileNameExample(m_makeFilenameFrontStr, m_makeFilenameHowto, m_makeFilenameDigit, now));
}

void CDlgOpOptionSave::ShowQuality()
{
    SetDlgItemText(IDC_OPTSAVE_QUALITY_EDIT, QString::number(m_jpegQuality));
}

BOOL CDlgOpOptionSave::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    switch (HIWORD(wParam)) {
    case BN_CLICKED:
        if (id == IDC_OPTSAVE_SHOW_QUALITY) {
            m_showQualityDlg = m_showQualityDlg == 1 ? 0 : 1;
            CheckDlgButton(id, m_showQualityDlg);
            return TRUE;
        }
        if (id == IDC_OPTSAVE_AUTO_NAME) {
            m_makeFilenameAuto = IsDlgButtonChecked(id) == 1 ? 1 : 0;
            ApplyEnableRules();
            return TRUE;
        }
        if (id == IDC_OPTSAVE_ONLY_CAPTURE) {
            m_makeFilenameOnlyCapture = IsDlgButtonChecked(id) == 1 ? 1 : 0;
            return TRUE;
        }
        if (OnRadioClicked(id))
            return TRUE;
        break;
    case EN_KILLFOCUS:
        if (id == IDC_OPTSAVE_QUALITY_EDIT) {
            OnQualityEdited();
            return TRUE;
        }
        break;
    case EN_CHANGE:
        if (id == IDC_OPTSAVE_FRONT_TEXT) {
            OnFrontTextChanged();
            return TRUE;
        }
        break;
    default:
        break;
    }
    return COptionPage::OnCommand(wParam, lParam);
}

bool CDlgOpOptionSave::OnRadioClicked(int id)
{
    for (int i = 0; i < 5; ++i)
        if (id == kFormatRadios[i]) {
            m_defSaveFormat = static_cast<BYTE>(i + 1);
            ShowRadios();
            return true;
        }
    if (id == IDC_OPTSAVE_INTERPOLATE || id == IDC_OPTSAVE_NO_INTERPOLATE) {
        m_imageComplement = id == IDC_OPTSAVE_INTERPOLATE ? 1 : 0;
        ShowRadios();
        return true;
    }
    for (int i = 0; i < 3; ++i) {
        if (id == kKindRadios[i])
            m_makeFilenameHowto = i;
        else if (id == kDigitRadios[i])
            m_makeFilenameDigit = i + 3;
        else
            continue;
        ShowRadios();
        ApplyEnableRules();
        ShowExample();
        return true;
    }
    return false;
}

void CDlgOpOptionSave::OnHScroll(UINT code, UINT pos, CWnd* bar)
{
    if (bar && bar->GetDlgCtrlID() == IDC_OPTSAVE_QUALITY_SLIDER) {
        m_jpegQuality = static_cast<BYTE>(SliderPos(IDC_OPTSAVE_QUALITY_SLIDER));
        ShowQuality();
        return;
    }
    COptionPage::OnHScroll(code, pos, bar);
}

// The edit takes a byte (0..255) and keeps it within 1..100; other text is
// refused as the data exchange refuses it, and the quality stays.
void CDlgOpOptionSave::OnQualityEdited()
{
    QString text;
    GetDlgItemText(IDC_OPTSAVE_QUALITY_EDIT, text);
    const std::optional<unsigned long long> typed = ParseUnsignedField(text);
    if (!typed || *typed > 255) {
        AfxMessageBox(DataExchangeByteMessage(), MB_ICONEXCLAMATION);
    } else {
        m_jpegQuality = ClampJpegQuality(static_cast<unsigned>(*typed));
        if (auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(IDC_OPTSAVE_QUALITY_SLIDER)))
            slider->SetPos(m_jpegQuality);
    }
    ShowQuality();
}

// A front text longer than 30 characters or with a character no file name
// may hold is refused with a message, and the edit gets the previous text back.
void CDlgOpOptionSave::OnFrontTextChanged()
{
    if (m_settingFrontText)
        return;
    QString text;
    GetDlgItemText(IDC_OPTSAVE_FRONT_TEXT, text);
    text.truncate(kSettingsTextCapacity);
    const FrontTextCheck check = CheckFrontText(text);
    if (check == FrontTextCheck::Accepted) {
        m_makeFilenameFrontStr = text;
    } else {
        AfxMessageBox(FrontTextMessage(check));
        SetFrontText(m_makeFilenameFrontStr);
    }
    ShowExample();
}

void CDlgOpOptionSave::SetFrontText(const QString& text)
{
    m_settingFrontText = true;
    SetDlgItemText(IDC_OPTSAVE_FRONT_TEXT, text);
    m_settingFrontText = false;
}
