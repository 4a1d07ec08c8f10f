// The mask settings (template 374), run modally by the frame over the multi
// view: which days (on a month calendar) and which image types are masked,
// and in extended mode the value range of one measure chosen on a histogram
// of the folder's files. The dialog works on a copy of the stage's day list;
// OK writes it back with the range, the measure and the type bits, Cancel
// drops it.
#pragma once

#include "clip/button_pictures.h"
#include "multiview/mask_dialog_rules.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_374_mask_thumbnail.h"

#include <memory>
#include <vector>

class CDlgMultiViewStage;
class CHistogramGraph;
class CPresetFont;

// The one-shot timer that builds the graph once the dialog shows in
// extended mode.
inline constexpr UINT_PTR IDT_MASK_GRAPH = 30;

class CDlgMaskThumbnailWindow : public CDialog {
public:
    enum { IDD = IDD_MASK_THUMBNAIL };

    CDlgMaskThumbnailWindow(CDlgMultiViewStage* stage, CWnd* parent = nullptr);
    ~CDlgMaskThumbnailWindow() override;

    // The state the tests look at.
    const std::vector<MaskDateEntry>& Days() const { return m_days; }
    WORD SelectedYear() const { return m_year; }
    BYTE SelectedMonth() const { return m_month; }
    DWORD RangeLow() const { return m_drag.low; }
    DWORD RangeHigh() const { return m_drag.high; }
    const CHistogramGraph* Graph() const { return m_graph.get(); }
    // The resource id of the picture a button shows, 0 for none.
    int ShownPicture(int button) const { return m_pictures.ShownId(button); }
    // The graph area in dialog client coordinates.
    RECT GraphRect() const { return m_graphRect; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnShowWindow(BOOL show, UINT status) override;
    void OnMove(int x, int y) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override;

private:
    // Set-up.
    void TakeCalendarGeometry();
    void TakeWindowSizes();
    void ApplyFonts();
    void ShowButtonPictures();
    void FillYears();
    void SelectYearFromBox();
    // Months and days of the selected year and month.
    void ShowMonthsOfYear();
    void LayOutDays();
    void DisableAbsentTypes();
    void SizeForMode();
    // Commands.
    void OnDayClicked(int day);
    void OnMonthClicked(int month);
    void OnYearChosen();
    void SetDaysInScope(WORD year, BYTE month, BYTE masked);
    void OnTypeClicked(int index);
    void SetAllTypes(bool shown);
    void OnToggleMode();
    void OnMeasureClicked(int measure);
    void OnRangeEditDone(bool high);
    void OnRangeReset();
    // The graph.
    void BuildGraph(bool keepStoredRange);
    void ShowRangeTexts();
    void RedrawMarkers();
    void ComposeGraph();
    int MarkerAt(CPoint point) const;

    CDlgMultiViewStage* m_stage;
    std::vector<MaskDateEntry> m_days;
    std::vector<WORD> m_years;
    WORD m_year = 0;
    BYTE m_month = 0;
    WORD m_maskExt = 0;
    BYTE m_include = 1;
    BYTE m_presentTypes = 0;
    BYTE m_measure = kMeasureByteSize;
    DWORD m_minimum = 0;
    DWORD m_maximum = 0;
    DWORD m_largest = 0;
    DWORD m_unitLow = 0;
    DWORD m_unitHigh = 0;
    QString m_lastTyped[2];
    MaskRangeDrag m_drag;
    bool m_graphBuilt = false;
    // The calendar grid from the template.
    POINT m_labelOrigin{};
    POINT m_boxOrigin{};
    SIZE m_step{};
    SIZE m_labelSize{};
    SIZE m_boxSize{};
    SIZE m_normalSize{};
    SIZE m_extendedSize{};
    RECT m_graphRect{};
    bool m_initialising = false;
    std::unique_ptr<CHistogramGraph> m_graph;
    std::unique_ptr<CPresetFont> m_font;
    CButtonPictures m_pictures;
};
