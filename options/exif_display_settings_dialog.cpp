#include "options/exif_display_settings_dialog.h"

#include "core/app_state.h"
#include "core/exif_view_messages.h"
#include "platform/controls/controls.h"

namespace {

constexpr int kMinFontSize = 8;
constexpr int kMaxFontSize = 20;
constexpr int kFontSizeStep = 2;

// The EXIF information window when it is open.
HWND ExifWindow()
{
    return GetAppState().Window(AppWindow::ExifWindow);
}

void ReloadExifWindow()
{
    if (const HWND exif = ExifWindow())
        ::SendMessage(exif, WM_EXIFVIEW_RELOAD, 0, 0);
}

}  // namespace

CDlgOpOptionExif::CDlgOpOptionExif(CWnd* parent)
    : CExifTagBoxesDialog(
          &kDialog310ExifDisplaySettings, ExifTagDialog::Display, ExifDisplaySettings.mask, parent)
{
}

BOOL CDlgOpOptionExif::OnInitDialog()
{
    CExifTagBoxesDialog::OnInitDialog();
    m_gpsFormat = ExifDisplaySettings.gpsFormat;
    m_gpsFormatAtOpening = ExifDisplaySettings.gpsFormat;
    m_target = ExifDisplaySettings.target;
    m_remember = ExifDisplaySettings.rememberPosition;
    m_fontSize = ExifDisplaySettings.fontSize;
    ShowRadios();
    CheckDlgButton(IDC_EXIFVIEW_REMEMBER_POSITION, m_remember == 1 ? 1 : 0);
    if (auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(IDC_EXIFVIEW_FONT_SIZE))) {
        slider->SetRange(kMinFontSize, kMaxFontSize);
        slider->SetTicFreq(kFontSizeStep);
        slider->SetPageSize(kFontSizeStep);
        slider->SetLineSize(kFontSizeStep);
        slider->SetPos(m_fontSize);  // a size not yet chosen (0) stands at the left end
    }
    return TRUE;
}

void CDlgOpOptionExif::ShowRadios()
{
    CheckDlgButton(IDC_EXIFVIEW_TARGET_CLICK, m_target == 1 ? 1 : 0);
    CheckDlgButton(IDC_EXIFVIEW_TARGET_MOUSE, m_target == 2 ? 1 : 0);
    CheckDlgButton(IDC_EXIFVIEW_GPS_DECIMAL, m_gpsFormat == 0 ? 1 : 0);
    CheckDlgButton(IDC_EXIFVIEW_GPS_SEXAGESIMAL, m_gpsFormat != 0 ? 1 : 0);
}

BOOL CDlgOpOptionExif::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_EXIFVIEW_GPS_DECIMAL:
            SetGpsFormat(0);
            return TRUE;
        case IDC_EXIFVIEW_GPS_SEXAGESIMAL:
            SetGpsFormat(1);
            return TRUE;
        case IDC_EXIFVIEW_TARGET_CLICK:
            SetTarget(1);
            return TRUE;
        case IDC_EXIFVIEW_TARGET_MOUSE:
            SetTarget(2);
            return TRUE;
        case IDC_EXIFVIEW_REMEMBER_POSITION:
            m_remember = m_remember == 1 ? 0 : 1;
            CheckDlgButton(IDC_EXIFVIEW_REMEMBER_POSITION, m_remember == 1 ? 1 : 0);
            return TRUE;
        default:
            break;
        }
    }
    return CExifTagBoxesDialog::OnCommand(wParam, lParam);
}

// The GPS format reaches the EXIF window at once, not only on OK.
void CDlgOpOptionExif::SetGpsFormat(DWORD format)
{
    if (m_gpsFormat != format) {
        m_gpsFormat = format;
        ExifDisplaySettings.gpsFormat = format;
        ReloadExifWindow();
    }
    ShowRadios();
}

void CDlgOpOptionExif::SetTarget(BYTE target)
{
    m_target = target;
    ShowRadios();
}

void CDlgOpOptionExif::OnHScroll(UINT code, UINT pos, CWnd* bar)
{
    auto* slider = dynamic_cast<CSliderCtrl*>(bar);
    if (!slider || bar->GetDlgCtrlID() != IDC_EXIFVIEW_FONT_SIZE) {
        CExifTagBoxesDialog::OnHScroll(code, pos, bar);
        return;
    }
    const int size = slider->GetPos();
    if (size == m_fontSize)
        return;
    m_fontSize = size;
    if (const HWND exif = ExifWindow()) {
        ::SendMessage(exif, WM_EXIFVIEW_SET_FONT, static_cast<WPARAM>(m_fontSize), 0);
        ReloadExifWindow();
    }
}

void CDlgOpOptionExif::OnTagsChanged()
{
    ReloadExifWindow();
}

void CDlgOpOptionExif::OnOK()
{
    ExifDisplaySettings.gpsFormat = m_gpsFormat;
    ExifDisplaySettings.target = m_target;
    ExifDisplaySettings.rememberPosition = m_remember;
    ExifDisplaySettings.fontSize = static_cast<BYTE>(m_fontSize);
    EndDialog(IDOK);
}

// The frame reloads the EXIF window after a cancelled dialog.
void CDlgOpOptionExif::OnCancel()
{
    if (const HWND exif = ExifWindow())
        ::SendMessage(exif, WM_EXIFVIEW_SET_FONT, static_cast<WPARAM>(ExifDisplaySettings.fontSize), 0);
    RestoreMask();
    ExifDisplaySettings.gpsFormat = m_gpsFormatAtOpening;
    EndDialog(IDCANCEL);
}
