// The measure panel's colours: each line's swatch is filled with its colour
// whenever it paints, a click on a swatch (press and release on the same
// one) opens the colour dialog, and the selected line's length shows in the
// highlight colour.
#include "clip/measure_dialog.h"

#include "clip/stage_messages.h"
#include "core/app_state.h"
#include "platform/dialog/color_dialog.h"
#include "platform/gdi/gdi.h"

void CDlgMeasure::MeasureSwatches()
{
    for (int i = 0; i < kMeasureLineCount; ++i) {
        m_swatchRects[i] = RECT{};
        if (CWnd* swatch = GetDlgItem(IDC_MEASURE_SWATCH_1 + i)) {
            swatch->GetWindowRect(&m_swatchRects[i]);
            ScreenToClient(&m_swatchRects[i]);
        }
    }
}

int CDlgMeasure::SwatchAt(POINT client) const
{
    for (int i = 0; i < kMeasureLineCount; ++i) {
        const RECT& r = m_swatchRects[i];
        if (r.right > r.left && client.x >= r.left && client.x <= r.right && client.y >= r.top &&
            client.y <= r.bottom)
            return i;
    }
    return 255;
}

void CDlgMeasure::OnLButtonDown(UINT flags, CPoint point)
{
    // The swatches may have moved with the panel's layout since it opened.
    MeasureSwatches();
    m_pressedSwatch = static_cast<BYTE>(SwatchAt(point));
    CDialog::OnLButtonDown(flags, point);
}

void CDlgMeasure::OnLButtonUp(UINT flags, CPoint point)
{
    const int pressed = m_pressedSwatch;
    m_pressedSwatch = 255;
    if (pressed != 255 && SwatchAt(point) == pressed)
        ChooseColor(pressed);
    CDialog::OnLButtonUp(flags, point);
}

void CDlgMeasure::ChooseColor(int line)
{
    CColorDialog dialog(MeasureLineColor(line), CC_RGBINIT | CC_FULLOPEN, this);
    if (dialog.DoModal() != IDOK)
        return;
    SetMeasureLineColor(line, dialog.GetColor());
    Invalidate();
    for (int i = 0; i < kMeasureLineCount; ++i)
        if (CWnd* swatch = GetDlgItem(IDC_MEASURE_SWATCH_1 + i))
            swatch->Invalidate();
    SendToStage(WM_STAGE_RENDER_MEASURE);
}

HBRUSH CDlgMeasure::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, kind);
    if (!control || !dc)
        return brush;
    const int id = control->GetDlgCtrlID();
    if (id >= IDC_MEASURE_SWATCH_1 && id < IDC_MEASURE_SWATCH_1 + kMeasureLineCount) {
        RECT r{};
        control->GetClientRect(&r);
        dc->FillSolidRect(&r, MeasureLineColor(id - IDC_MEASURE_SWATCH_1));
        return brush;
    }
    const int selected = SelectedLine();
    if (selected >= 0 && selected < kMeasureLineCount && id == IDC_MEASURE_LENGTH_1 + selected)
        dc->SetTextColor(m_highlight);
    return brush;
}
