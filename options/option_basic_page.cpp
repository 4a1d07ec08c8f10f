#include "options/option_basic_page.h"

#include "options/option_value_rules.h"
#include "platform/controls/controls.h"
#include "platform/dialog/msgbox.h"

const CDlgOpOptionBasic::CheckValue CDlgOpOptionBasic::kChecks[] = {
    {IDC_OPTBASIC_SHOW_ZOOM, &CDlgOpOptionBasic::m_showZoomDlg},
    {IDC_OPTBASIC_CENTER_ZOOM, &CDlgOpOptionBasic::m_centerZoom},
    {IDC_OPTBASIC_EVEN_SCALE, &CDlgOpOptionBasic::m_viewEvenScale},
    {IDC_OPTBASIC_CLIP_WINDOW_POS, &CDlgOpOptionBasic::m_isClipWindowPos},
    {IDC_OPTBASIC_CLOSE_ON_SAVE, &CDlgOpOptionBasic::m_clipCloseOnSave},
    {IDC_OPTBASIC_CLOSE_ON_CLIP, &CDlgOpOptionBasic::m_clipCloseOnClip},
    {IDC_OPTBASIC_CONTINUE_CAPTURE, &CDlgOpOptionBasic::m_useContinueCapture},
};

CDlgOpOptionBasic::CDlgOpOptionBasic() : COptionPage(&kDialog155OptionBasic)
{
}

void CDlgOpOptionBasic::Load(const AppSettingsRecord& s)
{
    m_showZoomDlg = s.ShowZoomDlg;
    m_centerZoom = s.CenterZoom;
    m_viewEvenScale = s.ViewEvenScale;
    m_isClipWindowPos = s.IsClipWindowPos;
    m_clipCloseOnSave = s.ClipCloseOnSave;
    m_clipCloseOnClip = s.ClipCloseOnClip;
    m_useContinueCapture = s.UseContinueCapture;
    m_zoomStepPosition = ZoomStepToPosition(s.ZoomStep);
    m_maxZoomMag = static_cast<BYTE>(s.MaxZoomMag);
    m_hitZoomMag = static_cast<BYTE>(s.HitZoomMag);
    m_howToFirstMessage = s.HowToFirstMessage;
    m_howToRangeClick = s.HowToRangeClick;
    m_howToRangeWheel = s.HowToRangeWheel;
    m_howToClipSave = s.HowToClipSave;
}

void CDlgOpOptionBasic::Store(AppSettingsRecord& s) const
{
    s.ShowZoomDlg = m_showZoomDlg;
    s.CenterZoom = m_centerZoom;
    s.ViewEvenScale = m_viewEvenScale;
    s.IsClipWindowPos = m_isClipWindowPos;
    s.ClipCloseOnSave = m_clipCloseOnSave;
    s.ClipCloseOnClip = m_clipCloseOnClip;
    s.UseContinueCapture = m_useContinueCapture;
    s.ZoomStep = ZoomStepFromPosition(m_zoomStepPosition);
    s.MaxZoomMag = m_maxZoomMag;
    s.HitZoomMag = m_hitZoomMag;
    s.HowToFirstMessage = m_howToFirstMessage;
    s.HowToRangeClick = m_howToRangeClick;
    s.HowToRangeWheel = m_howToRangeWheel;
    s.HowToClipSave = m_howToClipSave;
}

BOOL CDlgOpOptionBasic::OnInitDialog()
{
    COptionPage::OnInitDialog();
    for (const CheckValue& check : kChecks)
        CheckDlgButton(check.id, this->*check.value == 1 ? 1 : 0);
    SetUpSlider(IDC_OPTBASIC_ZOOM_STEP, 1, 5, 1, 1, m_zoomStepPosition);
    SetUpSlider(IDC_OPTBASIC_MAX_ZOOM, 1, 7, 1, 1, MaxZoomMagToPosition(m_maxZoomMag));
    SetUpSlider(IDC_OPTBASIC_HIT_ZOOM, 1, 8, 1, 1, HitZoomMagToPosition(m_hitZoomMag));
    return TRUE;
}

BOOL CDlgOpOptionBasic::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED)
        for (const CheckValue& check : kChecks)
            if (check.id == LOWORD(wParam)) {
                this->*check.value = IsDlgButtonChecked(check.id) == 1 ? 1 : 0;
                return TRUE;
            }
    return COptionPage::OnCommand(wParam, lParam);
}

void CDlgOpOptionBasic::OnHScroll(UINT code, UINT pos, CWnd* bar)
{
    if (!bar) {
        COptionPage::OnHScroll(code, pos, bar);
        return;
    }
    const int id = bar->GetDlgCtrlID();
    const int position = SliderPos(id);
    switch (id) {
    case IDC_OPTBASIC_ZOOM_STEP:
        m_zoomStepPosition = position;
        break;
    case IDC_OPTBASIC_MAX_ZOOM:
        m_maxZoomMag = static_cast<BYTE>(MaxZoomMagFromPosition(position));
        break;
    case IDC_OPTBASIC_HIT_ZOOM:
        m_hitZoomMag = static_cast<BYTE>(HitZoomMagFromPosition(position));
        break;
    default:
        COptionPage::OnHScroll(code, pos, bar);
        return;
    }
    KeepHitZoomWithinMax(id == IDC_OPTBASIC_HIT_ZOOM);
}

// The one-shot zoom never exceeds the largest zoom: it follows the largest
// down silently, and a move of its own beyond it is refused with a message.
void CDlgOpOptionBasic::KeepHitZoomWithinMax(bool hitZoomMoved)
{
    if (m_maxZoomMag >= m_hitZoomMag)
        return;
    if (hitZoomMoved)
        PostMessage(WM_OPTBASIC_ZOOM_LIMIT);
    const int position = HitZoomMagToPosition(m_maxZoomMag);
    if (auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(IDC_OPTBASIC_HIT_ZOOM)))
        slider->SetPos(position);
    m_hitZoomMag = static_cast<BYTE>(HitZoomMagFromPosition(position));
}

LRESULT CDlgOpOptionBasic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_OPTBASIC_ZOOM_LIMIT) {
        AfxMessageBox(QStringLiteral("最大ズームサイズより大きい値を指定する事は出来ません。"));
        return 0;
    }
    return COptionPage::WindowProc(message, wParam, lParam);
}
