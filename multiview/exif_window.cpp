#include "multiview/exif_window.h"

#include "core/app_state.h"
#include "core/frame_messages.h"
#include "core/multi_control_messages.h"
#include "exif/exif_reader.h"
#include "exif/exif_tag_mask.h"
#include "imaging/preset_font.h"
#include "multiview/exif_window_layout.h"
#include "multiview/multi_view_stage.h"
#include "platform/system/screen_metrics.h"

#include <QFileInfo>
#include <algorithm>

namespace {

constexpr int kListFontPreset = 10;
constexpr int kPathChars = 520;
// How far the window must reach into the stage before it stays on top of it.
constexpr int kStageOverlap = 20;

RECT g_rememberedRect{};

int Width(const RECT& r)
{
    return r.right - r.left;
}

int Height(const RECT& r)
{
    return r.bottom - r.top;
}

HWND FrameWindow()
{
    return GetAppState().Window(AppWindow::MainFrame);
}

int FrameDpi()
{
    const HWND frame = FrameWindow();
    HDC dc = ::GetDC(frame);
    const int dpi = dc ? ::GetDeviceCaps(dc, LOGPIXELSX) : 96;
    if (dc)
        ::ReleaseDC(frame, dc);
    return dpi;
}

}  // namespace

CDlgViewExifInfo::CDlgViewExifInfo(CWnd* parent, NarrowFrame narrowFrame)
    : CDialog(&kDialog307ExifInfo, parent), m_narrowFrame(std::move(narrowFrame))
{
}

CDlgViewExifInfo::~CDlgViewExifInfo() = default;

BOOL CDlgViewExifInfo::Create(CWnd* parent)
{
    return CDialog::Create(kDialog307ExifInfo, parent);
}

RECT CDlgViewExifInfo::RememberedRect()
{
    return g_rememberedRect;
}

void CDlgViewExifInfo::ForgetRememberedRectForTesting()
{
    g_rememberedRect = RECT{};
}

QString CDlgViewExifInfo::Text() const
{
    return m_edit.GetSafeHwnd() ? m_edit.GetWindowText() : QString();
}

SIZE CDlgViewExifInfo::Screen() const
{
    if (m_screenOverride.cx > 0 && m_screenOverride.cy > 0)
        return m_screenOverride;
    return QueryScreenSize();
}

BOOL CDlgViewExifInfo::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_edit.SubclassDlgItem(IDC_EXIF_INFO_TEXT, this);
    GetWindowRect(&m_rcWindow);
    m_edit.GetWindowRect(&m_rcEdit);
    m_widthMargin = Width(m_rcWindow) - Width(m_rcEdit);
    m_heightMargin = Height(m_rcWindow) - Height(m_rcEdit);
    ScreenToClient(&m_rcEdit);
    CreateListFont(-ExifDisplaySettings.fontSize);
    BringWindowToTop();
    return TRUE;
}

void CDlgViewExifInfo::CreateListFont(int height)
{
    auto font = std::make_unique<CPresetFont>(kListFontPreset);
    font->GetLogFont()->lfHeight = height;
    font->GetLogFont()->lfWeight = 400;
    font->CreateFont();
    m_listFont = std::move(font);
}

QStringList CDlgViewExifInfo::ReadLines(const QString& path)
{
    QStringList lines;
    CExifReader reader;
    const int shown = reader.TagTable().CountSelected();
    if (shown <= 0 || !reader.ReadFile(path))
        return lines;
    const int count = reader.FormatTags(lines, shown, kExifLineChars);
    // Only the lines the formatter counted; anything after them is not a line.
    lines = lines.mid(0, std::clamp(count, 0, static_cast<int>(lines.size())));
    const auto firstEmpty =
        std::find_if(lines.begin(), lines.end(), [](const QString& l) { return l.isEmpty(); });
    lines.erase(firstEmpty, lines.end());
    return lines;
}

SIZE CDlgViewExifInfo::MeasureLines(CDC& dc, const QString& fileName, const QStringList& lines) const
{
    const CSize name = dc.GetTextExtent(fileName);
    int widest = name.cx;
    int height = name.cy;
    int lastHeight = 0;
    const int spacing = ExifLineSpacing(FrameDpi());
    for (const QString& line : lines) {
        const CSize size = dc.GetTextExtent(ExifLineText(line));
        widest = std::max<int>(widest, size.cx);
        height += size.cy + spacing;
        lastHeight = size.cy;
    }
    return SIZE{static_cast<LONG>(widest * 1.1), height + lastHeight};
}

LRESULT CDlgViewExifInfo::ShowExif(const QString& path)
{
    m_edit.SetFont(m_listFont->GetFont());
    CDC* dc = m_edit.GetDC();
    if (!dc)
        return 0;
    CFont* old = dc->SelectObject(m_listFont->GetFont());
    if (!old) {
        m_edit.ReleaseDC(dc);
        return 0;
    }
    m_path = path.left(kPathChars);
    const QString fileName = QFileInfo(m_path).fileName();
    const QStringList lines = ReadLines(m_path);
    m_edit.SetWindowText(QString());
    LRESULT result = 0;
    if (!lines.isEmpty()) {
        const SIZE need = MeasureLines(*dc, fileName, lines);
        ApplySize(need.cx, need.cy);
        m_edit.SetWindowText(BuildExifText(fileName, lines));
        result = 1;
    } else {
        const QString text = QString::fromUtf16(kExifNoInformation);
        // Measured as one line, the way the text would be drawn without its break.
        const CSize size = dc->GetTextExtent(QString(text).remove(QStringLiteral("\r\n")));
        ApplySize(size.cx, size.cy * 3);
        m_edit.SetWindowText(text);
    }
    dc->SelectObject(old);
    m_edit.ReleaseDC(dc);
    RaiseOverStage();
    return result;
}

void CDlgViewExifInfo::ApplySize(int width, int height)
{
    RECT window{};
    RECT edit{};
    GetWindowRect(&window);
    m_edit.GetWindowRect(&edit);
    int widthMargin = Width(window) - Width(edit);
    if (widthMargin < 0)
        widthMargin = m_widthMargin;
    int belowEdit = window.bottom - edit.bottom;
    if (belowEdit < 0)
        belowEdit = m_heightMargin;
    ScreenToClient(&edit);

    const SIZE screen = Screen();
    // The window is never wider than the screen.
    width = std::min(width, std::max(0, static_cast<int>(screen.cx) - widthMargin));
    m_rcEdit = RECT{edit.left, edit.top, edit.left + width, edit.top + height};
    m_rcWindow = window;
    m_rcWindow.right = window.left + width + widthMargin;
    m_rcWindow.bottom += Height(m_rcEdit) - Height(edit);
    const ExifVerticalFit fit = FitExifBottom(m_rcWindow.bottom, screen.cy);
    m_rcWindow.bottom = fit.bottom;
    m_rcEdit.bottom -= fit.shortenedBy;
    m_scrollBarShown = fit.shortenedBy > 0;
    m_edit.ModifyStyle(m_scrollBarShown ? 0 : WS_VSCROLL, m_scrollBarShown ? WS_VSCROLL : 0);

    if (!m_sized && !ExifDisplaySettings.rememberPosition) {
        m_tracking = 0;
        DockBesideFrame();
        g_rememberedRect = m_rcWindow;
    }
    m_sized = 1;
    MoveWindow(&m_rcWindow, TRUE);
    m_edit.MoveWindow(&m_rcEdit, TRUE);
    m_tracking = 1;
}

void CDlgViewExifInfo::DockBesideFrame()
{
    const HWND frame = FrameWindow();
    if (!frame)
        return;
    AppStateSource& app = GetAppState();
    const RECT before = app.WindowRect(frame);
    const SIZE size{Width(m_rcWindow), Height(m_rcWindow)};
    const ExifDock dock = DockExifWindow(Screen().cx, before, size, kMultiStageMinWidth);
    if (dock.narrowFrame && m_narrowFrame)
        m_narrowFrame(before, dock.frame);
    m_rcWindow = dock.window;
}

void CDlgViewExifInfo::RaiseOverStage()
{
    AppStateSource& app = GetAppState();
    const HWND stage = app.Window(AppWindow::MultiViewStage);
    RECT window{};
    GetWindowRect(&window);
    const RECT r = stage ? app.WindowRect(stage) : RECT{};
    const bool overlaps = stage && window.left < r.right - kStageOverlap &&
        r.left + kStageOverlap < window.right && window.top < r.bottom - kStageOverlap;
    if (overlaps)
        app.BringToTop(GetSafeHwnd());
    else if (stage && !(m_settingsOpen && m_settingsOpen()))
        app.BringToTop(stage);
}

void CDlgViewExifInfo::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    if (m_tracking && GetSafeHwnd())
        GetWindowRect(&g_rememberedRect);
}

void CDlgViewExifInfo::OnShowWindow(BOOL show, UINT status)
{
    CDialog::OnShowWindow(show, status);
    if (show && g_rememberedRect.left != 0 && g_rememberedRect.top != 0) {
        RECT now{};
        GetWindowRect(&now);
        MoveWindow(g_rememberedRect.left, g_rememberedRect.top, Width(now), Height(now), TRUE);
    }
}

void CDlgViewExifInfo::CloseByUser()
{
    AppStateSource& app = GetAppState();
    if (const HWND panel = app.Window(AppWindow::MultiViewPanel))
        ::SendMessageW(panel, WM_MULTICTL_RESET_EXIF_BUTTON);
    if (const HWND frame = app.Window(AppWindow::MainFrame))
        ::SendMessageW(frame, WM_FRAME_CLOSE_EXIFVIEW);
}

void CDlgViewExifInfo::OnOK()
{
    CloseByUser();
}

void CDlgViewExifInfo::OnCancel()
{
    CloseByUser();
}

void CDlgViewExifInfo::OnClose()
{
    CloseByUser();
}

BOOL CDlgViewExifInfo::DestroyWindow()
{
    if (!GetSafeHwnd())
        return FALSE;
    m_listFont.reset();
    if (const HWND frame = FrameWindow())
        ::SendMessageW(frame, WM_FRAME_EXIFVIEW_DESTROYED);
    return CDialog::DestroyWindow();
}

LRESULT CDlgViewExifInfo::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_EXIFVIEW_SHOW:
        return wParam && m_listFont ? ShowExif(*reinterpret_cast<const QString*>(wParam)) : 0;
    case WM_EXIFVIEW_RELOAD:
        if (!m_path.isEmpty())
            SendMessage(WM_EXIFVIEW_SHOW, reinterpret_cast<WPARAM>(&m_path));
        return 0;
    case WM_EXIFVIEW_SET_FONT:
        CreateListFont(-static_cast<int>(wParam));
        return 0;
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}
