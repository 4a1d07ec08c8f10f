#include "options/option_scroll_capture_page.h"

#include "options/option_value_rules.h"
#include "platform/dialog/dialog_data_exchange.h"
#include "platform/dialog/msgbox.h"

namespace {

struct RadioValue {
    int id;
    BYTE value;
};

constexpr RadioValue kDoRadios[] = {
    {IDC_OPTSCROLL_ALWAYS, 1},
    {IDC_OPTSCROLL_ASK, 2},
    {IDC_OPTSCROLL_NEVER, 0},
};

constexpr RadioValue kAfterRadios[] = {
    {IDC_OPTSCROLL_SHOW_WHOLE, 1},
    {IDC_OPTSCROLL_SHOW_AREA, 2},
    {IDC_OPTSCROLL_CLIP_WHOLE, 3},
    {IDC_OPTSCROLL_CLIP_AREA, 4},
    {IDC_OPTSCROLL_FIXED_AREA, 5},
};

}  // namespace

CDlgOpOptionScrollCapture::CDlgOpOptionScrollCapture() : COptionPage(&kDialog271OptionScrollCapture)
{
}

void CDlgOpOptionScrollCapture::Load(const AppSettingsRecord& s)
{
    m_scrollWait = s.ScrollWait;
    m_doScrollCapture = s.DoScrollCapture;
    m_afterScrollBehave = s.AfterScrollBehave;
    m_ambiguousLeve = s.AmbiguousLeve;
    m_matchLineNum = s.MatchLineNum;
}

void CDlgOpOptionScrollCapture::Store(AppSettingsRecord& s) const
{
    s.ScrollWait = m_scrollWait;
    s.DoScrollCapture = m_doScrollCapture;
    s.AfterScrollBehave = m_afterScrollBehave;
    s.AmbiguousLeve = m_ambiguousLeve;
    s.MatchLineNum = m_matchLineNum;
}

BOOL CDlgOpOptionScrollCapture::OnInitDialog()
{
    COptionPage::OnInitDialog();
    ShowRadios();
    SetUpSlider(IDC_OPTSCROLL_AMBIGUOUS, 0, 5, 1, 1, m_ambiguousLeve);
    SetUpSlider(IDC_OPTSCROLL_MATCH_LINES, 50, 350, 50, 50, m_matchLineNum);
    SetDlgItemText(IDC_OPTSCROLL_WAIT, QString::number(m_scrollWait));
    return TRUE;
}

// A value without a radio leaves its group unchecked.
void CDlgOpOptionScrollCapture::ShowRadios()
{
    for (const RadioValue& radio : kDoRadios)
        CheckDlgButton(radio.id, m_doScrollCapture == radio.value ? 1 : 0);
    for (const RadioValue& radio : kAfterRadios)
        CheckDlgButton(radio.id, m_afterScrollBehave == radio.value ? 1 : 0);
}

BOOL CDlgOpOptionScrollCapture::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == EN_KILLFOCUS && id == IDC_OPTSCROLL_WAIT) {
        OnWaitEdited();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED) {
        for (const RadioValue& radio : kDoRadios)
            if (radio.id == id) {
                m_doScrollCapture = radio.value;
                ShowRadios();
                return TRUE;
            }
        for (const RadioValue& radio : kAfterRadios)
            if (radio.id == id) {
                m_afterScrollBehave = radio.value;
                ShowRadios();
                return TRUE;
            }
    }
    return COptionPage::OnCommand(wParam, lParam);
}

void CDlgOpOptionScrollCapture::OnHScroll(UINT code, UINT pos, CWnd* bar)
{
    const int id = bar ? bar->GetDlgCtrlID() : 0;
    if (id == IDC_OPTSCROLL_AMBIGUOUS)
        m_ambiguousLeve = static_cast<BYTE>(SliderPos(id));
    else if (id == IDC_OPTSCROLL_MATCH_LINES)
        m_matchLineNum = SliderPos(id);  // may stop between the ticks
    else
        COptionPage::OnHScroll(code, pos, bar);
}

// The wait is kept within 5..500 ms; text that is no number is refused as the
// data exchange refuses it, and the wait stays.
void CDlgOpOptionScrollCapture::OnWaitEdited()
{
    QString text;
    GetDlgItemText(IDC_OPTSCROLL_WAIT, text);
    if (const std::optional<long long> typed = ParseSignedField(text))
        m_scrollWait = ClampScrollWait(*typed);
    else
        AfxMessageBox(DataExchangeIntMessage(), MB_ICONEXCLAMATION);
    SetDlgItemText(IDC_OPTSCROLL_WAIT, QString::number(m_scrollWait));
}
