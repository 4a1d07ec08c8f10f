// The continuous-capture dialog's controls: showing the state, reading each
// entry as it is left (with its limits), the spins and the slider, the
// window list, the range with its preview, the folder and the sample name.
#include "clip/continuous_capture_dialog.h"

#include "clip/continuous_capture_rules.h"
#include "core/combo_helpers.h"
#include "core/file_dialogs.h"
#include "core/frame_services.h"
#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "core/waits.h"
#include "core/window_list.h"
#include "platform/controls/controls.h"
#include "platform/controls/list_ctrl.h"
#include "platform/dialog/msgbox.h"
#include "platform/gdi/resource_bitmaps.h"
#include "platform/x11/enum_windows.h"

namespace {

constexpr const char16_t* kWaitItems[] = {u"0.5", u"0.7", u"1.0", u"1.5", u"2.0", u"3.0", u"5.0", u"7.0"};
constexpr int kSmallIconSize = 16;

// The controls of each target kind.
constexpr int kWindowTargetIds[] = {IDC_CC_WINDOW_LIST, IDC_CC_REFRESH_LIST};
constexpr int kRangeTargetIds[] = {IDC_CC_RANGE_LEFT, IDC_CC_RANGE_TOP, IDC_CC_RANGE_RIGHT,
    IDC_CC_RANGE_BOTTOM, IDC_CC_RANGE_LEFT_LABEL, IDC_CC_RANGE_TOP_LABEL, IDC_CC_RANGE_RIGHT_LABEL,
    IDC_CC_RANGE_BOTTOM_LABEL, IDC_CC_PREVIEW, IDC_CC_LAST_CLIP_RANGE, IDC_CC_FULL_SCREEN};

// Everything the user sets; disabled while a run starts and runs.
constexpr int kSettingIds[] = {IDC_CC_TARGET_WINDOW, IDC_CC_TARGET_RANGE, IDC_CC_WINDOW_LIST,
    IDC_CC_REFRESH_LIST, IDC_CC_RANGE_LEFT, IDC_CC_RANGE_TOP, IDC_CC_RANGE_RIGHT, IDC_CC_RANGE_BOTTOM,
    IDC_CC_LAST_CLIP_RANGE, IDC_CC_FULL_SCREEN, IDC_CC_CURSOR, IDC_CC_FIRST_WAIT, IDC_CC_COUNT,
    IDC_CC_COUNT_SPIN, IDC_CC_INTERVAL, IDC_CC_INTERVAL_SPIN_COARSE, IDC_CC_INTERVAL_SPIN_FINE, IDC_CC_FORCE,
    IDC_CC_FORMAT_BMP, IDC_CC_FORMAT_JPEG, IDC_CC_FORMAT_PNG, IDC_CC_QUALITY, IDC_CC_FOLDER, IDC_CC_BROWSE,
    IDC_CC_GOTO_MULTI, IDC_CC_FILE_NAME, IDC_CC_NUMBER_FIRST, IDC_CC_NUMBER_LAST, IDC_CC_OVERWRITE,
    IDC_CC_SKIP_EXISTING, IDC_CC_HIDE_IN_TASKBAR, IDC_CC_SHOW_COMPACT, IDC_CC_COMPACT_TOP_LEFT,
    IDC_CC_COMPACT_TOP_RIGHT, IDCANCEL};

// The number an edit holds, kept within the int range (text that is no number is 0).
int NumberOfText(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok)
        return 0;
    return static_cast<int>(std::clamp<qlonglong>(value, INT_MIN, INT_MAX));
}

// Checks one radio button of a group and clears the others (their ids do not run in order).
void CheckOneRadio(CWnd& dialog, std::initializer_list<int> group, int checked)
{
    for (int id : group)
        dialog.CheckDlgButton(id, id == checked ? 1 : 0);
}

}  // namespace

// The button pictures live in a static library: their resource data is
// linked in only when named (outside any namespace, as the resource system needs).
static void InitContinuousCaptureResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(continuous_capture_bitmaps);
        return true;
    }();
    (void)once;
}

CListCtrl* CDlgContinueCapture::WindowList() const
{
    return static_cast<CListCtrl*>(GetDlgItem(IDC_CC_WINDOW_LIST));
}

void CDlgContinueCapture::ShowState()
{
    CheckOneRadio(*this, {IDC_CC_TARGET_WINDOW, IDC_CC_TARGET_RANGE},
        m_state.target == 2 ? IDC_CC_TARGET_RANGE : IDC_CC_TARGET_WINDOW);
    SetRange(m_state.range);
    ShowTarget();
    CheckDlgButton(IDC_CC_CURSOR, m_state.cursor == 1 ? 1 : 0);
    SetDlgItemText(IDC_CC_FIRST_WAIT, MillisecondsAsSecondsText(m_state.firstWaitMs));
    SetDlgItemText(IDC_CC_COUNT, QString::number(m_state.count));
    SetDlgItemText(IDC_CC_COUNT_RANGE, CountRangeText());
    SetDlgItemText(IDC_CC_INTERVAL, TenthsText(m_state.intervalTenths));
    SetDlgItemText(IDC_CC_INTERVAL_RANGE, IntervalRangeText());
    CheckDlgButton(IDC_CC_FORCE, m_state.force == 1 ? 1 : 0);

    CheckOneRadio(*this, {IDC_CC_FORMAT_BMP, IDC_CC_FORMAT_JPEG, IDC_CC_FORMAT_PNG},
        m_state.format == kCcFormatJpeg      ? IDC_CC_FORMAT_JPEG
            : m_state.format == kCcFormatPng ? IDC_CC_FORMAT_PNG
                                             : IDC_CC_FORMAT_BMP);
    if (auto* slider = static_cast<CSliderCtrl*>(GetDlgItem(IDC_CC_QUALITY))) {
        slider->SetRange(0, 99, TRUE);
        slider->SetTicFreq(10);
        slider->SetPageSize(5);
        slider->SetLineSize(5);
        slider->SetPos(SliderPosFromQuality(m_state.quality));
    }
    SetDlgItemText(IDC_CC_QUALITY_TEXT, QualityText(m_state.quality));

    SetDlgItemText(IDC_CC_FOLDER, m_state.folder);
    CheckDlgButton(IDC_CC_GOTO_MULTI, m_state.gotoMultiView == 1 ? 1 : 0);
    SetDlgItemText(IDC_CC_STEP7, FileNameStepText());
    SetDlgItemText(IDC_CC_FILE_NAME, m_state.fileName);
    CheckOneRadio(*this, {IDC_CC_NUMBER_FIRST, IDC_CC_NUMBER_LAST},
        m_state.numberFirst == 1 ? IDC_CC_NUMBER_FIRST : IDC_CC_NUMBER_LAST);
    CheckOneRadio(*this, {IDC_CC_OVERWRITE, IDC_CC_SKIP_EXISTING},
        m_state.overwrite == 1 ? IDC_CC_OVERWRITE : IDC_CC_SKIP_EXISTING);
    CheckOneRadio(*this, {IDC_CC_HIDE_IN_TASKBAR, IDC_CC_SHOW_COMPACT},
        m_state.windowState == 1 ? IDC_CC_HIDE_IN_TASKBAR : IDC_CC_SHOW_COMPACT);
    CheckOneRadio(*this, {IDC_CC_COMPACT_TOP_LEFT, IDC_CC_COMPACT_TOP_RIGHT},
        m_state.compactPosition == 2 ? IDC_CC_COMPACT_TOP_RIGHT : IDC_CC_COMPACT_TOP_LEFT);
    ShowFormat();
    ShowWindowState();
}

void CDlgContinueCapture::ShowTarget()
{
    const bool window = m_state.target != 2;
    for (int id : kWindowTargetIds)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(window ? SW_SHOW : SW_HIDE);
    for (int id : kRangeTargetIds)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(window ? SW_HIDE : SW_SHOW);
    SetDlgItemText(IDC_CC_TARGET_GROUP,
        window ? QStringLiteral("キャプチャウィンドウの選択") : QStringLiteral("キャプチャ範囲の設定(入力)"));
}

void CDlgContinueCapture::ShowFormat()
{
    const BOOL jpeg = m_state.format == kCcFormatJpeg ? TRUE : FALSE;
    for (int id : {IDC_CC_QUALITY, IDC_CC_QUALITY_TEXT})
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(jpeg);
    ShowSampleName();
}

void CDlgContinueCapture::ShowWindowState()
{
    const BOOL compact = m_state.windowState == 2 ? TRUE : FALSE;
    for (int id : {IDC_CC_COMPACT_TOP_LEFT, IDC_CC_COMPACT_TOP_RIGHT})
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(compact);
}

void CDlgContinueCapture::ShowSampleName()
{
    // The name of frame 1, numbered with as many digits as the count needs.
    // A copy: the session's settings belong to the run (its saver reads them).
    ContinuousCaptureSettings settings = m_session->settings;
    settings.fileName = m_state.fileName;
    settings.numberFirst = m_state.numberFirst;
    settings.saveFormat = m_state.format;
    settings.count = m_state.count;
    SetDlgItemText(IDC_CC_SAMPLE, ContinuousCaptureFileName(settings, 1, m_state.count));
}

void CDlgContinueCapture::FillWaitCombo()
{
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_CC_FIRST_WAIT));
    if (!combo)
        return;
    combo->ResetContent();
    for (const char16_t* item : kWaitItems)
        combo->AddString(QString::fromUtf16(item));
}

void CDlgContinueCapture::BuildWindowList()
{
    CListCtrl* list = WindowList();
    if (list)
        list->DeleteAllItems();
    FreeWindowList();
    m_icons.DeleteImageList();
    AllocWindowList(AppSettings.CaptureListMax);
    if (!g_pWindowList || !list)
        return;
    EnumWindows(EnumWindowListProc, 0);
    m_icons.Create(kSmallIconSize, kSmallIconSize, ILC_COLOR32 | ILC_MASK, g_nWindowListCount, 1);
    WindowIconList icons;
    if (BuildWindowIconList(icons))
        for (const QImage& icon : icons.images)
            m_icons.Add(icon);
    list->SetImageList(&m_icons, LVSIL_SMALL);
    for (int i = 0; i < g_nWindowListCount; ++i)
        list->InsertItem(i, g_pWindowList[i].title, i < m_icons.GetImageCount() ? i : -1);
}

void CDlgContinueCapture::SetRange(const RECT& range)
{
    m_state.range = range;
    SetDlgItemText(IDC_CC_RANGE_LEFT, QString::number(range.left));
    SetDlgItemText(IDC_CC_RANGE_TOP, QString::number(range.top));
    SetDlgItemText(IDC_CC_RANGE_RIGHT, QString::number(range.right));
    SetDlgItemText(IDC_CC_RANGE_BOTTOM, QString::number(range.bottom));
    if (CWnd* preview = GetDlgItem(IDC_CC_PREVIEW))
        preview->Invalidate();
}

void CDlgContinueCapture::ReadRangeEdge(int id)
{
    QString text;
    GetDlgItemText(id, text);
    const SIZE screen = ScreenSize();
    const bool horizontal = id == IDC_CC_RANGE_LEFT || id == IDC_CC_RANGE_RIGHT;
    const int value = ClampRangeEdge(NumberOfText(text), horizontal ? screen.cx : screen.cy);
    RECT range = m_state.range;
    switch (id) {
    case IDC_CC_RANGE_LEFT:
        range.left = value;
        break;
    case IDC_CC_RANGE_TOP:
        range.top = value;
        break;
    case IDC_CC_RANGE_RIGHT:
        range.right = value;
        break;
    default:
        range.bottom = value;
        break;
    }
    SetRange(range);
}

void CDlgContinueCapture::ReadFirstWait()
{
    QString text;
    GetDlgItemText(IDC_CC_FIRST_WAIT, text);
    // Shows the limit's message itself when one applied.
    m_state.firstWaitMs = GetWaitTimeFromEditText(text);
    SetDlgItemText(IDC_CC_FIRST_WAIT, MillisecondsAsSecondsText(m_state.firstWaitMs));
}

void CDlgContinueCapture::ReadCount()
{
    QString text;
    GetDlgItemText(IDC_CC_COUNT, text);
    m_state.count = ClampCaptureCount(NumberOfText(text));
    SetDlgItemText(IDC_CC_COUNT, QString::number(m_state.count));
    ShowSampleName();
}

void CDlgContinueCapture::StepCount(int delta)
{
    ReadCount();
    m_state.count = ClampCaptureCount(m_state.count + delta);
    SetDlgItemText(IDC_CC_COUNT, QString::number(m_state.count));
    ShowSampleName();
}

void CDlgContinueCapture::ReadInterval()
{
    QString text;
    GetDlgItemText(IDC_CC_INTERVAL, text);
    m_state.intervalTenths = IntervalTenthsFromText(text);
    SetDlgItemText(IDC_CC_INTERVAL, TenthsText(m_state.intervalTenths));
}

void CDlgContinueCapture::StepInterval(int tenths)
{
    ReadInterval();
    m_state.intervalTenths = ClampIntervalTenths(m_state.intervalTenths + tenths);
    SetDlgItemText(IDC_CC_INTERVAL, TenthsText(m_state.intervalTenths));
}

void CDlgContinueCapture::ReadFolder()
{
    QString text;
    GetDlgItemText(IDC_CC_FOLDER, text);
    m_state.folder = text.left(kCcFolderCapacity);
    AddBackslash(m_state.folder);
    SetDlgItemText(IDC_CC_FOLDER, m_state.folder);
}

void CDlgContinueCapture::BrowseFolder()
{
    ReadFolder();
    QString path = m_state.folder;
    const int chosen = BrowseForFolder(GetSafeHwnd(), path, QStringLiteral("保存フォルダの選択"));
    if (chosen == 2)
        AfxMessageBox(QStringLiteral("Kestrelが対応していないファイルパスの長さです。"));
    // No folder chosen: the documents folder.
    if (chosen != 1 || path.isEmpty())
        path = g_szMyDocumentsFolder;
    AddBackslash(path);
    m_state.folder = path;
    SetDlgItemText(IDC_CC_FOLDER, m_state.folder);
}

void CDlgContinueCapture::ReadFileName()
{
    // Setting the text below tells of a change again.
    if (m_bReadingFileName)
        return;
    m_bReadingFileName = true;
    QString text;
    GetDlgItemText(IDC_CC_FILE_NAME, text);
    m_state.fileName = text.left(kCcFileNameLimit);
    ShowSampleName();
    m_bReadingFileName = false;
}

void CDlgContinueCapture::DrawPreview(CDC* dc, CWnd* preview)
{
    RECT area{};
    preview->GetClientRect(&area);
    dc->FillSolidRect(&area, ::GetSysColor(COLOR_BTNFACE));
    const SIZE screen = ScreenSize();
    const RangePreview shown = ComputeRangePreview(area, screen.cx, screen.cy, m_state.range);
    dc->FillSolidRect(&shown.screen, RGB(192, 192, 192));
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CBrush white(RGB(255, 255, 255));
    CPen* oldPen = dc->SelectObject(&red);
    CBrush* oldBrush = dc->SelectObject(&white);
    dc->Rectangle(&shown.range);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}

void CDlgContinueCapture::ReadAllEntries()
{
    if (m_state.target == 2)
        for (int id : {IDC_CC_RANGE_LEFT, IDC_CC_RANGE_TOP, IDC_CC_RANGE_RIGHT, IDC_CC_RANGE_BOTTOM})
            ReadRangeEdge(id);
    ReadFirstWait();
    ReadCount();
    ReadInterval();
    ReadFolder();
    ReadFileName();
}

void CDlgContinueCapture::EnableSettings(bool enable)
{
    for (int id : kSettingIds)
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(enable ? TRUE : FALSE);
    if (!enable) {
        if (CWnd* quality = GetDlgItem(IDC_CC_QUALITY_TEXT))
            quality->EnableWindow(FALSE);
        return;
    }
    // What depends on another choice follows it again.
    if (CWnd* gotoMulti = GetDlgItem(IDC_CC_GOTO_MULTI))
        gotoMulti->EnableWindow(GetFrameServices().IsMultiViewInProgram() ? TRUE : FALSE);
    ShowFormat();
    ShowWindowState();
}

void CDlgContinueCapture::LoadButtonBitmaps()
{
    FreeButtonBitmaps();
    InitContinuousCaptureResources();
    const bool large = GetIconScale() == 2;
    m_startBitmap =
        LoadBitmapFile(QStringLiteral(":/continuous_capture/bitmap_%1.png").arg(large ? 388 : 386));
    m_stopBitmap =
        LoadBitmapFile(QStringLiteral(":/continuous_capture/bitmap_%1.png").arg(large ? 389 : 387));
}

void CDlgContinueCapture::FreeButtonBitmaps()
{
    if (auto* button = static_cast<CButton*>(GetDlgItem(IDOK)))
        button->SetBitmap(nullptr);
    for (HBITMAP* bitmap : {&m_startBitmap, &m_stopBitmap})
        if (*bitmap)
            ::DeleteObject(std::exchange(*bitmap, nullptr));
}

void CDlgContinueCapture::ShowButtonBitmap(bool running)
{
    if (auto* button = static_cast<CButton*>(GetDlgItem(IDOK)))
        button->SetBitmap(running ? m_stopBitmap : m_startBitmap);
}

bool CDlgContinueCapture::HandleControlCommand(UINT id, UINT code)
{
    const bool clicked = code == BN_CLICKED;
    switch (id) {
    case IDC_CC_TARGET_WINDOW:
    case IDC_CC_TARGET_RANGE:
        if (!clicked)
            return false;
        m_state.target = id == IDC_CC_TARGET_RANGE ? 2 : 1;
        ShowTarget();
        return true;
    case IDC_CC_REFRESH_LIST:
        if (clicked)
            BuildWindowList();
        return clicked;
    case IDC_CC_RANGE_LEFT:
    case IDC_CC_RANGE_TOP:
    case IDC_CC_RANGE_RIGHT:
    case IDC_CC_RANGE_BOTTOM:
        if (code == EN_KILLFOCUS)
            ReadRangeEdge(static_cast<int>(id));
        return true;
    case IDC_CC_LAST_CLIP_RANGE:
    case IDC_CC_FULL_SCREEN: {
        if (!clicked)
            return false;
        const SIZE screen = ScreenSize();
        SetRange(id == IDC_CC_FULL_SCREEN
                ? FullScreenRange(screen.cx, screen.cy)
                : RangeFromLastClip(AppSettings.ClipPrevRect, screen.cx, screen.cy));
        return true;
    }
    case IDC_CC_CURSOR:
        m_state.cursor = IsDlgButtonChecked(IDC_CC_CURSOR) ? 1 : 0;
        return true;
    case IDC_CC_FIRST_WAIT:
        if (code == CBN_CLOSEUP || code == CBN_KILLFOCUS)
            ReadFirstWait();
        else if (code == CBN_SETFOCUS)
            FitComboDropSize(this, static_cast<CComboBox*>(GetDlgItem(IDC_CC_FIRST_WAIT)));
        return true;
    case IDC_CC_COUNT:
        if (code == EN_KILLFOCUS)
            ReadCount();
        return true;
    case IDC_CC_INTERVAL:
        if (code == EN_KILLFOCUS)
            ReadInterval();
        return true;
    case IDC_CC_FORCE:
        m_state.force = IsDlgButtonChecked(IDC_CC_FORCE) ? 1 : 0;
        return true;
    case IDC_CC_FORMAT_BMP:
    case IDC_CC_FORMAT_JPEG:
    case IDC_CC_FORMAT_PNG:
        if (!clicked)
            return false;
        m_state.format = id == IDC_CC_FORMAT_JPEG ? kCcFormatJpeg
            : id == IDC_CC_FORMAT_PNG             ? kCcFormatPng
                                                  : kCcFormatBmp;
        ShowFormat();
        return true;
    case IDC_CC_FOLDER:
        if (code == EN_KILLFOCUS)
            ReadFolder();
        return true;
    case IDC_CC_BROWSE:
        if (clicked)
            BrowseFolder();
        return clicked;
    case IDC_CC_GOTO_MULTI:
        m_state.gotoMultiView = IsDlgButtonChecked(IDC_CC_GOTO_MULTI) ? 1 : 0;
        return true;
    case IDC_CC_FILE_NAME:
        if (code == EN_CHANGE)
            ReadFileName();
        return true;
    case IDC_CC_NUMBER_FIRST:
    case IDC_CC_NUMBER_LAST:
        m_state.numberFirst = id == IDC_CC_NUMBER_FIRST ? 1 : 0;
        ShowSampleName();
        return true;
    case IDC_CC_OVERWRITE:
    case IDC_CC_SKIP_EXISTING:
        m_state.overwrite = id == IDC_CC_OVERWRITE ? 1 : 0;
        return true;
    case IDC_CC_HIDE_IN_TASKBAR:
    case IDC_CC_SHOW_COMPACT:
        m_state.windowState = id == IDC_CC_SHOW_COMPACT ? 2 : 1;
        ShowWindowState();
        return true;
    case IDC_CC_COMPACT_TOP_LEFT:
    case IDC_CC_COMPACT_TOP_RIGHT:
        m_state.compactPosition = id == IDC_CC_COMPACT_TOP_RIGHT ? 2 : 1;
        return true;
    default:
        return false;
    }
}

BOOL CDlgContinueCapture::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == IDOK && code == BN_CLICKED) {
        OnStartStop();
        return TRUE;
    }
    if (HandleControlCommand(id, code))
        return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CDlgContinueCapture::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->code == UDN_DELTAPOS) {
        // The spins run from high to low: the upward step is negative.
        const int delta = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
        const int up = delta < 0 ? 1 : -1;
        if (delta != 0) {
            if (header->idFrom == IDC_CC_COUNT_SPIN)
                StepCount(up);
            else if (header->idFrom == IDC_CC_INTERVAL_SPIN_COARSE)
                StepInterval(10 * up);
            else if (header->idFrom == IDC_CC_INTERVAL_SPIN_FINE)
                StepInterval(up);
            else
                return CDialog::OnNotify(wParam, lParam, result);
        }
        *result = 0;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

void CDlgContinueCapture::OnHScroll(UINT code, UINT pos, CWnd* bar)
{
    if (bar && bar->GetDlgCtrlID() == IDC_CC_QUALITY) {
        m_state.quality = QualityFromSliderPos(static_cast<CSliderCtrl*>(bar)->GetPos());
        SetDlgItemText(IDC_CC_QUALITY_TEXT, QualityText(m_state.quality));
        return;
    }
    CDialog::OnHScroll(code, pos, bar);
}
