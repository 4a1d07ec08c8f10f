#include "multiview/file_tree_window.h"

#include "clip/view_stage.h"
#include "core/app_state.h"
#include "core/combo_helpers.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "core/tree_window_messages.h"
#include "multiview/tree_window_bitmaps.h"
#include "platform/app/message_pump.h"
#include "platform/dialog/dialog_data_exchange.h"
#include "platform/system/shell.h"
#include "platform/window/cursor.h"
#include "platform/window/input_keys.h"
#include "platform/window/pointer_position.h"
#include "res/dialog_303_tree_folder.h"

namespace {

int Width(const RECT& r)
{
    return r.right - r.left;
}

int Height(const RECT& r)
{
    return r.bottom - r.top;
}

void Move(CWnd& control, const RECT& r)
{
    control.MoveWindow(r.left, r.top, Width(r), Height(r));
}

FileTreeRects StoredRects()
{
    return FileTreeRects{AppSettings.rctTreeFolder_rect, AppSettings.rctTreeFile_rect,
        AppSettings.rctExtFilter_rect, AppSettings.rctExplore_rect};
}

RECT WindowRectOf(AppWindow which)
{
    RECT r{};
    if (const HWND window = GetAppState().Window(which))
        ::GetWindowRect(window, &r);
    return r;
}

}  // namespace

CDlgTreeFileWindow::CDlgTreeFileWindow(CWnd* parent) : CDialog(&kDialog170TreeFile, parent)
{
}

CDlgTreeFileWindow::~CDlgTreeFileWindow() = default;

BOOL CDlgTreeFileWindow::Create(CWnd* parent)
{
    return CDialog::Create(kDialog170TreeFile, parent);
}

RECT CDlgTreeFileWindow::TreeAreaOnScreen() const
{
    RECT folder{}, file{};
    if (!m_folderTree.GetSafeHwnd() || !m_fileTree.GetSafeHwnd())
        return RECT{};
    m_folderTree.GetWindowRect(&folder);
    m_fileTree.GetWindowRect(&file);
    return RECT{folder.left, folder.top, file.right, file.bottom};
}

RECT CDlgTreeFileWindow::ControlPanelRect() const
{
    return WindowRectOf(AppWindow::ControlPanel);
}

RECT CDlgTreeFileWindow::ViewStageRect() const
{
    return WindowRectOf(AppWindow::ViewStage);
}

void CDlgTreeFileWindow::OpenInViewStage(const QString& path)
{
    if (auto* stage =
            dynamic_cast<CDlgViewStage*>(CWnd::FromHandle(GetAppState().Window(AppWindow::ViewStage))))
        stage->RequestOpenImageFile(path);
}

std::unique_ptr<TreeBrowser> CDlgTreeFileWindow::MakeBrowser()
{
    const TreeBrowserFactory& make = DefaultTreeBrowserFactory();
    return make ? make(this, &m_folderTree, &m_fileTree) : nullptr;
}

DWORD CDlgTreeFileWindow::Now() const
{
    return GetTickCount();
}

bool CDlgTreeFileWindow::IsArrowHeld() const
{
    return GetKeyState(VK_UP) < 0 || GetKeyState(VK_DOWN) < 0;
}

TreeWindowFigures CDlgTreeFileWindow::Figures() const
{
    const ScreenMetrics& m = g_ScreenMetrics;
    return TreeWindowFigures{m.frameWidth, m.frameHeight, m.captionHeight, m.screenWidth, m.screenHeight};
}

void CDlgTreeFileWindow::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_TREE_FILE_FOLDERS, m_folderTree);
    DDX_Control(dx, IDC_TREE_FILE_FILES, m_fileTree);
    DDX_Control(dx, IDC_TREE_FILE_FILTER, m_filter);
}

BOOL CDlgTreeFileWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Moves, sizes and selections of the set-up are not the user's.
    m_initialised = false;
    m_selectionHandling = false;
    CWaitCursor wait;
    m_folderTree.m_nDragCode = kFileTreeFolderDragCode;
    m_fileTree.m_nDragCode = kFileTreeFileDragCode;
    PlaceAtDefault();
    SetUpTooltip();
    m_exploreBitmap = LoadTreeBitmap(GetIconScale() == 2 ? kTreeExploreBitmapLarge : kTreeExploreBitmap);
    if (auto* explore = dynamic_cast<CButton*>(GetDlgItem(IDC_TREE_FILE_EXPLORE)))
        explore->SetBitmap(m_exploreBitmap);

    for (const char16_t* text : kFileTreeFilterTexts)
        m_filter.AddString(QString::fromUtf16(text));
    m_filter.SetCurSel(static_cast<int>(AppSettings.ExtFilterNo));
    m_browser = MakeBrowser();
    if (m_browser)
        m_browser->WatchVolumes([this] { OnVolumesChanged(); });
    BuildTrees();

    m_rects = StoredRects();
    RepairFileTreeRectsAtSetup(m_rects, Figures());
    StoreRects();
    LayOutWindow();
    m_initialised = true;
    m_selectionHandling = true;
    return TRUE;
}

void CDlgTreeFileWindow::PlaceAtDefault()
{
    const POINT at = TreeWindowDefaultPosition(ControlPanelRect(), Figures().cap);
    SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgTreeFileWindow::SetUpTooltip()
{
    m_tooltip.Create(this, TTS_ALWAYSTIP);
    m_tooltip.Activate(TRUE);
    if (CWnd* explore = GetDlgItem(IDC_TREE_FILE_EXPLORE))
        m_tooltip.AddTool(explore, QString::fromUtf16(kFileTreeExploreTip));
    m_tooltip.SetDelayTime(TTDT_AUTOPOP, 3000);
    m_tooltip.SetDelayTime(TTDT_INITIAL, 500);
}

void CDlgTreeFileWindow::BuildTrees()
{
    if (!m_browser)
        return;
    m_browser->Build();
    QString start = AppSettings.TreeLastDir;
    if (start == QString::fromUtf16(kTreeLastDirNone))
        start = m_browser->PicturesFolder();
    m_browser->ShowFolder(start);
    AppSettings.TreeLastDir = start;
}

void CDlgTreeFileWindow::StoreRects()
{
    AppSettings.rctTreeFolder_rect = m_rects.folder;
    AppSettings.rctTreeFile_rect = m_rects.file;
    AppSettings.rctExtFilter_rect = m_rects.filter;
    AppSettings.rctExplore_rect = m_rects.explore;
}

void CDlgTreeFileWindow::LayOutWindow()
{
    const SIZE window = FileTreeWindowSize(m_rects, Figures());
    const bool placed = AppSettings.TreeDlgPosX != -1 && AppSettings.TreeDlgPosY != -1;
    SetWindowPos(nullptr, AppSettings.TreeDlgPosX, AppSettings.TreeDlgPosY, window.cx, window.cy,
        SWP_NOZORDER | SWP_NOACTIVATE | (placed ? 0u : SWP_NOMOVE));
    LayOutControls();
}

void CDlgTreeFileWindow::LayOutControls()
{
    const FileTreePlaces places = PlaceFileTreeControls(m_rects);
    Move(m_folderTree, places.folder);
    Move(m_fileTree, places.file);
    Move(m_filter, places.filter);
    if (CWnd* explore = GetDlgItem(IDC_TREE_FILE_EXPLORE))
        Move(*explore, places.explore);
    m_splitter = places.splitter;
}

LRESULT CDlgTreeFileWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TREEFILE_SYNC_FOLDER:
        return SyncFolder();
    case WM_MOUSEMOVE:
        OnMouseAt(wParam, lParam);
        return 0;
    case WM_LBUTTONDOWN:
        OnButtonDownAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return CDialog::WindowProc(message, wParam, lParam);
    case WM_LBUTTONUP:
        OnButtonUpAt(wParam, lParam);
        return 0;
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

LRESULT CDlgTreeFileWindow::SyncFolder()
{
    if (!m_browser)
        return 0;
    const QString caret = m_browser->CaretPath(false);
    if (caret.isEmpty())
        return 0;
    if (caret != AppSettings.TreeLastDir)
        m_browser->ShowFolder(AppSettings.TreeLastDir);
    else
        m_browser->Refresh(TreeRefreshKind::FilterRefresh);
    HighlightCaretWhileUnfocused(true);
    return 1;
}

BOOL CDlgTreeFileWindow::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_MOUSEMOVE)
        m_tooltip.FollowMouse(msg);
    // Each step lists a folder: a held arrow walks at most one folder per throttle period.
    if (msg->message == WM_KEYDOWN && DropHeldArrowKey(IsArrowHeld(), Now(), m_lastChangeTick))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CDlgTreeFileWindow::OnOK()
{
    // Enter opens nothing: the trees' own keys do.
}

void CDlgTreeFileWindow::OnCancel()
{
    if (CWnd* frame = CWnd::FromHandle(GetAppState().Window(AppWindow::MainFrame)))
        frame->SendMessage(WM_FRAME_CLOSE_TREEFILE);
}

BOOL CDlgTreeFileWindow::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDC_TREE_FILE_EXPLORE:
        // Nothing is said when the file manager cannot be started.
        ShellExploreFolder(AppSettings.TreeLastDir);
        return TRUE;
    case IDC_TREE_FILE_FILTER:
        if (HIWORD(wParam) == CBN_SELCHANGE)
            OnFilterChanged();
        else if (HIWORD(wParam) == CBN_SETFOCUS)
            FitComboDropHeight(this, &m_filter);
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

void CDlgTreeFileWindow::OnFilterChanged()
{
    const int index = m_filter.GetCurSel();
    if (index < 0 || static_cast<UINT>(index) == AppSettings.ExtFilterNo)
        return;
    AppSettings.ExtFilterNo = static_cast<UINT>(index);
    CWaitCursor wait;
    if (m_browser)
        m_browser->Refresh(TreeRefreshKind::FilterRefresh);
}

BOOL CDlgTreeFileWindow::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && static_cast<int>(wParam) == IDC_TREE_FILE_FOLDERS)
        return OnFolderTreeNotify(*header, lParam, result);
    if (header && static_cast<int>(wParam) == IDC_TREE_FILE_FILES)
        return OnFileTreeNotify(*header, lParam, result);
    return CDialog::OnNotify(wParam, lParam, result);
}

BOOL CDlgTreeFileWindow::OnFolderTreeNotify(const NMHDR& header, LPARAM lParam, LRESULT* result)
{
    switch (header.code) {
    case NM_CLICK: {
        m_selectionHandling = false;
        POINT at{};
        GetCursorPos(&at);
        m_folderTree.ScreenToClient(&at);
        at.x = std::max<LONG>(at.x, 0);
        at.y = std::max<LONG>(at.y - 2, 0);
        if (HTREEITEM item = m_folderTree.HitTest(CPoint(at))) {
            m_folderTree.SelectItem(item);
            if (!m_folderTree.GetItemText(item).isEmpty()) {
                CWaitCursor wait;
                RefreshFolder(TreeRefreshKind::Click);
            }
        }
        *result = 0;
        m_selectionHandling = true;
        return TRUE;
    }
    case TVN_SELCHANGED:
        // A press of the mouse is left to the click that follows it, which
        // refreshes the folder once.
        if (m_selectionHandling && reinterpret_cast<const NMTREEVIEW*>(lParam)->action != TVC_BYMOUSE) {
            CWaitCursor wait;
            RefreshFolder(TreeRefreshKind::SelectionChanged);
        }
        m_lastChangeTick = Now();
        return TRUE;
    case TVN_KEYDOWN:
        if (reinterpret_cast<const NMTVKEYDOWN*>(lParam)->wVKey == VK_SPACE) {
            CWaitCursor wait;
            RefreshFolder(TreeRefreshKind::Click);
        }
        *result = 0;
        return TRUE;
    case NM_KILLFOCUS:
        HighlightCaretWhileUnfocused(true);
        return TRUE;
    case NM_SETFOCUS:
        HighlightCaretWhileUnfocused(false);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CDlgTreeFileWindow::OnFileTreeNotify(const NMHDR& header, LPARAM lParam, LRESULT* result)
{
    switch (header.code) {
    case TVN_SELCHANGED: {
        const auto& change = *reinterpret_cast<const NMTREEVIEW*>(lParam);
        // The program's own selections open nothing.
        if (change.action == TVC_UNKNOWN || !m_browser || !change.itemNew.hItem)
            return TRUE;
        const QString name = m_fileTree.GetItemText(change.itemNew.hItem);
        if (!name.isEmpty()) {
            CWaitCursor wait;
            OpenInViewStage(m_browser->CaretPath(true) + name);
            m_fileTree.SetFocus();
        }
        return TRUE;
    }
    case TVN_BEGINDRAG:
        BeginFileDrag(*reinterpret_cast<const NMTREEVIEW*>(lParam));
        return TRUE;
    case NM_CLICK:
    case NM_DBLCLK:
    case TVN_KEYDOWN:
        *result = 0;
        return TRUE;
    default:
        return FALSE;
    }
}

void CDlgTreeFileWindow::RefreshFolder(TreeRefreshKind kind)
{
    if (!m_browser)
        return;
    m_browser->Refresh(kind);
    if (const QString folder = m_browser->CurrentFolder(); !folder.isEmpty())
        AppSettings.TreeLastDir = folder;
}

void CDlgTreeFileWindow::HighlightCaretWhileUnfocused(bool unfocused)
{
    if (m_dropHighlighted)
        m_folderTree.SetItemState(std::exchange(m_dropHighlighted, nullptr), 0, TVIS_DROPHILITED);
    if (!unfocused)
        return;
    m_dropHighlighted = m_folderTree.GetSelectedItem();
    if (m_dropHighlighted)
        m_folderTree.SetItemState(m_dropHighlighted, TVIS_DROPHILITED, TVIS_DROPHILITED);
}

void CDlgTreeFileWindow::OnVolumesChanged()
{
    m_folderTree.SetFocus();
    const bool handling = std::exchange(m_selectionHandling, false);
    BuildTrees();
    m_selectionHandling = handling;
}

void CDlgTreeFileWindow::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    if (!m_initialised)
        return;
    RECT window{};
    GetWindowRect(&window);
    AppSettings.TreeDlgPosX = window.left;
    AppSettings.TreeDlgPosY = window.top;
}

void CDlgTreeFileWindow::OnSize(UINT type, int cx, int cy)
{
    CDialog::OnSize(type, cx, cy);
    if (!m_initialised || type == SIZE_MINIMIZED)
        return;
    RECT window{};
    GetWindowRect(&window);
    const SIZE given{Width(window), Height(window)};
    ResizeFileTreeRects(m_rects, given, Figures());
    StoreRects();
    const SIZE wanted = FileTreeWindowSize(m_rects, Figures());
    if (wanted.cx != given.cx || wanted.cy != given.cy)
        LayOutWindow();
    else
        LayOutControls();
}

void CDlgTreeFileWindow::OnDestroy()
{
    if (m_dragging)
        EndFileDrag(std::nullopt);
    ShowSizeCursor(false);
    if (m_browser) {
        m_browser->WatchVolumes({});
        m_browser->Release();
        m_browser.reset();
    }
    if (m_exploreBitmap)
        DeleteObject(std::exchange(m_exploreBitmap, nullptr));
    CDialog::OnDestroy();
}
