#include "clip/color_adjust_dialog.h"

#include "clip/color_adjust.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/app_state.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "platform/controls/controls.h"
#include "platform/gdi/gdi.h"
#include "platform/window/input_keys.h"

#include <algorithm>

namespace {

constexpr int kChannelBits[kContrastChannels] = {
    CColorAdjust::kRed, CColorAdjust::kGreen, CColorAdjust::kBlue};
constexpr int kSliderIds[kContrastChannels] = {
    IDC_CONTRAST_SLIDER_RED, IDC_CONTRAST_SLIDER_GREEN, IDC_CONTRAST_SLIDER_BLUE};
constexpr int kValueIds[kContrastChannels] = {
    IDC_CONTRAST_VALUE_RED, IDC_CONTRAST_VALUE_GREEN, IDC_CONTRAST_VALUE_BLUE};
constexpr int kSpinIds[kContrastChannels] = {
    IDC_CONTRAST_SPIN_RED, IDC_CONTRAST_SPIN_GREEN, IDC_CONTRAST_SPIN_BLUE};
constexpr int kLinkIds[kContrastChannels] = {
    IDC_CONTRAST_LINK_RED, IDC_CONTRAST_LINK_GREEN, IDC_CONTRAST_LINK_BLUE};
constexpr int kSwatchIds[kContrastChannels] = {
    IDC_CONTRAST_SWATCH_RED, IDC_CONTRAST_SWATCH_GREEN, IDC_CONTRAST_SWATCH_BLUE};
constexpr COLORREF kSwatchColours[kContrastChannels] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
constexpr int kSliderPage = 10;

// The channel whose control has this id, -1 for none.
int ChannelOf(const int (&ids)[kContrastChannels], int id)
{
    const auto* at = std::find(std::begin(ids), std::end(ids), id);
    return at == std::end(ids) ? -1 : static_cast<int>(at - std::begin(ids));
}

int& LinkSetting(int channel)
{
    switch (channel) {
    case 0:
        return AppSettings.LinkRed;
    case 1:
        return AppSettings.LinkGreen;
    default:
        return AppSettings.LinkBlue;
    }
}

}  // namespace

int ClampContrastValue(long long value)
{
    return static_cast<int>(
        std::clamp<long long>(value, -CColorAdjust::kMaxOffset, CColorAdjust::kMaxOffset));
}

ContrastChange ApplyContrastChange(
    const ContrastValues& values, const ContrastLinks& links, int bits, int value)
{
    ContrastChange change{values, ClampContrastValue(value), bits};
    for (int c = 0; c < kContrastChannels; ++c) {
        if ((bits & kChannelBits[c]) == 0 && !links[c])
            continue;
        change.values[c] = change.value;
        change.bits |= kChannelBits[c];
    }
    return change;
}

CDlgContrast::CDlgContrast(CWnd* parent) : CDialog(&kDialog181ColorAdjust, parent)
{
}

HWND CDlgContrast::StageWindow()
{
    return GetAppState().Window(AppWindow::ViewStage);
}

ContrastValues CDlgContrast::StageOffsets() const
{
    const auto* stage = dynamic_cast<const CDlgViewStage*>(CWnd::FromHandle(StageWindow()));
    if (!stage)
        return {};
    const CColorAdjust& adjust = stage->ColorAdjust();
    return {adjust.redOffset, adjust.greenOffset, adjust.blueOffset};
}

ContrastLinks CDlgContrast::Links() const
{
    return {AppSettings.LinkRed == 1, AppSettings.LinkGreen == 1, AppSettings.LinkBlue == 1};
}

BOOL CDlgContrast::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_values = StageOffsets();
    for (int c = 0; c < kContrastChannels; ++c) {
        if (auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(kSliderIds[c]))) {
            slider->SetRange(-CColorAdjust::kMaxOffset, CColorAdjust::kMaxOffset, TRUE);
            slider->SetPos(m_values[c]);
            slider->SetPageSize(kSliderPage);
        }
        CheckDlgButton(kLinkIds[c], LinkSetting(c) == 1 ? 1 : 0);
    }
    PlaceWindow();
    ShowValues();
    PaintSwatches();
    CWnd topMost;  // names the top-most layer only
    topMost.m_hWnd = HWND_TOPMOST;
    SetWindowPos(&topMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER);
    m_origin = ClientOrigin();
    m_initialising = false;
    return TRUE;
}

void CDlgContrast::PlaceWindow()
{
    POINT at{AppSettings.ContrastDlgPosX, AppSettings.ContrastDlgPosY};
    if (at.x == -1 || at.y == -1) {
        RECT stage{};
        if (!StageWindow() || !::GetWindowRect(StageWindow(), &stage))
            return;  // where the window layer put it
        at = POINT{stage.left, stage.top};
    }
    SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

POINT CDlgContrast::ClientOrigin() const
{
    POINT origin{0, 0};
    ClientToScreen(&origin);
    return origin;
}

void CDlgContrast::PaintSwatches()
{
    for (int c = 0; c < kContrastChannels; ++c) {
        CWnd* swatch = GetDlgItem(kSwatchIds[c]);
        if (!swatch)
            continue;
        // The background colour keeps the swatch solid when it is drawn anew.
        swatch->SetBackgroundColor(kSwatchColours[c]);
        RECT r{};
        swatch->GetClientRect(&r);
        if (CDC* dc = swatch->GetDC()) {
            dc->FillSolidRect(&r, kSwatchColours[c]);
            swatch->ReleaseDC(dc);
            swatch->PresentSurface();
        }
    }
}

void CDlgContrast::ShowValues()
{
    for (int c = 0; c < kContrastChannels; ++c)
        SetDlgItemInt(kValueIds[c], static_cast<UINT>(m_values[c]), TRUE);
}

void CDlgContrast::Apply(int bits, int value)
{
    const ContrastChange change = ApplyContrastChange(m_values, Links(), bits, value);
    for (int c = 0; c < kContrastChannels; ++c)
        if (auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(kSliderIds[c])))
            slider->SetPos(change.values[c]);
    m_values = change.values;
    ShowValues();
    ::SendMessage(StageWindow(), WM_STAGE_CONTRAST_SET, static_cast<WPARAM>(change.value),
        static_cast<LPARAM>(change.bits));
}

void CDlgContrast::OnSliderDone(int channel)
{
    if (auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(kSliderIds[channel])))
        Apply(kChannelBits[channel], slider->GetPos());
}

void CDlgContrast::OnValueKillFocus(int channel)
{
    QString text;
    GetDlgItemText(kValueIds[channel], text);
    bool number = false;
    const long long typed = text.trimmed().toLongLong(&number);
    if (!number) {
        // Not a number: the box shows the channel's value again.
        ShowValues();
        return;
    }
    m_values[channel] = ClampContrastValue(typed);
    ShowValues();
    Apply(kChannelBits[channel], m_values[channel]);
}

void CDlgContrast::OnSpinStep(int channel, int delta)
{
    // The spin control runs from high to low: its upward step is negative.
    m_values[channel] += delta < 0 ? 1 : -1;
    ShowValues();
    OnValueKillFocus(channel);
}

void CDlgContrast::OnLinkClicked(int channel)
{
    LinkSetting(channel) = IsDlgButtonChecked(kLinkIds[channel]) ? 1 : 0;
}

void CDlgContrast::OnCenter()
{
    Apply(CColorAdjust::kRed | CColorAdjust::kGreen | CColorAdjust::kBlue, 0);
}

void CDlgContrast::OnHScroll(UINT code, UINT, CWnd* bar)
{
    const int channel = bar ? ChannelOf(kSliderIds, bar->GetDlgCtrlID()) : -1;
    if (channel < 0)
        return;
    switch (code) {
    case TB_LINEUP:
    case TB_LINEDOWN:
    case TB_PAGEUP:
    case TB_PAGEDOWN:
    case TB_TOP:
    case TB_BOTTOM:
        // Keys and clicks beside the thumb end their change at once.
        OnSliderDone(channel);
        break;
    case TB_THUMBTRACK:
        // A drag counts when the button is released; a move without the
        // button held (the wheel) is complete at once.
        if (GetKeyState(VK_LBUTTON) >= 0)
            OnSliderDone(channel);
        break;
    default:
        break;
    }
}

BOOL CDlgContrast::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    const int id = static_cast<int>(wParam);
    if (header && header->code == NM_RELEASEDCAPTURE) {
        if (const int channel = ChannelOf(kSliderIds, id); channel >= 0) {
            OnSliderDone(channel);
            *result = 0;
            return TRUE;
        }
    }
    if (header && header->code == UDN_DELTAPOS) {
        if (const int channel = ChannelOf(kSpinIds, id); channel >= 0) {
            const int delta = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
            if (delta != 0)
                OnSpinStep(channel, delta);
            *result = 0;
            return TRUE;
        }
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

BOOL CDlgContrast::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (code == EN_KILLFOCUS) {
        if (const int channel = ChannelOf(kValueIds, id); channel >= 0) {
            OnValueKillFocus(channel);
            return TRUE;
        }
    }
    if (code == BN_CLICKED) {
        if (const int channel = ChannelOf(kLinkIds, id); channel >= 0) {
            OnLinkClicked(channel);
            return TRUE;
        }
        if (id == IDC_CONTRAST_CENTER) {
            OnCenter();
            return TRUE;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgContrast::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    // Showing the window, or its frame becoming known, reports a move of a
    // window that stayed where it was placed.
    if (m_initialising || (x == m_origin.x && y == m_origin.y))
        return;
    m_origin = POINT{x, y};
    RECT r{};
    GetWindowRect(&r);
    AppSettings.ContrastDlgPosX = r.left;
    AppSettings.ContrastDlgPosY = r.top;
}

void CDlgContrast::OnOK()
{
}

void CDlgContrast::OnCancel()
{
    ::SendMessage(GetAppState().Window(AppWindow::MainFrame), WM_FRAME_CLOSE_CONTRAST, 0, 0);
}
