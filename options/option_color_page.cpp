#include "options/option_color_page.h"

#include "options/option_value_rules.h"
#include "platform/dialog/color_dialog.h"
#include "platform/gdi/gdi.h"

namespace {

// The radios of the two highlight groups, by value 0, 1, 2.
constexpr int kClickRadios[] = {
    IDC_OPTCOLOR_CLICK_FRAME, IDC_OPTCOLOR_CLICK_DARKEN, IDC_OPTCOLOR_CLICK_BRIGHTEN};
constexpr int kWheelRadios[] = {
    IDC_OPTCOLOR_WHEEL_FRAME, IDC_OPTCOLOR_WHEEL_DARKEN, IDC_OPTCOLOR_WHEEL_BRIGHTEN};

}  // namespace

const CDlgOpOptionColor::ColourControl CDlgOpOptionColor::kColours[] = {
    {IDC_OPTCOLOR_GRID_COLOR, IDC_OPTCOLOR_GRID_SWATCH, &CDlgOpOptionColor::m_gridColor},
    {IDC_OPTCOLOR_MARKER_COLOR, IDC_OPTCOLOR_MARKER_SWATCH, &CDlgOpOptionColor::m_selCenterMarkerColor},
    {IDC_OPTCOLOR_XY_TEXT, IDC_OPTCOLOR_XY_TEXT_SWATCH, &CDlgOpOptionColor::m_selRangeCorrXYColor},
    {IDC_OPTCOLOR_XY_BACK, IDC_OPTCOLOR_XY_BACK_SWATCH, &CDlgOpOptionColor::m_selRangeCorrXYColorBk},
    {IDC_OPTCOLOR_SIZE_TEXT, IDC_OPTCOLOR_SIZE_TEXT_SWATCH, &CDlgOpOptionColor::m_selRangeCorrSizeColor},
    {IDC_OPTCOLOR_SIZE_BACK, IDC_OPTCOLOR_SIZE_BACK_SWATCH, &CDlgOpOptionColor::m_selRangeCorrSizeColorBk},
    {IDC_OPTCOLOR_RANGE_COLOR, IDC_OPTCOLOR_RANGE_SWATCH, &CDlgOpOptionColor::m_selRangeColor},
};

CDlgOpOptionColor::CDlgOpOptionColor() : COptionPage(&kDialog156OptionColor)
{
}

void CDlgOpOptionColor::Load(const AppSettingsRecord& s)
{
    m_showPixelGrid = s.ShowPixelGrid;
    m_pixelGridType = s.PixelGridType;
    m_viewRangeCorr = s.ViewRangeCorr;
    m_viewCenterMarker = s.ViewCenterMarker;
    m_levelPosition = LevelPixelGridToPosition(s.LevelPixelGrid);
    m_gridColor = s.GridColor;
    m_selRangeColor = s.SelRangeColor;
    m_selCenterMarkerColor = s.SelCenterMarkerColor;
    m_selRangeCorrXYColor = s.SelRangeCorrXYColor;
    m_selRangeCorrSizeColor = s.SelRangeCorrSizeColor;
    m_selRangeCorrXYColorBk = s.SelRangeCorrXYColorBk;
    m_selRangeCorrSizeColorBk = s.SelRangeCorrSizeColorBk;
    m_highlightClick = s.HighlightZoomAreaClick;
    m_highlightWheel = s.HighlightZoomAreaWheel;
}

void CDlgOpOptionColor::Store(AppSettingsRecord& s) const
{
    s.ShowPixelGrid = m_showPixelGrid;
    s.PixelGridType = m_pixelGridType;
    s.ViewRangeCorr = m_viewRangeCorr;
    s.ViewCenterMarker = m_viewCenterMarker;
    s.LevelPixelGrid = LevelPixelGridFromPosition(m_levelPosition);
    s.GridColor = m_gridColor;
    s.SelRangeColor = m_selRangeColor;
    s.SelCenterMarkerColor = m_selCenterMarkerColor;
    s.SelRangeCorrXYColor = m_selRangeCorrXYColor;
    s.SelRangeCorrSizeColor = m_selRangeCorrSizeColor;
    s.SelRangeCorrXYColorBk = m_selRangeCorrXYColorBk;
    s.SelRangeCorrSizeColorBk = m_selRangeCorrSizeColorBk;
    s.HighlightZoomAreaClick = m_highlightClick;
    s.HighlightZoomAreaWheel = m_highlightWheel;
}

BOOL CDlgOpOptionColor::OnInitDialog()
{
    COptionPage::OnInitDialog();
    CheckDlgButton(IDC_OPTCOLOR_SHOW_GRID, m_showPixelGrid == 1 ? 1 : 0);
    CheckDlgButton(IDC_OPTCOLOR_SHOW_MARKER, m_viewCenterMarker == 1 ? 1 : 0);
    CheckDlgButton(IDC_OPTCOLOR_SHOW_CORR, m_viewRangeCorr == 1 ? 1 : 0);
    SetUpSlider(IDC_OPTCOLOR_GRID_LEVEL, 1, 3, 1, 1, m_levelPosition);
    ShowRadios();
    ApplyEnableRules();
    return TRUE;
}

void CDlgOpOptionColor::ShowRadios()
{
    CheckOneRadio({IDC_OPTCOLOR_GRID_LINE, IDC_OPTCOLOR_GRID_DOT},
        m_pixelGridType != 0 ? IDC_OPTCOLOR_GRID_DOT : IDC_OPTCOLOR_GRID_LINE);
    for (int value = 0; value < 3; ++value) {
        CheckDlgButton(kClickRadios[value], m_highlightClick == value ? 1 : 0);
        CheckDlgButton(kWheelRadios[value], m_highlightWheel == value ? 1 : 0);
    }
}

void CDlgOpOptionColor::ApplyEnableRules()
{
    for (int id :
        {IDC_OPTCOLOR_GRID_COLOR, IDC_OPTCOLOR_GRID_LEVEL, IDC_OPTCOLOR_GRID_LINE, IDC_OPTCOLOR_GRID_DOT})
        EnableControl(id, m_showPixelGrid == 1);
    for (int id :
        {IDC_OPTCOLOR_XY_TEXT, IDC_OPTCOLOR_SIZE_TEXT, IDC_OPTCOLOR_XY_BACK, IDC_OPTCOLOR_SIZE_BACK})
        EnableControl(id, m_viewRangeCorr == 1);
    EnableControl(IDC_OPTCOLOR_MARKER_COLOR, m_viewCenterMarker == 1);
    // The frame's colour matters only while a frame is drawn.
    EnableControl(IDC_OPTCOLOR_RANGE_COLOR,
        IsDlgButtonChecked(IDC_OPTCOLOR_CLICK_FRAME) == 1 ||
            IsDlgButtonChecked(IDC_OPTCOLOR_WHEEL_FRAME) == 1);
}

BOOL CDlgOpOptionColor::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        const int id = LOWORD(wParam);
        for (const ColourControl& control : kColours)
            if (control.button == id) {
                ChooseColour(control);
                return TRUE;
            }
        if (OnCheckClicked(id) || OnRadioClicked(id))
            return TRUE;
    }
    return COptionPage::OnCommand(wParam, lParam);
}

bool CDlgOpOptionColor::OnCheckClicked(int id)
{
    int* value = nullptr;
    switch (id) {
    case IDC_OPTCOLOR_SHOW_GRID:
        value = &m_showPixelGrid;
        break;
    case IDC_OPTCOLOR_SHOW_MARKER:
        value = &m_viewCenterMarker;
        break;
    case IDC_OPTCOLOR_SHOW_CORR:
        value = &m_viewRangeCorr;
        break;
    default:
        return false;
    }
    *value = IsDlgButtonChecked(id) == 1 ? 1 : 0;
    ApplyEnableRules();
    return true;
}

bool CDlgOpOptionColor::OnRadioClicked(int id)
{
    if (id == IDC_OPTCOLOR_GRID_LINE || id == IDC_OPTCOLOR_GRID_DOT) {
        m_pixelGridType = id == IDC_OPTCOLOR_GRID_DOT ? 2 : 0;
        ShowRadios();
        return true;
    }
    for (BYTE value = 0; value < 3; ++value) {
        if (id == kClickRadios[value])
            m_highlightClick = value;
        else if (id == kWheelRadios[value])
            m_highlightWheel = value;
        else
            continue;
        ShowRadios();
        ApplyEnableRules();
        return true;
    }
    return false;
}

void CDlgOpOptionColor::ChooseColour(const ColourControl& control)
{
    CColorDialog dialog(this->*control.colour, CC_RGBINIT | CC_FULLOPEN, this);
    if (dialog.DoModal() != IDOK)
        return;
    this->*control.colour = dialog.GetColor();
    Invalidate();
    if (CWnd* swatch = GetDlgItem(control.swatch))
        swatch->Invalidate();
}

void CDlgOpOptionColor::OnHScroll(UINT code, UINT pos, CWnd* bar)
{
    if (bar && bar->GetDlgCtrlID() == IDC_OPTCOLOR_GRID_LEVEL) {
        m_levelPosition = SliderPos(IDC_OPTCOLOR_GRID_LEVEL);
        return;
    }
    COptionPage::OnHScroll(code, pos, bar);
}

// Each swatch is filled with its colour whenever it asks for its colours.
HBRUSH CDlgOpOptionColor::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    HBRUSH brush = COptionPage::OnCtlColor(dc, control, kind);
    if (!control || !dc)
        return brush;
    const int id = control->GetDlgCtrlID();
    for (const ColourControl& colour : kColours)
        if (colour.swatch == id) {
            RECT r{};
            control->GetClientRect(&r);
            dc->FillSolidRect(&r, this->*colour.colour);
            break;
        }
    return brush;
}
