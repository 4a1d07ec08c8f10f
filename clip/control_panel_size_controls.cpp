// The wheel range's size, its step and the wait before a capture, as the
// panel's edits, spins and combo boxes show and take them.
#include "clip/control_panel.h"

#include "clip/stage_messages.h"
#include "core/settings/app_settings.h"
#include "core/waits.h"

#include <algorithm>

namespace {

int NumberOf(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

}  // namespace

void CDlgControlWindow::RefreshControls()
{
    SetDlgItemInt(IDC_PANEL_WIDTH, static_cast<UINT>(m_rangeWidth));
    SetDlgItemInt(IDC_PANEL_HEIGHT, static_cast<UINT>(m_rangeHeight));
    SetDlgItemInt(IDC_PANEL_STEP_EDIT, static_cast<UINT>(m_step));
    SetDlgItemText(IDC_PANEL_STEP, QString::number(m_stepComboValue));
    SetDlgItemText(IDC_PANEL_WAIT, WaitText(m_waitMs));
    SetDlgItemText(IDC_PANEL_START, m_startText);
    SetDlgItemText(IDC_PANEL_SIZE, m_sizeText);
    SetDlgItemText(IDC_PANEL_END, m_endText);
    SetDlgItemText(IDC_PANEL_COLOR_TEXT, m_colorText);
}

void CDlgControlWindow::ReadControls()
{
    QString text;
    GetDlgItemText(IDC_PANEL_WIDTH, text);
    m_rangeWidth = NumberOf(text);
    GetDlgItemText(IDC_PANEL_HEIGHT, text);
    m_rangeHeight = NumberOf(text);
}

void CDlgControlWindow::EnableSizeControls(bool enable)
{
    const bool sizes = enable && AppSettings.FixSaveArea != 1;
    for (int id : PanelSizeControls())
        EnableControl(id, sizes);
}

void CDlgControlWindow::OnSizeEditKillFocus(int edit)
{
    const bool width = edit == IDC_PANEL_WIDTH;
    ReadControls();
    if (StageHasImage()) {
        int& value = width ? m_rangeWidth : m_rangeHeight;
        value = std::clamp(value, AppSettings.MinSaveSize,
            std::max(AppSettings.MinSaveSize,
                width ? AppSettings.MaxSaveSizeWidth : AppSettings.MaxSaveSizeHeight));
        const int side = width ? 1 : 2;
        if (m_aspect) {
            // The linked side is derived first, so that the stage and the
            // next selection get the size the panel shows.
            if (m_sizeLink == 1) {
                const int other = m_aspect->SetKeepRatio(side, value);
                if (other != -1)
                    (width ? m_rangeHeight : m_rangeWidth) = other;
            } else {
                m_aspect->Set(side, value);
            }
        }
        SendToStage(WM_STAGE_SET_WHEEL_RANGE, static_cast<WPARAM>(m_rangeWidth), m_rangeHeight);
    }
    RefreshControls();
    AppSettings.ClipHorSize = m_rangeWidth;
    AppSettings.ClipVerSize = m_rangeHeight;
}

void CDlgControlWindow::OnSpinDelta(int spin, int delta)
{
    if (spin == IDC_PANEL_STEP_SPIN) {
        m_step = static_cast<BYTE>(m_step - delta);
        SetDlgItemInt(IDC_PANEL_STEP_EDIT, static_cast<UINT>(m_step));
        OnStepEditKillFocus();
        return;
    }
    // The up arrow proposes a negative change and adds the step.
    const int change = delta < 0 ? m_step : -m_step;
    const bool width = spin == IDC_PANEL_WIDTH_SPIN;
    int& value = width ? m_rangeWidth : m_rangeHeight;
    value += change;
    // The edit shows the new value before its lost-focus rule reads it back.
    SetDlgItemInt(width ? IDC_PANEL_WIDTH : IDC_PANEL_HEIGHT, static_cast<UINT>(std::max(value, 0)));
    OnSizeEditKillFocus(width ? IDC_PANEL_WIDTH : IDC_PANEL_HEIGHT);
}

void CDlgControlWindow::OnStepEditKillFocus()
{
    QString text;
    GetDlgItemText(IDC_PANEL_STEP_EDIT, text);
    m_step = ClampStep(NumberOf(text));
    AppSettings.ClipIncVolume = static_cast<BYTE>(m_step);
}

void CDlgControlWindow::OnStepSelChange()
{
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(IDC_PANEL_STEP));
    if (!combo)
        return;
    const int index = combo->GetCurSel();
    if (index < 0)
        return;
    QString entry;
    combo->GetLBText(index, entry);
    int value = m_stepComboValue;
    if (entry == kSelectAllEntry)
        SendToStage(WM_STAGE_SELECT_ALL);
    else
        value = NumberOf(entry);
    combo->SetWindowText(QString::number(ClampStep(value)));
    OnStepKillFocus();
}

void CDlgControlWindow::OnStepKillFocus()
{
    QString text;
    GetDlgItemText(IDC_PANEL_STEP, text);
    m_step = ClampStep(NumberOf(text));
    m_stepComboValue = m_step;
    AppSettings.ClipIncVolume = static_cast<BYTE>(m_step);
}

void CDlgControlWindow::FillStepPresets(int imageWidth, int imageHeight)
{
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(IDC_PANEL_STEP));
    if (!combo)
        return;
    combo->ResetContent();
    combo->LimitText(kStepTextLimit);
    for (const QString& entry : StepPresets(imageWidth, imageHeight))
        combo->AddString(entry);
    m_stepComboValue = m_step;
    combo->SetWindowText(QString::number(m_step));
}

void CDlgControlWindow::SetSelectAllEntry(bool present)
{
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(IDC_PANEL_STEP));
    if (!combo)
        return;
    const int index = combo->FindStringExact(-1, kSelectAllEntry);
    if (present && index == CB_ERR)
        combo->AddString(kSelectAllEntry);
    else if (!present && index != CB_ERR)
        combo->DeleteString(static_cast<UINT>(index));
}

void CDlgControlWindow::FillWaitPresets()
{
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(IDC_PANEL_WAIT));
    if (!combo)
        return;
    combo->ResetContent();
    for (const QString& entry : WaitPresets())
        combo->AddString(entry);
    combo->SetWindowText(WaitText(m_waitMs));
}

void CDlgControlWindow::OnWaitChosen()
{
    m_waitMs = GetWaitTimeFromEdit(GetDlgItem(IDC_PANEL_WAIT));
    AppSettings.WaitForCapture = static_cast<WORD>(m_waitMs);
    SetDlgItemText(IDC_PANEL_WAIT, WaitText(m_waitMs));
}

void CDlgControlWindow::OnSizeLink()
{
    m_sizeLink = m_sizeLink == 1 ? 0 : 1;
    ShowLinkImage();
}

void CDlgControlWindow::OnCaptureCursor()
{
    AppSettings.CaptureMouseCursor = AppSettings.CaptureMouseCursor == 1 ? 0 : 1;
    CheckDlgButton(IDC_PANEL_CAPTURE_CURSOR, AppSettings.CaptureMouseCursor == 1 ? 1 : 0);
}
