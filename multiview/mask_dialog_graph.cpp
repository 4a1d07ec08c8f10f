// The mask settings' extended mode: the value range of one measure on the
// histogram, set by dragging its markers or typing its ends.
#include "multiview/mask_dialog.h"

#include "core/multi_view_messages.h"
#include "core/settings/app_settings.h"
#include "multiview/histogram_graph.h"
#include "multiview/multi_view_stage.h"
#include "multiview/thumb_mask.h"
#include "platform/gdi/gdi.h"
#include "platform/window/cursor.h"

#include <algorithm>

void CDlgMaskThumbnailWindow::OnToggleMode()
{
    AppSettings.IsTMIExtMode = AppSettings.IsTMIExtMode == 1 ? 0 : 1;
    SizeForMode();
    if (AppSettings.IsTMIExtMode != 1)
        return;
    for (int id : {IDC_MASK_MINIMUM, IDC_MASK_MAXIMUM})
        SetDlgItemText(id, QStringLiteral("---"));
    const int ids[4] = {
        IDC_MASK_MEASURE_SIZE, IDC_MASK_MEASURE_WIDTH, IDC_MASK_MEASURE_HEIGHT, IDC_MASK_MEASURE_NAME};
    CheckDlgButton(ids[m_measure - 1], 1);
    BuildGraph(true);
}

void CDlgMaskThumbnailWindow::OnMeasureClicked(int measure)
{
    if (measure == m_measure && m_graphBuilt)
        return;
    m_measure = static_cast<BYTE>(measure);
    BuildGraph(false);
}

void CDlgMaskThumbnailWindow::BuildGraph(bool keepStoredRange)
{
    if (!m_stage || !m_graph)
        return;
    m_stage->SendMessage(WM_MULTI_SEARCH_EXT_MASK, m_measure, 0);
    CMaskValueTally& tally = m_stage->Tally();
    const CMaskValueTally::Stats stats = tally.GetStats(m_measure);
    // An empty tally keeps its minimum at the top of the range: show 0..0.
    m_minimum = stats.entryCount > 0 ? stats.minimum : 0;
    m_maximum = stats.entryCount > 0 ? stats.maximum : 0;
    m_largest = stats.largestCount;
    DWORD low = m_minimum;
    DWORD high = m_maximum;
    // A stored range is set unless both ends are 0 (0..0 masks nothing).
    if (keepStoredRange && (tally.GetRangeLow() != 0 || tally.GetRangeHigh() != 0)) {
        low = std::clamp(tally.GetRangeLow(), m_minimum, m_maximum);
        high = std::clamp(tally.GetRangeHigh(), m_minimum, m_maximum);
        if (low > high)
            std::swap(low, high);
    }
    m_drag = MaskRangeDrag{low, high};
    ShowRangeTexts();
    SetDlgItemText(IDC_MASK_LARGEST, QString::number(m_largest));

    m_graph->SetCountRange(0, m_largest);
    m_graph->SetValueRange(m_minimum, m_maximum);
    if (CWnd* area = GetDlgItem(IDC_MASK_GRAPH)) {
        CClientDC dc(area);
        m_graph->InitBackgroundLayer(&dc);
        m_graph->InitHistogramLayer(&dc);
        m_graph->InitMarkerLayer(&dc);
    }
    m_graph->DrawHistogram(m_measure, tally);
    m_graphBuilt = true;
    RedrawMarkers();
}

void CDlgMaskThumbnailWindow::ShowRangeTexts()
{
    const auto show = [this](int valueId, int unitId, DWORD value) {
        const DWORD unit = MaskValueUnit(m_measure, value);
        SetDlgItemText(valueId, FormatMaskValue(value, unit));
        SetDlgItemText(unitId, MaskUnitLabel(m_measure, unit));
        return unit;
    };
    show(IDC_MASK_MINIMUM, IDC_MASK_MINIMUM_UNIT, m_minimum);
    show(IDC_MASK_MAXIMUM, IDC_MASK_MAXIMUM_UNIT, m_maximum);
    m_unitLow = show(IDC_MASK_LOW, IDC_MASK_LOW_UNIT, m_drag.low);
    m_unitHigh = show(IDC_MASK_HIGH, IDC_MASK_HIGH_UNIT, m_drag.high);
    // What the edits show counts as typed: leaving an edit untouched
    // never re-reads a rounded text into the range.
    GetDlgItemText(IDC_MASK_LOW, m_lastTyped[0]);
    GetDlgItemText(IDC_MASK_HIGH, m_lastTyped[1]);
}

void CDlgMaskThumbnailWindow::RedrawMarkers()
{
    if (!m_graphBuilt)
        return;
    m_graph->DrawRangeMarkers(m_drag.low, m_drag.high);
    m_graph->ShadeOutsideRange(m_graph->LowMarkerX(), m_graph->HighMarkerX());
    ComposeGraph();
}

void CDlgMaskThumbnailWindow::ComposeGraph()
{
    if (CWnd* area = GetDlgItem(IDC_MASK_GRAPH)) {
        CClientDC dc(area);
        m_graph->Compose(&dc);
    }
}

void CDlgMaskThumbnailWindow::OnRangeEditDone(bool high)
{
    if (!m_graphBuilt || AppSettings.IsTMIExtMode != 1)
        return;
    const int id = high ? IDC_MASK_HIGH : IDC_MASK_LOW;
    QString text;
    GetDlgItemText(id, text);
    if (text == m_lastTyped[high ? 1 : 0])
        return;
    m_lastTyped[high ? 1 : 0] = text;
    const std::optional<DWORD> value = ParseMaskRangeEnd(
        text, m_measure, high ? m_unitHigh : m_unitLow, m_minimum, m_maximum, high ? m_maximum : m_minimum);
    if (!value) {
        ShowRangeTexts();
        return;
    }
    (high ? m_drag.high : m_drag.low) = *value;
    if (m_drag.low > m_drag.high)
        std::swap(m_drag.low, m_drag.high);
    ShowRangeTexts();
    RedrawMarkers();
}

void CDlgMaskThumbnailWindow::OnRangeReset()
{
    if (!m_graphBuilt || (m_drag.low == m_minimum && m_drag.high == m_maximum))
        return;
    m_drag.low = m_minimum;
    m_drag.high = m_maximum;
    ShowRangeTexts();
    RedrawMarkers();
}

int CDlgMaskThumbnailWindow::MarkerAt(CPoint point) const
{
    if (!m_graphBuilt || AppSettings.IsTMIExtMode != 1 || point.y < m_graphRect.top ||
        point.y >= m_graphRect.bottom)
        return MaskRangeDrag::kNone;
    MaskRangeDrag probe = m_drag;
    return probe.Press(point.x - m_graphRect.left - 1, m_graph->LowMarkerX(), m_graph->HighMarkerX());
}

void CDlgMaskThumbnailWindow::OnLButtonDown(UINT flags, CPoint point)
{
    m_drag.grab = MarkerAt(point);
    if (m_drag.grab != MaskRangeDrag::kNone) {
        SetCapture();
        SetSystemCursor(IDC_SIZEWE);
    }
    CDialog::OnLButtonDown(flags, point);
}

void CDlgMaskThumbnailWindow::OnMouseMove(UINT flags, CPoint point)
{
    if (m_drag.grab != MaskRangeDrag::kNone) {
        m_drag.Move(m_graph->PixelToValue(point.x - m_graphRect.left - 1));
        ShowRangeTexts();
        RedrawMarkers();
    }
    if (m_drag.grab != MaskRangeDrag::kNone || MarkerAt(point) != MaskRangeDrag::kNone)
        SetSystemCursor(IDC_SIZEWE);
    CDialog::OnMouseMove(flags, point);
}

void CDlgMaskThumbnailWindow::OnLButtonUp(UINT flags, CPoint point)
{
    if (m_drag.grab != MaskRangeDrag::kNone) {
        m_drag.Release();
        ReleaseCapture();
    }
    CDialog::OnLButtonUp(flags, point);
}

BOOL CDlgMaskThumbnailWindow::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (m_drag.grab != MaskRangeDrag::kNone)
        return TRUE;
    return CDialog::OnSetCursor(wnd, hitTest, message);
}
