// The measure panel (template 343): while it is open it stands in the
// control panel's place at the frame's left edge. Its eight line buttons arm
// a line, whose start and end the user then clicks on the view stage; the
// panel shows each line's length in the user's units (so many pixels count
// as so many units), the mouse's image coordinates, and a colour swatch per
// line that opens the colour dialog. The view stage feeds it the mouse
// through the operations below and draws the lines it holds. Enter and Esc
// never close it; the close button asks the frame (WM_FRAME_CLOSE_MEASURE).
#pragma once

#include "clip/measure_lines.h"
#include "clip/stage_measure_lines.h"
#include "imaging/preset_font.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_343_measure.h"

#include <QString>
#include <array>
#include <memory>

enum : UINT {
    WM_MEASURE_CANCEL_LINE = WM_USER + 477,  // the line being set is dropped
    WM_MEASURE_MOUSE_POS = WM_USER + 479,    // lParam: POINT* image pixel, (-1, -1) none
    WM_MEASURE_HIGHLIGHT = WM_USER + 485,    // wParam 1 on / 0 off, lParam the line
};

inline constexpr int kMeasureLineCount = 8;

// What the panel is doing with the mouse on the stage.
enum MeasureState : BYTE {
    kMeasureIdle = 1,
    kMeasureArmed = 2,     // a line waits for its start click
    kMeasureDrawing = 3,   // the start is set, the end follows the mouse
    kMeasureDragging = 4,  // an end or a whole line is dragged
};

// The line colours of this run: line 1 is the stored MeasureColor_1, lines
// 2 to 8 start black at every start. Out-of-range lines are black.
COLORREF MeasureLineColor(int line);
void SetMeasureLineColor(int line, COLORREF color);

// A range edit's text (up to 30 characters) as the scale: its leading
// decimal number (none reads as 0) limited to 10..99999.
int ClampMeasureRange(const QString& text);
// The text of a length in user units.
QString MeasureLengthText(double length);
// The mouse coordinates' text; "---" for both when x or y is -1.
QString MeasureMouseText(POINT p);

class CDlgMeasure : public CDialog, public StageMeasureLines {
public:
    enum { IDD = IDD_MEASURE };

    CDlgMeasure();
    ~CDlgMeasure() override;

    // Modeless, owned by the frame.
    BOOL Create(CWnd* frame);

    // The view stage's side.
    BYTE MeasureStateNow() const { return m_state; }
    void SetMeasureState(BYTE state) { m_state = state; }
    void SetPressPoint(POINT client) { m_pressPoint = client; }
    POINT PressPoint() const { return m_pressPoint; }
    CMeasureLines& Lines() { return *m_lines; }
    const CMeasureLines& Lines() const { return *m_lines; }
    // A press on an end point's square or on a line starts a drag; a grabbed
    // start is swapped with the end so that the end follows the mouse.
    void BeginEndpointDrag(const MeasurePoint& p, const MeasurePoint& a, const MeasurePoint& b);
    bool HitTestEndpoint(const MeasurePoint& p, const MeasurePoint& a, const MeasurePoint& b);
    void SetLineStartPoint(const MeasurePoint& p);
    void SetLineEndPoint(const MeasurePoint& p);
    void TrackMousePoint(const MeasurePoint& p);
    void UpdateLineLengthText(const MeasurePoint& p);
    // A new image: lines that no longer fit are dropped.
    void SetImageExtent(int width, int height);
    // The press point is set and p lies within 3 pixels of it.
    bool IsNearPressPoint(POINT client) const;
    void ResetPressPoint() { m_pressPoint = POINT{-1, -1}; }

    // StageMeasureLines: what the stage draws.
    int LineCount() const override { return m_lines->Count(); }
    POINT GetPoint(int line, int end) const override { return m_lines->GetPoint(line, end); }
    MeasureDrawPoint GetDrawPoint(int line, int end, double scaleX, double scaleY) const override
    {
        return m_lines->GetDrawPoint(line, end, scaleX, scaleY);
    }
    COLORREF LineColor(int line) const override { return MeasureLineColor(line); }

    // Read by tests.
    int PixelRange() const { return m_pixelRange; }
    int UnitRange() const { return m_unitRange; }
    COLORREF HighlightColor() const { return m_highlight; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

    // The stage's image size when the panel opens; (0, 0) without one.
    virtual SIZE StageImageSize() const;

private:
    BYTE m_state = kMeasureIdle;
    int m_pixelRange = 100;
    int m_unitRange = 100;
    POINT m_pressPoint{-1, -1};
    std::array<RECT, kMeasureLineCount> m_swatchRects{};
    BYTE m_pressedSwatch = 255;
    COLORREF m_highlight = 0;
    std::unique_ptr<CMeasureLines> m_lines;
    CPresetFont m_font{10};

    static HWND StageWindow();
    LRESULT SendToStage(UINT message);
    void PlacePanel();
    int SelectedLine() const;
    void SetLengthText(int line, const QString& text);
    void ShowCheckedLengths();

    void OnLineButton(int line);
    void CancelSelectedLine();
    void ApplyRange(int editId);
    void StepRange(int editId, int step);
    void OnLineWidth(UINT width);
    void ShowMousePosition(const POINT* p);
    void Highlight(bool on, int line);

    // Swatches (measure_dialog_colors.cpp).
    void MeasureSwatches();
    int SwatchAt(POINT client) const;
    void ChooseColor(int line);
};
