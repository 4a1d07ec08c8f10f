#include "clip/measure_dialog.h"

#include "clip/panel_beside_frame.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/app_state.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "platform/controls/controls.h"
#include "platform/window/input_keys.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRangeMin = 10;
constexpr int kRangeMax = 99999;
constexpr int kRangeTextLimit = 30;
constexpr int kNearPress = 3;

COLORREF g_lineColors[kMeasureLineCount] = {};  // line 1 lives in the settings

QString FormatInt(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return QString::fromLatin1(text);
}

int LineOfButton(int id)
{
    return id >= IDC_MEASURE_LINE_1 && id < IDC_MEASURE_LINE_1 + kMeasureLineCount ? id - IDC_MEASURE_LINE_1
                                                                                   : -1;
}

bool ValidLine(int line)
{
    return line >= 0 && line < kMeasureLineCount;
}

// Reads an edit's leading decimal number, limited far beyond any range so
// that a long row of digits cannot overflow.
long long LeadingNumber(const QString& text)
{
    const QString t = text.left(kRangeTextLimit).trimmed();
    int at = 0;
    bool negative = false;
    if (at < t.size() && (t[at] == u'-' || t[at] == u'+'))
        negative = t[at++] == u'-';
    long long value = 0;
    for (; at < t.size() && t[at] >= u'0' && t[at] <= u'9'; ++at)
        value = std::min<long long>(value * 10 + (t[at].unicode() - u'0'), 1LL << 40);
    return negative ? -value : value;
}

}  // namespace

COLORREF MeasureLineColor(int line)
{
    if (line == 0)
        return AppSettings.MeasureColor_1;
    return ValidLine(line) ? g_lineColors[line] : 0;
}

void SetMeasureLineColor(int line, COLORREF color)
{
    if (line == 0)
        AppSettings.MeasureColor_1 = color;
    else if (ValidLine(line))
        g_lineColors[line] = color;
}

int ClampMeasureRange(const QString& text)
{
    return static_cast<int>(std::clamp<long long>(LeadingNumber(text), kRangeMin, kRangeMax));
}

QString MeasureLengthText(double length)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", length);
    return QString::fromLatin1(text);
}

QString MeasureMouseText(POINT p)
{
    char text[64];
    if (p.x == -1 || p.y == -1)
        std::snprintf(text, sizeof text, "X:%s , Y:%s", "---", "---");
    else
        std::snprintf(text, sizeof text, "X:%d , Y:%d", static_cast<int>(p.x), static_cast<int>(p.y));
    return QString::fromLatin1(text);
}

CDlgMeasure::CDlgMeasure() : CDialog(&kDialog343Measure, nullptr)
{
}

CDlgMeasure::~CDlgMeasure() = default;

BOOL CDlgMeasure::Create(CWnd* frame)
{
    return CDialog::Create(kDialog343Measure, frame);
}

HWND CDlgMeasure::StageWindow()
{
    return GetAppState().Window(AppWindow::ViewStage);
}

LRESULT CDlgMeasure::SendToStage(UINT message)
{
    const HWND stage = StageWindow();
    return stage ? ::SendMessage(stage, message, 0, 0) : 0;
}

SIZE CDlgMeasure::StageImageSize() const
{
    const auto* stage = dynamic_cast<const CDlgViewStage*>(CWnd::FromHandle(StageWindow()));
    if (!stage || !stage->HasImage())
        return SIZE{0, 0};
    LONG w = 0;
    LONG h = 0;
    stage->Image().GetSize(&w, &h);
    return SIZE{w, h < 0 ? -h : h};
}

BOOL CDlgMeasure::OnInitDialog()
{
    CDialog::OnInitDialog();
    const SIZE image = StageImageSize();
    m_lines = std::make_unique<CMeasureLines>(kMeasureLineCount, image.cx, image.cy);
    m_pressedSwatch = 255;
    m_pressPoint = POINT{-1, -1};
    m_state = kMeasureIdle;
    m_highlight = 0;
    MeasureSwatches();
    PlacePanel();

    m_pixelRange = static_cast<int>(std::clamp<UINT>(AppSettings.PixelRange, kRangeMin, kRangeMax));
    m_unitRange = static_cast<int>(std::clamp<UINT>(AppSettings.VirtualRange, kRangeMin, kRangeMax));
    m_lines->SetScale(m_pixelRange, m_unitRange);
    SetDlgItemText(IDC_MEASURE_PIXEL_RANGE, FormatInt(m_pixelRange));
    SetDlgItemText(IDC_MEASURE_UNIT_RANGE, FormatInt(m_unitRange));

    m_font.CreateFont();
    for (int i = 0; i < kMeasureLineCount; ++i) {
        SetLengthText(i, QStringLiteral("---"));
        if (CWnd* length = GetDlgItem(IDC_MEASURE_LENGTH_1 + i))
            length->SetFont(m_font.GetFont());
        if (CWnd* swatch = GetDlgItem(IDC_MEASURE_SWATCH_1 + i))
            swatch->Invalidate();
    }
    if (CWnd* mouse = GetDlgItem(IDC_MEASURE_MOUSE))
        mouse->SetFont(m_font.GetFont());

    switch (AppSettings.ScaleLineWidth) {
    case 1:
        CheckDlgButton(IDC_MEASURE_WIDTH_THIN, 1);
        break;
    case 2:
        CheckDlgButton(IDC_MEASURE_WIDTH_MEDIUM, 1);
        break;
    case 3:
        CheckDlgButton(IDC_MEASURE_WIDTH_THICK, 1);
        break;
    default:
        break;
    }

    // Line 1 is armed when the panel appears.
    CheckDlgButton(IDC_MEASURE_LINE_1, 1);
    PostMessage(WM_COMMAND, MAKEWPARAM(IDC_MEASURE_LINE_1, BN_CLICKED), 0);
    return TRUE;
}

void CDlgMeasure::PlacePanel()
{
    const RECT r = PanelPlacementBesideFrame(*this);
    MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void CDlgMeasure::OnDestroy()
{
    if (m_lines) {
        m_lines->ClearAll();
        SendToStage(WM_STAGE_RENDER);
    }
    AppSettings.PixelRange = static_cast<UINT>(m_pixelRange);
    AppSettings.VirtualRange = static_cast<UINT>(m_unitRange);
    CDialog::OnDestroy();
}

void CDlgMeasure::OnOK()
{
    // Enter and Esc never close the panel.
}

void CDlgMeasure::OnCancel()
{
}

BOOL CDlgMeasure::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE &&
        (m_state == kMeasureArmed || m_state == kMeasureDrawing))
        SendMessage(WM_MEASURE_CANCEL_LINE);
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CDlgMeasure::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_REPOSITION_PANEL:
        PlacePanel();
        return 0;
    case WM_MEASURE_CANCEL_LINE:
        CancelSelectedLine();
        return 0;
    case WM_MEASURE_MOUSE_POS:
        ShowMousePosition(reinterpret_cast<const POINT*>(lParam));
        return 0;
    case WM_MEASURE_HIGHLIGHT:
        Highlight(wParam == 1, static_cast<int>(lParam));
        return 0;
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

BOOL CDlgMeasure::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (code == EN_KILLFOCUS && (id == IDC_MEASURE_PIXEL_RANGE || id == IDC_MEASURE_UNIT_RANGE)) {
        ApplyRange(id);
        return TRUE;
    }
    if (code != BN_CLICKED)
        return CDialog::OnCommand(wParam, lParam);
    if (const int line = LineOfButton(id); line >= 0) {
        OnLineButton(line);
        return TRUE;
    }
    switch (id) {
    case IDC_MEASURE_WIDTH_THIN:
        OnLineWidth(1);
        return TRUE;
    case IDC_MEASURE_WIDTH_MEDIUM:
        OnLineWidth(2);
        return TRUE;
    case IDC_MEASURE_WIDTH_THICK:
        OnLineWidth(3);
        return TRUE;
    case IDC_MEASURE_CLOSE:
        if (const HWND frame = GetAppState().Window(AppWindow::MainFrame))
            ::SendMessage(frame, WM_FRAME_CLOSE_MEASURE, 0, 0);
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

BOOL CDlgMeasure::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->code == UDN_DELTAPOS) {
        const int delta = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
        // The arrow up (a negative delta) adds the step.
        const int sign = delta < 0 ? 1 : (delta > 0 ? -1 : 0);
        switch (static_cast<int>(wParam)) {
        case IDC_MEASURE_PIXEL_SPIN:
            StepRange(IDC_MEASURE_PIXEL_RANGE, sign * static_cast<int>(AppSettings.SpinAdd_Pixel));
            break;
        case IDC_MEASURE_UNIT_SPIN:
            StepRange(IDC_MEASURE_UNIT_RANGE, sign * static_cast<int>(AppSettings.SpinAdd_Virtual));
            break;
        case IDC_MEASURE_UNIT_ONE_SPIN:
            StepRange(IDC_MEASURE_UNIT_RANGE, sign);
            break;
        default:
            return CDialog::OnNotify(wParam, lParam, result);
        }
        *result = 0;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

int CDlgMeasure::SelectedLine() const
{
    return m_lines ? m_lines->GetSelection().selected : -1;
}

void CDlgMeasure::SetLengthText(int line, const QString& text)
{
    if (ValidLine(line))
        SetDlgItemText(IDC_MEASURE_LENGTH_1 + line, text);
}

void CDlgMeasure::ShowCheckedLengths()
{
    for (int i = 0; i < kMeasureLineCount; ++i)
        if (IsDlgButtonChecked(IDC_MEASURE_LINE_1 + i))
            SetLengthText(i, MeasureLengthText(m_lines->GetLength(i)));
}

void CDlgMeasure::OnLineButton(int line)
{
    if (!ValidLine(line) || !m_lines)
        return;
    if (IsDlgButtonChecked(IDC_MEASURE_LINE_1 + line)) {
        m_state = kMeasureArmed;
        m_lines->SetSelection(kMeasureHitStart, line);
        return;
    }
    m_lines->ClearLine(line);
    m_state = kMeasureIdle;
    SetLengthText(line, QStringLiteral("---"));
    SendToStage(WM_STAGE_RENDER);
}

void CDlgMeasure::CancelSelectedLine()
{
    // Nothing is selected (-1) or the index is no line: nothing to cancel.
    const int line = SelectedLine();
    if (!ValidLine(line))
        return;
    CheckDlgButton(IDC_MEASURE_LINE_1 + line, 0);
    OnLineButton(line);
}

void CDlgMeasure::ApplyRange(int editId)
{
    QString text;
    GetDlgItemText(editId, text);
    const long long read = LeadingNumber(text);
    const int value = ClampMeasureRange(text);
    if (read != value)
        SetDlgItemText(editId, FormatInt(value));
    if (editId == IDC_MEASURE_PIXEL_RANGE)
        m_pixelRange = value;
    else
        m_unitRange = value;
    m_lines->SetScale(m_pixelRange, m_unitRange);
    ShowCheckedLengths();
}

void CDlgMeasure::StepRange(int editId, int step)
{
    QString text;
    GetDlgItemText(editId, text);
    const long long value = std::clamp<long long>(LeadingNumber(text) + step, -kRangeMax, 2LL * kRangeMax);
    SetDlgItemText(editId, FormatInt(static_cast<int>(value)));
    ApplyRange(editId);
}

void CDlgMeasure::OnLineWidth(UINT width)
{
    AppSettings.ScaleLineWidth = width;
    SendToStage(WM_STAGE_RENDER);
}

void CDlgMeasure::ShowMousePosition(const POINT* p)
{
    if (p)
        SetDlgItemText(IDC_MEASURE_MOUSE, MeasureMouseText(*p));
}

void CDlgMeasure::Highlight(bool on, int line)
{
    m_highlight = on ? 255 : 0;
    if (!ValidLine(line))
        return;
    if (CWnd* length = GetDlgItem(IDC_MEASURE_LENGTH_1 + line))
        length->Invalidate();
}

// ---- the stage's side ----

void CDlgMeasure::BeginEndpointDrag(const MeasurePoint& p, const MeasurePoint& a, const MeasurePoint& b)
{
    const int line = m_lines->HitTest(p, a, b);
    if (line < 0)
        return;
    m_state = kMeasureDragging;
    if (m_lines->GetSelection().hitKind == kMeasureHitStart)
        m_lines->SwapEndpoints(line);
}

bool CDlgMeasure::HitTestEndpoint(const MeasurePoint& p, const MeasurePoint& a, const MeasurePoint& b)
{
    return m_lines->HitTest(p, a, b) >= 0;
}

void CDlgMeasure::SetLineStartPoint(const MeasurePoint& p)
{
    m_lines->SetPoint(1, p);
    m_state = kMeasureDrawing;
}

void CDlgMeasure::SetLineEndPoint(const MeasurePoint& p)
{
    m_lines->SetPoint(2, p);
    m_state = kMeasureIdle;
}

void CDlgMeasure::TrackMousePoint(const MeasurePoint& p)
{
    const MeasureSelection s = m_lines->GetSelection();
    if (!ValidLine(s.selected))
        return;
    if (s.hitKind == kMeasureHitLine)
        m_lines->MoveSelectedLine(p);
    else
        m_lines->SetPoint(2, p);
}

void CDlgMeasure::UpdateLineLengthText(const MeasurePoint& p)
{
    if (m_state != kMeasureDrawing && m_state != kMeasureDragging)
        return;
    m_lines->SetScale(m_pixelRange, m_unitRange);
    const int line = SelectedLine();
    const double length =
        m_state == kMeasureDrawing ? m_lines->GetLengthToPoint(line, p) : m_lines->GetSelectedLength();
    SetLengthText(line, MeasureLengthText(length));
}

void CDlgMeasure::SetImageExtent(int width, int height)
{
    m_lines->SetImageSize(width, height);
    for (int i = 0; i < kMeasureLineCount; ++i) {
        if (m_lines->IsInsideImage(i))
            continue;
        m_lines->ClearLine(i);
        SetLengthText(i, QStringLiteral("---"));
        CheckDlgButton(IDC_MEASURE_LINE_1 + i, 0);
        m_state = kMeasureIdle;
    }
}

bool CDlgMeasure::IsNearPressPoint(POINT client) const
{
    if (m_pressPoint.x == -1 && m_pressPoint.y == -1)
        return false;
    return std::abs(client.x - m_pressPoint.x) <= kNearPress &&
        std::abs(client.y - m_pressPoint.y) <= kNearPress;
}
