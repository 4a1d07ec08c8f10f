// The display-colour page of the clip-mode option sheet: the pixel grid, the
// centre marker, the coordinate labels and the clip frame, with their colours
// chosen in the colour dialog and shown in swatches.
#pragma once

#include "options/option_page.h"
#include "res/dialog_156_option_color.h"

class CDlgOpOptionColor : public COptionPage {
public:
    enum { IDD = IDD_OPTION_COLOR };

    CDlgOpOptionColor();

    void Load(const AppSettingsRecord& settings) override;
    void Store(AppSettingsRecord& settings) const override;
    int FirstControlId() const override { return IDC_OPTCOLOR_RANGE_COLOR; }

    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT pos, CWnd* bar) override;

private:
    int m_showPixelGrid = 0;
    int m_pixelGridType = 0;
    int m_viewRangeCorr = 0;
    int m_viewCenterMarker = 0;
    int m_levelPosition = 0;
    COLORREF m_gridColor = 0;
    COLORREF m_selRangeColor = 0;
    COLORREF m_selCenterMarkerColor = 0;
    COLORREF m_selRangeCorrXYColor = 0;
    COLORREF m_selRangeCorrSizeColor = 0;
    COLORREF m_selRangeCorrXYColorBk = 0;
    COLORREF m_selRangeCorrSizeColorBk = 0;
    BYTE m_highlightClick = 0;
    BYTE m_highlightWheel = 0;

    // A colour button, the swatch that shows its colour and the colour.
    struct ColourControl {
        int button;
        int swatch;
        COLORREF CDlgOpOptionColor::*colour;
    };
    static const ColourControl kColours[];

    bool OnCheckClicked(int id);
    bool OnRadioClicked(int id);
    void ChooseColour(const ColourControl& control);
    void ShowRadios();
    void ApplyEnableRules();
};
