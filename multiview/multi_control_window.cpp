// The multi-view panel's making and ending, its pictures and tool tips, where
// it stands, and the routing of its messages and commands.
#include "multiview/multi_control_window.h"

#include "clip/panel_beside_frame.h"
#include "core/app_state.h"
#include "core/frame_messages.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "core/panel_messages.h"
#include "core/system_figures.h"
#include "multiview/multi_control_state.h"

namespace {

struct ToolTipText {
    int id;
    const char16_t* text;
};

constexpr ToolTipText kToolTips[] = {
    {IDC_MULTICTL_LOAD_STOP, u"フォルダ内を再読込み又は中断します。"},
    {IDC_MULTICTL_FOLDER_DIALOG, u"フォルダ選択ダイアログを開きます。"},
    {IDC_MULTICTL_GRID_VIEW, u"サムネイル画像をタイル表示します。"},
    {IDC_MULTICTL_PREVIEW_VIEW, u"画像をプレビュー表示します。"},
    {IDC_MULTICTL_CLEAR_VIEW, u"表示(サムネイル)画像をクリアします。"},
    {IDC_MULTICTL_COPY_PICTURE, u"イメージコピー"},
    {IDC_MULTICTL_OPEN_IN_CLIP, u"編集モード"},
    {IDC_MULTICTL_DELETE, u"ファイル削除"},
    {IDC_MULTICTL_COPY_FILES, u"ファイルコピー"},
    {IDC_MULTICTL_BATCH_SHRINK, u"イメージ縮小"},
    {IDC_MULTICTL_RENAME_ONE, u"ファイル名変更(個別)"},
    {IDC_MULTICTL_RENAME_BATCH, u"ファイル名変更(一括)"},
};

constexpr int kToolTipAutoPopMs = 5000;
constexpr int kToolTipInitialMs = 500;

}  // namespace

CDlgMultiControlWindow::CDlgMultiControlWindow() : CDialog(&kDialog279MultiControl)
{
}

CDlgMultiControlWindow::~CDlgMultiControlWindow()
{
    FreeButtonImages();
}

BOOL CDlgMultiControlWindow::Create(CWnd* frame)
{
    return CDialog::Create(kDialog279MultiControl, frame);
}

BOOL CDlgMultiControlWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_comboEdited = false;
    m_changed = false;
    m_watch.Stop();
    m_lastHover = -1;

    const MultiViewPanelCopies& copies = GetMultiViewPanelCopies();
    for (int i = 0; i < kMultiFolderHistoryCount; ++i)
        m_history[i] = copies.history[i];
    m_viewMode = copies.viewMode;
    // A new panel starts unsorted; a finished load counts as stopped.
    m_sortKey = kSortNone;
    m_descending = 0;
    m_displayState =
        copies.displayState == kMultiDisplayFinished ? kMultiDisplayStopped : copies.displayState;

    LoadButtonImages();
    ShowViewModeImages();
    ShowLoadStopImage();
    for (auto [id, image] : {std::pair{IDC_MULTICTL_CLEAR_VIEW, MultiPanelImage::ClearView},
             {IDC_MULTICTL_COPY_PICTURE, MultiPanelImage::CopyPicture},
             {IDC_MULTICTL_OPEN_IN_CLIP, MultiPanelImage::OpenInClipMode},
             {IDC_MULTICTL_DELETE, MultiPanelImage::Delete},
             {IDC_MULTICTL_COPY_FILES, MultiPanelImage::CopyFiles},
             {IDC_MULTICTL_BATCH_SHRINK, MultiPanelImage::BatchShrink},
             {IDC_MULTICTL_RENAME_ONE, MultiPanelImage::RenameOne},
             {IDC_MULTICTL_RENAME_BATCH, MultiPanelImage::RenameBatch}})
        SetButtonImage(id, image);
    for (int id : {IDC_MULTICTL_COPY_PICTURE, IDC_MULTICTL_OPEN_IN_CLIP, IDC_MULTICTL_DELETE,
             IDC_MULTICTL_COPY_FILES, IDC_MULTICTL_EXIF_CLEAR, IDC_MULTICTL_EXIF_SHOW,
             IDC_MULTICTL_BATCH_SHRINK, IDC_MULTICTL_RENAME_ONE, IDC_MULTICTL_RENAME_BATCH})
        EnableItem(id, true);  // disabled while its work is not part of the program

    // The clip-mode panel's place and width, the own height.
    RECT self{};
    GetWindowRect(&self);
    const int height = self.bottom - self.top;
    AppStateSource& state = GetAppState();
    if (const HWND clipPanel = state.Window(AppWindow::ControlPanel)) {
        const RECT r = state.WindowRect(clipPanel);
        MoveWindow(r.left, r.top, r.right - r.left, height);
    } else {
        OnRepositionPanel();
    }
    GetWindowRect(&m_rcWindow);

    FillFolderCombo();
    if (CComboBox* combo = FolderCombo()) {
        combo->LimitText(kMultiFolderTextChars);
        combo->SetWindowText(m_history[0]);
        combo->GetWindowRect(&m_rcCombo);
        ScreenToClient(&m_rcCombo);
    }
    ResetSortRadios();
    CheckDlgButton(IDC_MULTICTL_DESCENDING, m_descending ? 1 : 0);
    SetUpSlider();
    CreateToolTips();
    MeasureHoverAreas();
    ShowItem(IDC_MULTICTL_CELL_POS, false);
    ShowItem(IDC_MULTICTL_TOTALS, false);
    SendToFrame(WM_FRAME_STATUS_MULTI, 0);
    return TRUE;
}

BOOL CDlgMultiControlWindow::DestroyWindow()
{
    // The state goes back for the next panel of this run.
    m_ending = true;
    StopFolderWatch();
    for (UINT_PTR* slot :
        {&m_rearmTimer, &m_progressTimer, &m_firstRunTimer, &m_initialLoadTimer, &m_buttonTimer})
        StopTimer(*slot);
    MultiViewPanelCopies& copies = GetMultiViewPanelCopies();
    for (int i = 0; i < kMultiFolderHistoryCount; ++i)
        copies.history[i] = m_history[i];
    copies.viewMode = m_viewMode;
    copies.sortKey = m_sortKey;
    copies.descending = m_descending;
    copies.displayState = m_displayState;
    FreeButtonImages();
    return CDialog::DestroyWindow();
}

LRESULT CDlgMultiControlWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_REPOSITION_PANEL:
        OnRepositionPanel();
        return 0;
    case WM_MULTICTL_CELL_POS:
        SetDlgItemText(
            IDC_MULTICTL_CELL_POS, CellPositionText(static_cast<int>(wParam), static_cast<int>(lParam)));
        return 1;
    case WM_MULTICTL_FILE_TEXT:
        return OnFileText(reinterpret_cast<const QString*>(wParam), reinterpret_cast<const QString*>(lParam));
    case WM_MULTICTL_FILE_SIZE:
        return OnFileSize(static_cast<ULONGLONG>(wParam), reinterpret_cast<const SIZE*>(lParam));
    case WM_MULTICTL_PROGRESS_START:
        OnProgressStart(static_cast<int>(wParam));
        return 0;
    case WM_MULTICTL_PROGRESS_STOP:
        OnProgressStop();
        return 0;
    case WM_MULTICTL_ENABLE_SORT:
        OnEnableSort(static_cast<unsigned>(wParam));
        return 0;
    case WM_MULTICTL_DISABLE_SORT:
        OnDisableSort(static_cast<unsigned>(wParam));
        return 0;
    case WM_MULTICTL_SORT_PROGRESS_SHOW:
        if (auto* bar = dynamic_cast<CProgressCtrl*>(GetDlgItem(IDC_MULTICTL_SORT_PROGRESS))) {
            bar->ShowWindow(SW_SHOW);
            bar->SetRange32(0, static_cast<int>(wParam));
            bar->SetPos(0);
        }
        return 0;
    case WM_MULTICTL_SORT_PROGRESS_POS:
        if (auto* bar = dynamic_cast<CProgressCtrl*>(GetDlgItem(IDC_MULTICTL_SORT_PROGRESS)))
            bar->SetPos(static_cast<int>(wParam));
        return 0;
    case WM_MULTICTL_SORT_PROGRESS_HIDE:
        if (auto* bar = dynamic_cast<CProgressCtrl*>(GetDlgItem(IDC_MULTICTL_SORT_PROGRESS))) {
            bar->SetPos(0);
            bar->ShowWindow(SW_HIDE);
        }
        return 0;
    case WM_MULTICTL_TOTALS:
        OnShowTotals(static_cast<int>(wParam));
        return 0;
    case WM_MULTICTL_SELECTED_COUNT:
        return OnSelectedCount(static_cast<int>(wParam));
    case WM_MULTICTL_DISPLAY_STATE:
        SetDisplayState(static_cast<int>(wParam));
        return 0;
    case WM_MULTICTL_RELOAD:
        RequestFolderLoad(FolderLoadKind::ComboTextToHistory, false);
        return 0;
    case WM_MULTICTL_SET_FOLDER:
        return OnSetFolder(reinterpret_cast<const QString*>(wParam));
    case WM_MULTICTL_SET_THUMB_SIZE:
        return OnSetThumbSize(static_cast<int>(wParam));
    case WM_MULTICTL_STEP_THUMB_SIZE:
        return OnStepThumbSize(static_cast<int>(static_cast<INT_PTR>(wParam)));
    case WM_MULTICTL_REARM_WATCH:
        StartTimer(IDT_MULTICTL_WATCH_REARM, 1000, m_rearmTimer);
        return 0;
    case WM_MULTICTL_STOP_WATCH:
        StopFolderWatch();
        return 0;
    case WM_MULTICTL_RESET_EXIF_BUTTON:
        SetDlgItemText(IDC_MULTICTL_EXIF_SHOW, QStringLiteral("表示"));
        return 0;
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

BOOL CDlgMultiControlWindow::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    // Controls that lose the focus as the panel goes start nothing, nor does
    // a button whose work is not part of the program.
    if (m_ending || !IsPanelButtonAvailable(id))
        return TRUE;
    switch (id) {
    case IDC_MULTICTL_GRID_VIEW:
        SetViewMode(kMultiViewGrid);
        return TRUE;
    case IDC_MULTICTL_PREVIEW_VIEW:
        SetViewMode(kMultiViewPreview);
        return TRUE;
    case IDC_MULTICTL_SORT_NAME:
        OnSortRadio(id, kSortByName);
        return TRUE;
    case IDC_MULTICTL_SORT_DATE:
        OnSortRadio(id, kSortByDate);
        return TRUE;
    case IDC_MULTICTL_SORT_SIZE:
        OnSortRadio(id, kSortBySize);
        return TRUE;
    case IDC_MULTICTL_DESCENDING:
        OnDescending();
        return TRUE;
    case IDC_MULTICTL_FOLDER_DIALOG:
        OnFolderDialog();
        return TRUE;
    case IDC_MULTICTL_LOAD_STOP:
        OnLoadStop();
        return TRUE;
    case IDC_MULTICTL_CLEAR_VIEW:
        OnClearView();
        return TRUE;
    case IDC_MULTICTL_COPY_PICTURE:
        OnCopyPicture();
        return TRUE;
    case IDC_MULTICTL_OPEN_IN_CLIP:
        OnOpenInClipMode();
        return TRUE;
    case IDC_MULTICTL_DELETE:
        OnDelete();
        return TRUE;
    case IDC_MULTICTL_COPY_FILES:
        OnCopyFiles();
        return TRUE;
    case IDC_MULTICTL_EXIF_CLEAR:
        OnExifClear();
        return TRUE;
    case IDC_MULTICTL_EXIF_SHOW:
        OnExifShow();
        return TRUE;
    case IDC_MULTICTL_BATCH_SHRINK:
        SendToStage(WM_MULTI_BATCH_SHRINK);
        return TRUE;
    case IDC_MULTICTL_RENAME_ONE:
        OnRename(1);
        return TRUE;
    case IDC_MULTICTL_RENAME_BATCH:
        OnRename(2);
        return TRUE;
    case IDC_MULTICTL_FOLDER:
        OnFolderCombo(code);
        return TRUE;
    case IDOK:
    case IDCANCEL:
        return TRUE;  // Enter and Esc do nothing
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

// Pictures.

void CDlgMultiControlWindow::LoadButtonImages()
{
    const int scale = GetIconScale();
    m_pictures.Load(
        kMultiPanelImageCount,
        [scale](int i) { return MultiPanelBitmapId(static_cast<MultiPanelImage>(i), scale); },
        LoadMultiPanelBitmap);
}

void CDlgMultiControlWindow::FreeButtonImages()
{
    m_pictures.Free(*this);
}

void CDlgMultiControlWindow::SetButtonImage(int button, MultiPanelImage image)
{
    m_pictures.Show(*this, button, static_cast<int>(image));
}

void CDlgMultiControlWindow::ShowLoadStopImage()
{
    // "Stop" while loading, "load" otherwise.
    SetButtonImage(IDC_MULTICTL_LOAD_STOP,
        m_displayState == kMultiDisplayLoading ? MultiPanelImage::Stop : MultiPanelImage::Load);
}

void CDlgMultiControlWindow::ShowViewModeImages()
{
    const bool preview = m_viewMode == kMultiViewPreview;
    SetButtonImage(IDC_MULTICTL_GRID_VIEW, preview ? MultiPanelImage::Grid : MultiPanelImage::GridOn);
    SetButtonImage(
        IDC_MULTICTL_PREVIEW_VIEW, preview ? MultiPanelImage::PreviewOn : MultiPanelImage::Preview);
}

void CDlgMultiControlWindow::CreateToolTips()
{
    m_toolTip.Create(this, TTS_ALWAYSTIP);
    m_toolTip.Activate(TRUE);
    m_toolTip.SetDelayTime(TTDT_AUTOPOP, kToolTipAutoPopMs);
    m_toolTip.SetDelayTime(TTDT_INITIAL, kToolTipInitialMs);
    for (const ToolTipText& tip : kToolTips)
        if (CWnd* control = GetDlgItem(tip.id))
            m_toolTip.AddTool(control, QString::fromUtf16(tip.text));
}

void CDlgMultiControlWindow::MeasureHoverAreas()
{
    const auto topics = MultiHoverTopics();
    for (size_t i = 0; i < topics.size() && i < std::size(m_hoverAreas); ++i) {
        m_hoverAreas[i] = topics[i];
        if (CWnd* control = GetDlgItem(topics[i].controlId)) {
            RECT r{};
            control->GetWindowRect(&r);
            ScreenToClient(&r);
            m_hoverAreas[i].rect = RECT{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
        }
    }
}

// Placement.

void CDlgMultiControlWindow::OnRepositionPanel()
{
    // Beside the frame's left edge, below its title band and the mode bar; the size stays.
    const RECT r = PanelPlacementBesideFrame(*this);
    MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top);
    GetWindowRect(&m_rcWindow);
}

// Lines to the frame and the stage.

LRESULT CDlgMultiControlWindow::SendToFrame(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendToAppWindow(AppWindow::MainFrame, message, wParam, lParam);
}

void CDlgMultiControlWindow::PostToFrame(UINT message, WPARAM wParam, LPARAM lParam)
{
    PostToAppWindow(AppWindow::MainFrame, message, wParam, lParam);
}

LRESULT CDlgMultiControlWindow::SendToStage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND stage = StageWindow();
    return stage ? ::SendMessageW(stage, message, wParam, lParam) : 0;
}

void CDlgMultiControlWindow::PostToStage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const HWND stage = StageWindow())
        ::PostMessageW(stage, message, wParam, lParam);
}

void CDlgMultiControlWindow::EnableItem(int id, bool enable)
{
    if (CWnd* control = GetDlgItem(id))
        control->EnableWindow(enable && IsPanelButtonAvailable(id) ? TRUE : FALSE);
}

void CDlgMultiControlWindow::ShowItem(int id, bool show)
{
    if (CWnd* control = GetDlgItem(id))
        control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}
