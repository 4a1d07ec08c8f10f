// The mask settings: set-up, the calendar, the type boxes and OK.
#include "multiview/mask_dialog.h"

#include "core/date_utils.h"
#include "core/multi_view_messages.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "imaging/preset_font.h"
#include "multiview/histogram_graph.h"
#include "multiview/multi_view_stage.h"
#include "multiview/thumb_mask.h"
#include "platform/controls/controls.h"
#include "platform/gdi/resource_bitmaps.h"

#include <algorithm>

namespace {

constexpr int kTypeCount = 5;
constexpr int kMeasureIds[4] = {
    IDC_MASK_MEASURE_SIZE, IDC_MASK_MEASURE_WIDTH, IDC_MASK_MEASURE_HEIGHT, IDC_MASK_MEASURE_NAME};

RECT ChildRect(const CWnd& dialog, int id)
{
    RECT r{};
    if (CWnd* child = dialog.GetDlgItem(id)) {
        child->GetWindowRect(&r);
        dialog.ScreenToClient(&r);
    }
    return r;
}

}  // namespace

// The pictures live in a static library: their resource data is linked in
// only when named (outside any namespace, as the resource system needs).
static HBITMAP LoadMaskButtonBitmap(int resourceId)
{
    static const bool once = [] {
        Q_INIT_RESOURCE(mask_bitmaps);
        return true;
    }();
    (void)once;
    return LoadBitmapFile(QStringLiteral(":/mask/bitmap_%1.png").arg(resourceId));
}

CDlgMaskThumbnailWindow::CDlgMaskThumbnailWindow(CDlgMultiViewStage* stage, CWnd* parent)
    : CDialog(&kDialog374MaskThumbnail, parent), m_stage(stage)
{
}

CDlgMaskThumbnailWindow::~CDlgMaskThumbnailWindow() = default;

BOOL CDlgMaskThumbnailWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_initialising = true;
    TakeCalendarGeometry();
    for (int id : kMaskMonthMarkIds)
        if (CWnd* mark = GetDlgItem(id))
            mark->ShowWindow(SW_HIDE);
    m_maskExt = AppSettings.MaskExt;
    m_include = AppSettings.IncludeMaskFile ? 1 : 0;
    ApplyFonts();
    ShowButtonPictures();
    SetDlgItemText(
        IDC_MASK_NOTICE, QStringLiteral("● チェックを外した日付＆拡張子のファイルをマスク表示します。"));
    TakeWindowSizes();
    CheckDlgButton(IDC_MASK_EXCLUDE, m_include == 0 ? 1 : 0);
    for (int t = 0; t < kTypeCount; ++t)
        CheckDlgButton(IDC_MASK_TYPE_1 + t, (m_maskExt & (1u << t)) ? 0 : 1);

    if (m_stage) {
        m_days = m_stage->Mask().GetDays();
        m_presentTypes = m_stage->Mask().GetExtensionBits();
    }
    m_measure =
        static_cast<BYTE>(std::clamp<int>(AppSettings.ExtensionMask, kMeasureByteSize, kMeasureNameLength));
    FillYears();
    ShowMonthsOfYear();
    if (m_stage) {
        const WORD year = m_stage->Mask().GetRememberedYear();
        const BYTE month = m_stage->Mask().GetRememberedMonth();
        const auto it = std::find(m_years.begin(), m_years.end(), year);
        if (it != m_years.end() && month >= 1 && month <= 12 &&
            (MaskMonthsWithData(m_days, year) >> (month - 1)) & 1) {
            if (auto* box = dynamic_cast<CComboBox*>(GetDlgItem(IDC_MASK_YEAR)))
                box->SetCurSel(static_cast<int>(it - m_years.begin()));
            m_year = year;
            ShowMonthsOfYear();
            CheckDlgButton(IDC_MASK_MONTH_1 + m_month - 1, 0);
            m_month = month;
            CheckDlgButton(IDC_MASK_MONTH_1 + m_month - 1, 1);
        }
    }
    LayOutDays();
    DisableAbsentTypes();

    m_graphRect = ChildRect(*this, IDC_MASK_GRAPH);
    m_graph = std::make_unique<CHistogramGraph>(m_graphRect);
    m_drag = MaskRangeDrag{};
    for (int id : {IDC_MASK_LOW, IDC_MASK_HIGH})
        if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(id)))
            edit->LimitText(10);
    for (int id : {IDC_MASK_UNUSED_1, IDC_MASK_UNUSED_2})
        if (CWnd* unused = GetDlgItem(id))
            unused->ShowWindow(SW_HIDE);
    return TRUE;
}

void CDlgMaskThumbnailWindow::TakeCalendarGeometry()
{
    const RECT label = ChildRect(*this, IDC_MASK_DAY_LABEL_1);
    const RECT box = ChildRect(*this, IDC_MASK_DAY_1);
    const RECT box9 = ChildRect(*this, IDC_MASK_DAY_1 + 8);
    m_labelOrigin = POINT{label.left, label.top};
    m_boxOrigin = POINT{box.left, box.top};
    m_labelSize = SIZE{label.right - label.left, label.bottom - label.top};
    m_boxSize = SIZE{box.right - box.left, box.bottom - box.top};
    m_step = SIZE{box9.left - box.left, box9.top - box.top};
}

void CDlgMaskThumbnailWindow::TakeWindowSizes()
{
    const int fw = g_ScreenMetrics.frameWidth;
    const int cap = g_ScreenMetrics.captionHeight;
    const RECT cancel = ChildRect(*this, IDCANCEL);
    const RECT group = ChildRect(*this, IDC_MASK_EXT_GROUP);
    const int height = cancel.bottom + fw + cap + 15;
    m_normalSize = SIZE{fw + cancel.right + 15, height};
    m_extendedSize = SIZE{fw + group.right + 15, height};
}

void CDlgMaskThumbnailWindow::ApplyFonts()
{
    m_font = std::make_unique<CPresetFont>(10);
    m_font->CreateFont();
    std::vector<int> ids{IDC_MASK_NOTICE, IDC_MASK_EXCLUDE};
    for (int m = 0; m < 12; ++m)
        ids.push_back(IDC_MASK_MONTH_LABEL_1 + m);
    for (int w = 0; w < 7; ++w)
        ids.push_back(IDC_MASK_WEEKDAY_1 + w);
    for (int id : ids)
        if (CWnd* control = GetDlgItem(id))
            control->SetFont(m_font->GetFont());
}

// Every "set all" button shows one picture and every "clear all" button the
// other, at the icon scale.
void CDlgMaskThumbnailWindow::ShowButtonPictures()
{
    const bool large = GetIconScale() == 2;
    const int ids[2] = {large ? 379 : 377, large ? 380 : 378};
    m_pictures.Load(
        2, [&ids](int i) { return ids[i]; }, LoadMaskButtonBitmap);
    for (int set : {IDC_MASK_ALL_YEARS_SET, IDC_MASK_MONTH_SET, IDC_MASK_TYPES_SET})
        m_pictures.Show(*this, set, 0);
    for (int clear : {IDC_MASK_ALL_YEARS_CLEAR, IDC_MASK_MONTH_CLEAR, IDC_MASK_TYPES_CLEAR})
        m_pictures.Show(*this, clear, 1);
}

void CDlgMaskThumbnailWindow::FillYears()
{
    m_years = MaskDistinctYears(m_days);
    auto* box = dynamic_cast<CComboBox*>(GetDlgItem(IDC_MASK_YEAR));
    if (!box)
        return;
    box->ResetContent();
    for (WORD year : m_years)
        box->AddString(QString::number(year));
    if (m_years.empty()) {
        m_year = 0;
        return;
    }
    box->SetCurSel(0);
    box->SetCurSel(static_cast<int>(m_years.size()) - 1);
    SelectYearFromBox();
}

void CDlgMaskThumbnailWindow::SelectYearFromBox()
{
    auto* box = dynamic_cast<CComboBox*>(GetDlgItem(IDC_MASK_YEAR));
    if (!box || m_years.empty())
        return;
    QString text;
    const int index = box->GetCurSel();
    if (index >= 0)
        box->GetLBText(index, text);
    const int year = text.toInt();
    m_year = (year < 1900 || year > 2100) ? m_years.back() : static_cast<WORD>(year);
}

void CDlgMaskThumbnailWindow::ShowMonthsOfYear()
{
    const WORD months = MaskMonthsWithData(m_days, m_year);
    m_month = 0;
    for (int m = 1; m <= 12; ++m) {
        const bool has = (months >> (m - 1)) & 1;
        CheckDlgButton(IDC_MASK_MONTH_1 + m - 1, 0);
        if (CWnd* radio = GetDlgItem(IDC_MASK_MONTH_1 + m - 1))
            radio->EnableWindow(has);
        if (CWnd* mark = GetDlgItem(kMaskMonthMarkIds[m - 1]))
            mark->EnableWindow(has);
        CheckDlgButton(kMaskMonthMarkIds[m - 1], has ? 1 : 0);
        if (has)
            m_month = static_cast<BYTE>(m);
    }
    if (m_month != 0)
        CheckDlgButton(IDC_MASK_MONTH_1 + m_month - 1, 1);
}

void CDlgMaskThumbnailWindow::LayOutDays()
{
    const bool monthShown = m_year != 0 && m_month >= 1 && m_month <= 12;
    const std::vector<MaskCalendarCell> cells =
        monthShown ? LayoutMaskCalendar(m_year, m_month) : std::vector<MaskCalendarCell>{};
    for (int i = 1; i <= 31; ++i) {
        CWnd* label = GetDlgItem(IDC_MASK_DAY_LABEL_1 + i - 1);
        CWnd* box = GetDlgItem(IDC_MASK_DAY_1 + i - 1);
        if (!label || !box)
            continue;
        CheckDlgButton(IDC_MASK_DAY_1 + i - 1, 0);
        box->EnableWindow(FALSE);
        if (i > static_cast<int>(cells.size())) {
            label->ShowWindow(SW_HIDE);
            box->ShowWindow(SW_HIDE);
            continue;
        }
        const MaskCalendarCell cell = cells[i - 1];
        // Two-digit labels move left so the digits end where one digit does.
        const int shift = i >= 10 ? 3 : 0;
        label->MoveWindow(m_labelOrigin.x + cell.column * m_step.cx - shift,
            m_labelOrigin.y + cell.row * m_step.cy, m_labelSize.cx, m_labelSize.cy);
        box->MoveWindow(m_boxOrigin.x + cell.column * m_step.cx, m_boxOrigin.y + cell.row * m_step.cy,
            m_boxSize.cx, m_boxSize.cy);
        label->ShowWindow(SW_SHOW);
        box->ShowWindow(SW_SHOW);
        for (const MaskDateEntry& e : m_days)
            if (e.SameDay(m_year, m_month, static_cast<BYTE>(i))) {
                box->EnableWindow(TRUE);
                CheckDlgButton(IDC_MASK_DAY_1 + i - 1, e.masked ? 0 : 1);
            }
    }
}

void CDlgMaskThumbnailWindow::DisableAbsentTypes()
{
    for (int t = 0; t < kTypeCount; ++t)
        if (CWnd* box = GetDlgItem(IDC_MASK_TYPE_1 + t))
            box->EnableWindow((m_presentTypes >> t) & 1);
}

void CDlgMaskThumbnailWindow::SizeForMode()
{
    const SIZE size = AppSettings.IsTMIExtMode == 1 ? m_extendedSize : m_normalSize;
    SetWindowPos(nullptr, AppSettings.TMIDlgPos_x, AppSettings.TMIDlgPos_y, size.cx, size.cy, SWP_NOZORDER);
    SetDlgItemText(IDC_MASK_MODE,
        AppSettings.IsTMIExtMode == 1 ? QStringLiteral("ノーマルモード <<")
                                      : QStringLiteral("拡張モード >>"));
}

void CDlgMaskThumbnailWindow::OnShowWindow(BOOL show, UINT status)
{
    CDialog::OnShowWindow(show, status);
    if (!show || !m_initialising)
        return;
    SizeForMode();
    if (AppSettings.IsTMIExtMode == 1) {
        for (int id : {IDC_MASK_MINIMUM, IDC_MASK_MAXIMUM, IDC_MASK_LOW, IDC_MASK_HIGH})
            SetDlgItemText(id, QStringLiteral("---"));
        CheckDlgButton(kMeasureIds[m_measure - 1], 1);
        SetTimer(IDT_MASK_GRAPH, 100);
    }
    m_initialising = false;
}

void CDlgMaskThumbnailWindow::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    if (m_initialising)
        return;
    RECT r{};
    GetWindowRect(&r);
    AppSettings.TMIDlgPos_x = r.left;
    AppSettings.TMIDlgPos_y = r.top;
}

void CDlgMaskThumbnailWindow::OnTimer(UINT_PTR id)
{
    if (id != IDT_MASK_GRAPH) {
        CDialog::OnTimer(id);
        return;
    }
    KillTimer(IDT_MASK_GRAPH);
    BuildGraph(true);
}

BOOL CDlgMaskThumbnailWindow::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id >= IDC_MASK_DAY_1 && id < IDC_MASK_DAY_1 + 31 && code == BN_CLICKED) {
        OnDayClicked(id - IDC_MASK_DAY_1 + 1);
        return TRUE;
    }
    if (id >= IDC_MASK_MONTH_1 && id < IDC_MASK_MONTH_1 + 12 && code == BN_CLICKED) {
        OnMonthClicked(id - IDC_MASK_MONTH_1 + 1);
        return TRUE;
    }
    if (id >= IDC_MASK_TYPE_1 && id < IDC_MASK_TYPE_1 + kTypeCount && code == BN_CLICKED) {
        OnTypeClicked(id - IDC_MASK_TYPE_1);
        return TRUE;
    }
    for (int m = 0; m < 4; ++m)
        if (id == kMeasureIds[m] && code == BN_CLICKED) {
            OnMeasureClicked(m + 1);
            return TRUE;
        }
    switch (id) {
    case IDC_MASK_YEAR:
        if (code == CBN_CLOSEUP || code == CBN_KILLFOCUS)
            OnYearChosen();
        return TRUE;
    case IDC_MASK_LOW:
    case IDC_MASK_HIGH:
        if (code == EN_KILLFOCUS)
            OnRangeEditDone(id == IDC_MASK_HIGH);
        return TRUE;
    default:
        break;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_MASK_ALL_YEARS_SET:
        case IDC_MASK_ALL_YEARS_CLEAR:
            SetDaysInScope(0, 0, id == IDC_MASK_ALL_YEARS_CLEAR ? 1 : 0);
            return TRUE;
        case IDC_MASK_MONTH_SET:
        case IDC_MASK_MONTH_CLEAR:
            // Without a month shown the scope would widen to the whole year.
            if (m_year != 0 && m_month != 0)
                SetDaysInScope(m_year, m_month, id == IDC_MASK_MONTH_CLEAR ? 1 : 0);
            return TRUE;
        case IDC_MASK_TYPES_SET:
        case IDC_MASK_TYPES_CLEAR:
            SetAllTypes(id == IDC_MASK_TYPES_SET);
            return TRUE;
        case IDC_MASK_EXCLUDE:
            m_include = IsDlgButtonChecked(IDC_MASK_EXCLUDE) ? 0 : 1;
            return TRUE;
        case IDC_MASK_MODE:
            OnToggleMode();
            return TRUE;
        case IDC_MASK_RANGE_RESET:
            OnRangeReset();
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgMaskThumbnailWindow::OnDayClicked(int day)
{
    if (m_year == 0 || m_month == 0)
        return;
    const BYTE masked = IsDlgButtonChecked(IDC_MASK_DAY_1 + day - 1) ? 0 : 1;
    SetMaskedInScope(m_days, m_year, m_month, static_cast<BYTE>(day), masked);
}

void CDlgMaskThumbnailWindow::OnMonthClicked(int month)
{
    m_month = static_cast<BYTE>(month);
    LayOutDays();
}

void CDlgMaskThumbnailWindow::OnYearChosen()
{
    const WORD before = m_year;
    SelectYearFromBox();
    if (m_year == before)
        return;
    ShowMonthsOfYear();
    LayOutDays();
}

void CDlgMaskThumbnailWindow::SetDaysInScope(WORD year, BYTE month, BYTE masked)
{
    SetMaskedInScope(m_days, year, month, 0, masked);
    LayOutDays();
}

void CDlgMaskThumbnailWindow::OnTypeClicked(int index)
{
    const WORD bit = static_cast<WORD>(1u << index);
    if (IsDlgButtonChecked(IDC_MASK_TYPE_1 + index))
        m_maskExt = static_cast<WORD>(m_maskExt & ~bit);
    else
        m_maskExt = static_cast<WORD>(m_maskExt | bit);
}

void CDlgMaskThumbnailWindow::SetAllTypes(bool shown)
{
    m_maskExt = shown ? 0 : static_cast<WORD>((1u << kTypeCount) - 1);
    for (int t = 0; t < kTypeCount; ++t)
        CheckDlgButton(IDC_MASK_TYPE_1 + t, shown ? 1 : 0);
}

BOOL CDlgMaskThumbnailWindow::PreTranslateMessage(MSG* msg)
{
    // Esc does not end the dialog; only "キャンセル" does.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE)
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CDlgMaskThumbnailWindow::OnOK()
{
    if (m_stage) {
        // A range is only chosen on the graph; a dialog that never showed it
        // leaves the stored range as it was.
        if (m_graphBuilt)
            m_stage->Tally().SetRange(m_drag.low, m_drag.high);
        m_stage->Mask().ApplyMaskedDays(m_days);
        m_stage->Mask().UpdateSingleDate();
        m_stage->Mask().SetRemembered(m_year, m_month);
    }
    AppSettings.ExtensionMask = m_measure;
    AppSettings.MaskExt = m_maskExt;
    AppSettings.IncludeMaskFile = m_include;
    EndDialog(IDOK);
}

void CDlgMaskThumbnailWindow::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDlgMaskThumbnailWindow::OnDestroy()
{
    KillTimer(IDT_MASK_GRAPH);
    if (m_drag.grab != MaskRangeDrag::kNone)
        ReleaseCapture();
    m_graph.reset();
    m_pictures.Free(*this);
    CDialog::OnDestroy();
}

HBRUSH CDlgMaskThumbnailWindow::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, kind);
    if (!control || !dc)
        return brush;
    const int id = control->GetDlgCtrlID();
    if (id == IDC_MASK_WEEKDAY_1)
        dc->SetTextColor(RGB(255, 0, 0));
    else if (id == IDC_MASK_WEEKDAY_1 + 6)
        dc->SetTextColor(RGB(0, 0, 255));
    else if (id == IDC_MASK_GRAPH && m_graphBuilt && m_graph)
        m_graph->Compose(dc);
    return brush;
}
