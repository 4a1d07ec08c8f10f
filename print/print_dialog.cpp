// The print dialog's set-up, settings, margins, fit modes and closing.
#include "print/print_dialog.h"

#include "core/app_state.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "platform/controls/controls.h"
#include "platform/window/control_mouse_routing.h"

#include <algorithm>

namespace {

CDlgPrintOut* g_running = nullptr;

constexpr int kMarginEdits[4] = {
    IDC_PRINT_MARGIN_LEFT, IDC_PRINT_MARGIN_RIGHT, IDC_PRINT_MARGIN_TOP, IDC_PRINT_MARGIN_BOTTOM};

// The spin step is always 1 mm (stored as 2) and the margins never move
// together.
constexpr BYTE kMarginSpinVolume = 2;

int SideIndex(MarginSide side)
{
    return static_cast<int>(side);
}

bool MarginSideOfEdit(int id, MarginSide* side)
{
    for (int i = 0; i < 4; ++i) {
        if (kMarginEdits[i] == id) {
            *side = static_cast<MarginSide>(i);
            return true;
        }
    }
    return false;
}

bool MarginSideOfSpin(int id, MarginSide* side)
{
    switch (id) {
    case IDC_PRINT_SPIN_LEFT:
        *side = MarginSide::Left;
        return true;
    case IDC_PRINT_SPIN_RIGHT:
        *side = MarginSide::Right;
        return true;
    case IDC_PRINT_SPIN_TOP:
        *side = MarginSide::Top;
        return true;
    case IDC_PRINT_SPIN_BOTTOM:
        *side = MarginSide::Bottom;
        return true;
    default:
        return false;
    }
}

QString MillimetreText(double millimetres)
{
    return QString::number(millimetres, 'g', 15);
}

}  // namespace

CDlgPrintOut::CDlgPrintOut(HBITMAP bitmap, CDC* memDC, SIZE imageSize, CWnd* parent)
    : CDialog(&kDialog273PrintOut, parent), m_bitmap(bitmap), m_memDC(memDC), m_imageSize(imageSize)
{
}

CDlgPrintOut::~CDlgPrintOut() = default;

CDlgPrintOut* CDlgPrintOut::Running()
{
    return g_running;
}

INT_PTR CDlgPrintOut::DoModal()
{
    CDlgPrintOut* before = g_running;
    g_running = this;
    const INT_PTR result = CDialog::DoModal();
    g_running = before;
    return result;
}

BOOL CDlgPrintOut::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_preview)
        m_preview = std::make_unique<CVirtualWindow>();
    ReadSettings();

    if (CWnd* frame = GetDlgItem(IDC_PRINT_PREVIEW)) {
        frame->GetWindowRect(&m_previewArea);
        ScreenToClient(&m_previewArea);
        // The preview's mouse is the dialog's: it drags the margin lines.
        LetMouseThrough(frame->GetSafeHwnd());
    }
    ShowMargins();
    ApplyMarginsToLayout();

    if (!QueryPrinter()) {
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }

    // The radios' ids are not in order: each is ticked on its own.
    static constexpr int kModeRadios[3] = {IDC_PRINT_FIT_WIDTH, IDC_PRINT_ACTUAL_SIZE, IDC_PRINT_ONE_PAGE};
    for (int mode = 0; mode < 3; ++mode)
        CheckDlgButton(kModeRadios[mode], mode == m_fitMode ? 1 : 0);
    m_currentPage = 1;
    RebuildPreviewBuffer();
    Recompute();
    SetWindowText(QString::fromUtf16(kPrintOutCaption));
    return TRUE;
}

void CDlgPrintOut::ReadSettings()
{
    m_options.printPageNumbers = AppSettings.ViewPage;
    m_options.numberPosition = AppSettings.ViewPagePos;
    m_options.numberFormat = AppSettings.ViewFormat;
    m_viewExPrnMenu = AppSettings.ViewExPrnMenu;
    m_fitMode = AppSettings.HowToPrint <= kFitOnePage ? AppSettings.HowToPrint : BYTE{kFitWidthToMargins};
    const BYTE unit = AppSettings.PaperUnit;
    m_margins[SideIndex(MarginSide::Left)] = StoredMarginToMillimetres(AppSettings.MarginLeft, unit);
    m_margins[SideIndex(MarginSide::Right)] = StoredMarginToMillimetres(AppSettings.MarginRight, unit);
    m_margins[SideIndex(MarginSide::Top)] = StoredMarginToMillimetres(AppSettings.MarginTop, unit);
    m_margins[SideIndex(MarginSide::Bottom)] = StoredMarginToMillimetres(AppSettings.MarginBottom, unit);
    // Read and then replaced: see StoreSettings.
    AppSettings.MarginSpinVolume = kMarginSpinVolume;
    AppSettings.IndependMargin = 0;
}

void CDlgPrintOut::StoreSettings()
{
    const BYTE unit = AppSettings.PaperUnit;
    AppSettings.HowToPrint = m_fitMode;
    AppSettings.MarginLeft = MillimetresToStoredMargin(m_margins[SideIndex(MarginSide::Left)], unit);
    AppSettings.MarginRight = MillimetresToStoredMargin(m_margins[SideIndex(MarginSide::Right)], unit);
    AppSettings.MarginTop = MillimetresToStoredMargin(m_margins[SideIndex(MarginSide::Top)], unit);
    AppSettings.MarginBottom = MillimetresToStoredMargin(m_margins[SideIndex(MarginSide::Bottom)], unit);
    AppSettings.IndependMargin = 0;
    AppSettings.MarginSpinVolume = kMarginSpinVolume;
    AppSettings.ViewPage = m_options.printPageNumbers;
    AppSettings.ViewPagePos = m_options.numberPosition;
    AppSettings.ViewFormat = m_options.numberFormat;
    AppSettings.ViewExPrnMenu = m_viewExPrnMenu;
    // The dialog keeps the template's placement.
    AppSettings.DlgPrintOutLeft = 0;
    AppSettings.DlgPrintOutRight = 0;
    AppSettings.DlgPrintOutTop = 0;
    AppSettings.DlgPrintOutBottom = 0;
}

void CDlgPrintOut::OnOK()
{
    // A margin typed and not yet left counts as left.
    for (int i = 0; i < 4; ++i)
        OnMarginEditDone(static_cast<MarginSide>(i));
    StoreSettings();
    CDialog::OnOK();
}

void CDlgPrintOut::ShowMargins()
{
    for (int i = 0; i < 4; ++i)
        SetDlgItemText(kMarginEdits[i], MillimetreText(m_margins[i]));
}

void CDlgPrintOut::ApplyMarginsToLayout()
{
    const auto hundredths = [this](MarginSide side) {
        return MillimetresToHundredths(m_margins[SideIndex(side)]);
    };
    m_layout.SetDefaultMargins(hundredths(MarginSide::Left), hundredths(MarginSide::Right),
        hundredths(MarginSide::Top), hundredths(MarginSide::Bottom));
}

int CDlgPrintOut::PaperSideFor(MarginSide side) const
{
    return side == MarginSide::Left || side == MarginSide::Right ? m_paperWidth : m_paperHeight;
}

bool CDlgPrintOut::ReadMarginEdit(MarginSide side, double* millimetres)
{
    QString text;
    GetDlgItemText(kMarginEdits[SideIndex(side)], text);
    const std::optional<double> value = ParseRealField(text);
    if (!value)
        return false;
    *millimetres = *value;
    return true;
}

bool CDlgPrintOut::TrySetMargin(MarginSide side, double millimetres)
{
    if (!IsMarginValid(millimetres, PaperSideFor(side)))
        return false;
    m_margins[SideIndex(side)] = millimetres;
    return true;
}

void CDlgPrintOut::OnMarginEditDone(MarginSide side)
{
    const double old = m_margins[SideIndex(side)];
    double typed = old;
    if (ReadMarginEdit(side, &typed) && TrySetMargin(side, typed)) {
        if (typed != old)
            Recompute();
        return;
    }
    SetDlgItemText(kMarginEdits[SideIndex(side)], MillimetreText(old));
}

void CDlgPrintOut::OnSpin(MarginSide side, int proposedDelta)
{
    const double next = m_margins[SideIndex(side)] + SpinMarginStep(side, proposedDelta);
    if (!TrySetMargin(side, next))
        return;
    SetDlgItemText(kMarginEdits[SideIndex(side)], MillimetreText(next));
    Recompute();
}

void CDlgPrintOut::OnFitMode(BYTE mode)
{
    m_fitMode = mode;
    Recompute();
}

BOOL CDlgPrintOut::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    MarginSide side{};
    if (MarginSideOfEdit(id, &side)) {
        if (code == EN_KILLFOCUS)
            OnMarginEditDone(side);
        return TRUE;
    }
    if (code != BN_CLICKED)
        return CDialog::OnCommand(wParam, lParam);
    switch (id) {
    case IDC_PRINT_FIT_WIDTH:
        OnFitMode(kFitWidthToMargins);
        return TRUE;
    case IDC_PRINT_ACTUAL_SIZE:
        OnFitMode(kFitActualSize);
        return TRUE;
    case IDC_PRINT_ONE_PAGE:
        OnFitMode(kFitOnePage);
        return TRUE;
    case IDC_PRINT_PAGE_UP:
    case IDC_PRINT_PAGE_DOWN:
        ShowPage(m_currentPage + (id == IDC_PRINT_PAGE_UP ? -1 : 1));
        return TRUE;
    case IDC_PRINT_SETUP:
        OnPrinterSetup();
        return TRUE;
    case IDC_PRINT_START:
        OnPrint();
        return TRUE;
    case IDC_PRINT_CLOSE:
        SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

BOOL CDlgPrintOut::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    MarginSide side{};
    if (header && header->code == UDN_DELTAPOS && MarginSideOfSpin(static_cast<int>(header->idFrom), &side)) {
        OnSpin(side, reinterpret_cast<const NMUPDOWN*>(header)->iDelta);
        *result = 0;  // the spin's own position may change
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

BOOL CDlgPrintOut::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
        case VK_PRIOR:
        case VK_UP:
            PostMessage(WM_COMMAND, MAKEWPARAM(IDC_PRINT_PAGE_UP, BN_CLICKED), 0);
            return TRUE;
        case VK_NEXT:
        case VK_DOWN:
            PostMessage(WM_COMMAND, MAKEWPARAM(IDC_PRINT_PAGE_DOWN, BN_CLICKED), 0);
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CDlgPrintOut::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATEAPP:
        if (wParam) {
            SendToAppWindow(AppWindow::MainFrame, WM_FRAME_RAISE_STAGE);
            SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        }
        return CDialog::WindowProc(message, wParam, lParam);
    case WM_SHOWWINDOW:
        if (wParam) {
            RebuildPreviewBuffer();
            DrawPreview();
        }
        return CDialog::WindowProc(message, wParam, lParam);
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}
