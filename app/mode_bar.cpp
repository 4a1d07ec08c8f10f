// The mode bar's making, place, pictures and message routing.
#include "app/mode_bar.h"

#include "app/frame_globals.h"
#include "app/frame_window_table.h"
#include "app/main_frame.h"
#include "core/mode_bar_messages.h"
#include "core/panel_messages.h"
#include "core/system_figures.h"
#include "platform/controls/controls.h"
#include "platform/gdi/resource_bitmaps.h"

// The pictures live in a static library: their resource data is linked in
// only when named (outside any namespace, as the resource system needs).
static void InitModeBarResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(mode_bar_bitmaps);
        return true;
    }();
    (void)once;
}

namespace {

// BM_SETIMAGE's wParam for a bitmap.
constexpr WPARAM kImageBitmap = 0;

// A new bitmap of the resource (the caller deletes it); null for an unknown id.
HBITMAP LoadModeBarBitmap(int resourceId)
{
    InitModeBarResources();
    return LoadBitmapFile(QStringLiteral(":/mode_bar/bitmap_%1.png").arg(resourceId));
}

}  // namespace

bool IsMultiViewInProgram()
{
    return FindFrameWindowRow(FrameWindowTable(), AppWindow::MultiViewStage) != nullptr;
}

CDlgModeChoice::CDlgModeChoice(CWnd* parent)
    : CDialog(&kDialog280ModeChoice, parent), m_frame(dynamic_cast<CMainFrame*>(parent))
{
}

CDlgModeChoice::~CDlgModeChoice()
{
    FreeImages();
}

CMainFrame* CDlgModeChoice::Frame() const
{
    return m_frame ? m_frame : g_pMainFrame;
}

BOOL CDlgModeChoice::OnInitDialog()
{
    CDialog::OnInitDialog();
    MoveToPlace();
    LoadImages();
    Refresh();
    // The switch to the multi view waits for the multi view.
    if (CWnd* multi = GetDlgItem(IDC_MODE_TO_MULTI))
        multi->EnableWindow(IsMultiViewInProgram() ? TRUE : FALSE);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

void CDlgModeChoice::OnDestroy()
{
    FreeImages();
    CDialog::OnDestroy();
}

void CDlgModeChoice::OnOK()
{
    // The bar never closes itself.
}

void CDlgModeChoice::OnCancel()
{
}

void CDlgModeChoice::MoveToPlace()
{
    RECT frame{};
    if (CMainFrame* f = Frame(); f && f->GetSafeHwnd())
        f->GetWindowRect(&frame);
    RECT self{};
    GetWindowRect(&self);
    const RECT r =
        ModeBarPlacement(frame, g_ScreenMetrics, SIZE{self.right - self.left, self.bottom - self.top});
    MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void CDlgModeChoice::LoadImages()
{
    FreeImages();
    const int scale = GetIconScale();
    for (int i = 0; i < kModeBarImageCount; ++i) {
        m_imageIds[i] = ModeBarBitmapId(static_cast<ModeBarImage>(i), scale);
        m_images[i] = LoadModeBarBitmap(m_imageIds[i]);
    }
}

void CDlgModeChoice::FreeImages()
{
    // The buttons let go of their pictures before the pictures go.
    if (GetSafeHwnd()) {
        for (int button : {int{IDC_MODE_TO_CLIP}, int{IDC_MODE_TO_MULTI}})
            if (GetDlgItem(button))
                SendDlgItemMessage(button, BM_SETIMAGE, kImageBitmap, 0);
    }
    m_shownClip = m_shownMulti = 0;
    for (HBITMAP& image : m_images) {
        if (image)
            DeleteObject(image);
        image = nullptr;
    }
}

void CDlgModeChoice::Refresh()
{
    const bool measuring = Frame() && Frame()->Window(AppWindow::Measure) != nullptr;
    const ModeBarPictures pictures = ModeBarPicturesFor(g_nAppMode, measuring);
    const int clip = static_cast<int>(pictures.clipButton);
    const int multi = static_cast<int>(pictures.multiButton);
    SendDlgItemMessage(
        IDC_MODE_TO_MULTI, BM_SETIMAGE, kImageBitmap, reinterpret_cast<LPARAM>(m_images[multi]));
    SendDlgItemMessage(IDC_MODE_TO_CLIP, BM_SETIMAGE, kImageBitmap, reinterpret_cast<LPARAM>(m_images[clip]));
    m_shownMulti = m_images[multi] ? m_imageIds[multi] : 0;
    m_shownClip = m_images[clip] ? m_imageIds[clip] : 0;
}

int CDlgModeChoice::ShownImage(int button) const
{
    if (button == IDC_MODE_TO_CLIP)
        return m_shownClip;
    if (button == IDC_MODE_TO_MULTI)
        return m_shownMulti;
    return 0;
}

LRESULT CDlgModeChoice::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MODEBAR_REFRESH:
        Refresh();
        return 0;
    case WM_REPOSITION_PANEL:
        MoveToPlace();
        return 0;
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

BOOL CDlgModeChoice::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDC_MODE_TO_CLIP:
        SwitchToClipMode();
        return TRUE;
    case IDC_MODE_TO_MULTI:
        SwitchToMultiView();
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}
