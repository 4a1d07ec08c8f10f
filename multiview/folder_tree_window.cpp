#include "multiview/folder_tree_window.h"

#include "core/app_state.h"
#include "core/file_queries.h"
#include "core/frame_messages.h"
#include "core/multi_control_messages.h"
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "multiview/multi_view_stage.h"
#include "multiview/thumbnail_list.h"
#include "multiview/tree_window_bitmaps.h"
#include "platform/app/message_pump.h"
#include "platform/dialog/dialog_data_exchange.h"
#include "platform/dialog/msgbox.h"
#include "platform/system/shell.h"
#include "platform/window/cursor.h"
#include "platform/window/input_keys.h"
#include "platform/window/pointer_position.h"
#include "res/dialog_279_multi_control.h"

namespace {

int Width(const RECT& r)
{
    return r.right - r.left;
}

int Height(const RECT& r)
{
    return r.bottom - r.top;
}

int IndexOf(const std::array<int, kShortcutCount>& ids, int id)
{
    for (int i = 0; i < kShortcutCount; ++i)
        if (ids[static_cast<std::size_t>(i)] == id)
            return i;
    return -1;
}

QString& ShortcutSetting(int index)
{
    return AppSettings.*kShortCutFolderMembers[index];
}

ShortcutFolders StoredShortcuts()
{
    ShortcutFolders folders;
    for (int i = 0; i < kShortcutCount; ++i)
        folders[static_cast<std::size_t>(i)] = ShortcutSetting(i);
    return folders;
}

}  // namespace

CDlgTreeFolderWindow::CDlgTreeFolderWindow(CWnd* parent) : CDialog(&kDialog303TreeFolder, parent)
{
}

CDlgTreeFolderWindow::~CDlgTreeFolderWindow() = default;

BOOL CDlgTreeFolderWindow::Create(CWnd* parent)
{
    return CDialog::Create(kDialog303TreeFolder, parent);
}

int CDlgTreeFolderWindow::TreeTop() const
{
    return FolderTreeTop(AppSettings.ShowDirectFolder == 1);
}

RECT CDlgTreeFolderWindow::TreeRectOnScreen() const
{
    RECT r{};
    if (m_tree.GetSafeHwnd())
        m_tree.GetWindowRect(&r);
    return r;
}

HWND CDlgTreeFolderWindow::MultiPanel() const
{
    return GetAppState().Window(AppWindow::MultiViewPanel);
}

RECT CDlgTreeFolderWindow::MultiPanelRect() const
{
    RECT r{};
    if (const HWND panel = MultiPanel())
        ::GetWindowRect(panel, &r);
    return r;
}

QString CDlgTreeFolderWindow::MultiPanelFolderText() const
{
    QString text;
    if (CWnd* panel = CWnd::FromHandle(MultiPanel()))
        panel->GetDlgItemText(IDC_MULTICTL_FOLDER, text);
    return text;
}

QString CDlgTreeFolderWindow::MultiViewFolder() const
{
    auto* stage =
        dynamic_cast<CDlgMultiViewStage*>(CWnd::FromHandle(GetAppState().Window(AppWindow::MultiViewStage)));
    return stage ? stage->List().GetFolder() : QString();
}

int CDlgTreeFolderWindow::MultiViewFileCount() const
{
    auto* stage =
        dynamic_cast<CDlgMultiViewStage*>(CWnd::FromHandle(GetAppState().Window(AppWindow::MultiViewStage)));
    return stage ? stage->List().GetFileCount() : 0;
}

std::unique_ptr<TreeBrowser> CDlgTreeFolderWindow::MakeBrowser()
{
    const TreeBrowserFactory& make = DefaultTreeBrowserFactory();
    return make ? make(this, &m_tree, nullptr) : nullptr;
}

DWORD CDlgTreeFolderWindow::Now() const
{
    return GetTickCount();
}

bool CDlgTreeFolderWindow::IsArrowHeld() const
{
    return GetKeyState(VK_UP) < 0 || GetKeyState(VK_DOWN) < 0;
}

TreeWindowFigures CDlgTreeFolderWindow::Figures() const
{
    const ScreenMetrics& m = g_ScreenMetrics;
    return TreeWindowFigures{m.frameWidth, m.frameHeight, m.captionHeight, m.screenWidth, m.screenHeight};
}

void CDlgTreeFolderWindow::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_TREE_FOLDER_TREE, m_tree);
    for (int i = 0; i < kShortcutCount; ++i)
        DDX_Control(dx, kTreeFolderShortcutLabelIds[static_cast<std::size_t>(i)],
            m_labels[static_cast<std::size_t>(i)]);
}

BOOL CDlgTreeFolderWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Moves, sizes and selections of the set-up are not the user's.
    m_initialised = false;
    m_selectionHandling = false;
    DragAcceptFiles(FALSE);
    for (int i = 0; i < kShortcutCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        m_labels[slot].GetWindowRect(&m_labelRects[slot]);
        ScreenToClient(&m_labelRects[slot]);
        if (CWnd* button = GetDlgItem(kTreeFolderRegisterIds[slot])) {
            button->GetWindowRect(&m_registerRects[slot]);
            ScreenToClient(&m_registerRects[slot]);
        }
        if (CWnd* jump = GetDlgItem(kTreeFolderJumpIds[slot]))
            jump->ShowWindow(SW_HIDE);
    }
    ShowShortcutLabels();
    ApplyShortcutArea();
    LoadButtonBitmaps();
    CWaitCursor wait;
    m_tree.m_nDragCode = kFolderTreeDragCode;
    PlaceAtDefault();

    m_browser = MakeBrowser();
    if (m_browser)
        m_browser->WatchVolumes([this] { OnVolumesChanged(); });
    BuildTree();
    if (MultiViewFileCount() == 0 && !m_currentFolder.isEmpty())
        ReportCurrentFolder();

    const TreeWindowFigures f = Figures();
    m_treeSize = RepairFolderTreeSize(AppSettings.rctTreeFolder2_rect, f, Width(MultiPanelRect()));
    LayOut();
    ApplyLabelAlignment();
    m_initialised = true;
    m_selectionHandling = true;
    return TRUE;
}

void CDlgTreeFolderWindow::ShowShortcutLabels()
{
    for (int i = 0; i < kShortcutCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const QString& stored = ShortcutSetting(i);
        const bool registered = IsShortcutRegistered(stored);
        m_labels[slot].SetWindowText(ShortcutLabelText(stored));
        m_labels[slot].EnableWindow(registered);
        SetWindowCursor(m_labels[slot].GetSafeHwnd(), registered ? IDC_HAND : 0);
        if (CWnd* jump = GetDlgItem(kTreeFolderJumpIds[slot]))
            jump->EnableWindow(registered);
    }
}

void CDlgTreeFolderWindow::ApplyShortcutArea()
{
    const bool shown = AppSettings.ShowDirectFolder == 1;
    SetDlgItemText(IDC_TREE_FOLDER_SHOW_SHORTCUTS, shown ? QStringLiteral("非表示") : QStringLiteral("表示"));
    const int show = shown ? SW_SHOW : SW_HIDE;
    for (const int id : {IDC_TREE_FOLDER_SHORTCUT_GROUP, IDC_TREE_FOLDER_ALIGN})
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(show);
    for (int i = 0; i < kShortcutCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        m_labels[slot].ShowWindow(show);
        if (CWnd* button = GetDlgItem(kTreeFolderRegisterIds[slot]))
            button->ShowWindow(show);
    }
}

void CDlgTreeFolderWindow::ApplyLabelAlignment()
{
    const DWORD align = AppSettings.ShowTextAlign == 1 ? SS_LEFT : SS_RIGHT;
    for (CStatic& label : m_labels) {
        label.SetTextAlign(align);
        label.Invalidate();
    }
}

void CDlgTreeFolderWindow::LoadButtonBitmaps()
{
    const bool large = GetIconScale() == 2;
    m_alignBitmap = LoadTreeBitmap(large ? kTreeAlignBitmapLarge : kTreeAlignBitmap);
    m_exploreBitmap = LoadTreeBitmap(large ? kTreeExploreBitmapLarge : kTreeExploreBitmap);
    if (auto* align = dynamic_cast<CButton*>(GetDlgItem(IDC_TREE_FOLDER_ALIGN)))
        align->SetBitmap(m_alignBitmap);
    if (auto* explore = dynamic_cast<CButton*>(GetDlgItem(IDC_TREE_FOLDER_EXPLORE)))
        explore->SetBitmap(m_exploreBitmap);
}

void CDlgTreeFolderWindow::PlaceAtDefault()
{
    const POINT at = TreeWindowDefaultPosition(MultiPanelRect(), Figures().cap);
    SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgTreeFolderWindow::BuildTree()
{
    if (!m_browser)
        return;
    m_browser->Build();
    QString start = MultiPanelFolderText();
    if (start.isEmpty())
        start = m_browser->PicturesFolder();
    m_browser->ShowFolder(start);
    m_currentFolder = start;
}

void CDlgTreeFolderWindow::LayOut()
{
    const int top = TreeTop();
    const SIZE window = FolderTreeWindowSize(m_treeSize, top, Figures());
    const bool placed = AppSettings.TreeDlgPosX2 != -1 && AppSettings.TreeDlgPosY2 != -1;
    SetWindowPos(nullptr, AppSettings.TreeDlgPosX2, AppSettings.TreeDlgPosY2, window.cx, window.cy,
        SWP_NOZORDER | SWP_NOACTIVATE | (placed ? 0u : SWP_NOMOVE));
    const RECT tree = FolderTreeRect(m_treeSize, top);
    m_tree.MoveWindow(tree.left, tree.top, Width(tree), Height(tree));
    RECT client{};
    GetClientRect(&client);
    LayOutShortcutRows(Width(client));
}

void CDlgTreeFolderWindow::LayOutShortcutRows(int clientWidth)
{
    if (CWnd* group = GetDlgItem(IDC_TREE_FOLDER_SHORTCUT_GROUP)) {
        RECT r{};
        group->GetWindowRect(&r);
        ScreenToClient(&r);
        const RECT stretched = StretchShortcutGroup(r, clientWidth);
        group->MoveWindow(stretched.left, stretched.top, Width(stretched), Height(stretched));
    }
    const int buttonWidth = Width(m_registerRects[0]);
    for (int i = 0; i < kShortcutCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const ShortcutRowPlace row =
            PlaceShortcutRow(m_labelRects[slot], m_registerRects[slot], buttonWidth, clientWidth);
        m_labels[slot].MoveWindow(row.label.left, row.label.top, Width(row.label), Height(row.label));
        if (CWnd* button = GetDlgItem(kTreeFolderRegisterIds[slot]))
            button->MoveWindow(row.button.left, row.button.top, Width(row.button), Height(row.button));
    }
}

BOOL CDlgTreeFolderWindow::PreTranslateMessage(MSG* msg)
{
    // Each step lists a folder: a held arrow walks at most one folder per throttle period.
    if (msg->message == WM_KEYDOWN && DropHeldArrowKey(IsArrowHeld(), Now(), m_lastChangeTick))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CDlgTreeFolderWindow::OnOK()
{
    // Enter opens nothing: the tree's own keys do.
}

void CDlgTreeFolderWindow::OnCancel()
{
    AppSettings.rctTreeFolder2_rect = RECT{0, 0, m_treeSize.cx, m_treeSize.cy};
    if (CWnd* frame = CWnd::FromHandle(GetAppState().Window(AppWindow::MainFrame)))
        frame->SendMessage(WM_FRAME_CLOSE_TREEFOLDER);
}

BOOL CDlgTreeFolderWindow::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    if (const int slot = IndexOf(kTreeFolderRegisterIds, id); slot >= 0) {
        RegisterShortcut(slot);
        return TRUE;
    }
    if (const int slot = IndexOf(kTreeFolderJumpIds, id); slot >= 0) {
        JumpToShortcut(slot);
        return TRUE;
    }
    if (const int slot = IndexOf(kTreeFolderShortcutLabelIds, id); slot >= 0) {
        if (HIWORD(wParam) == STN_CLICKED)
            JumpToShortcut(slot);
        return TRUE;
    }
    switch (id) {
    case IDC_TREE_FOLDER_SHOW_SHORTCUTS:
        ToggleShortcutArea();
        return TRUE;
    case IDC_TREE_FOLDER_ALIGN:
        ToggleLabelAlignment();
        return TRUE;
    case IDC_TREE_FOLDER_EXPLORE:
        Explore();
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

BOOL CDlgTreeFolderWindow::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header || static_cast<int>(wParam) != IDC_TREE_FOLDER_TREE)
        return CDialog::OnNotify(wParam, lParam, result);
    switch (header->code) {
    case NM_CLICK:
        OnTreeClick();
        *result = 0;
        return TRUE;
    case TVN_SELCHANGED:
        // A press of the mouse is left to the click that follows it, which
        // refreshes the folder once.
        if (reinterpret_cast<const NMTREEVIEW*>(lParam)->action != TVC_BYMOUSE)
            OnTreeSelectionChanged();
        else
            m_lastChangeTick = Now();
        return TRUE;
    case TVN_KEYDOWN:
        OnTreeKeyDown(reinterpret_cast<const NMTVKEYDOWN*>(lParam)->wVKey);
        *result = 0;
        return TRUE;
    case NM_KILLFOCUS:
        HighlightCaretWhileUnfocused(true);
        return TRUE;
    case NM_SETFOCUS:
        HighlightCaretWhileUnfocused(false);
        return TRUE;
    default:
        return CDialog::OnNotify(wParam, lParam, result);
    }
}

void CDlgTreeFolderWindow::OnTreeClick()
{
    m_selectionHandling = false;
    POINT at{};
    GetCursorPos(&at);
    m_tree.ScreenToClient(&at);
    at.x = std::max<LONG>(at.x, 0);
    at.y = std::max<LONG>(at.y - 2, 0);
    if (HTREEITEM item = m_tree.HitTest(CPoint(at))) {
        m_tree.SelectItem(item);
        if (!m_tree.GetItemText(item).isEmpty()) {
            CWaitCursor wait;
            RefreshAndReport(TreeRefreshKind::Click);
        }
    }
    m_selectionHandling = true;
}

void CDlgTreeFolderWindow::OnTreeSelectionChanged()
{
    if (!m_selectionHandling)
        return;
    CWaitCursor wait;
    RefreshAndReport(TreeRefreshKind::SelectionChanged);
    m_lastChangeTick = Now();
}

void CDlgTreeFolderWindow::OnTreeKeyDown(WORD key)
{
    if (key == VK_SPACE) {
        CWaitCursor wait;
        RefreshAndReport(TreeRefreshKind::Click);
    }
    m_lastChangeTick = Now();
}

void CDlgTreeFolderWindow::RefreshAndReport(TreeRefreshKind kind)
{
    if (!m_browser)
        return;
    m_browser->Refresh(kind);
    const QString folder = m_browser->CurrentFolder();
    if (folder.isEmpty())
        return;
    m_currentFolder = folder;
    ReportCurrentFolder();
}

void CDlgTreeFolderWindow::ReportCurrentFolder()
{
    if (const HWND panel = MultiPanel())
        ::SendMessageW(panel, WM_MULTICTL_SET_FOLDER, reinterpret_cast<WPARAM>(&m_currentFolder), 0);
}

void CDlgTreeFolderWindow::HighlightCaretWhileUnfocused(bool unfocused)
{
    if (unfocused) {
        m_dropHighlighted = m_tree.GetSelectedItem();
        if (m_dropHighlighted)
            m_tree.SetItemState(m_dropHighlighted, TVIS_DROPHILITED, TVIS_DROPHILITED);
    } else if (m_dropHighlighted) {
        m_tree.SetItemState(m_dropHighlighted, 0, TVIS_DROPHILITED);
        m_dropHighlighted = nullptr;
    }
}

void CDlgTreeFolderWindow::ToggleShortcutArea()
{
    AppSettings.ShowDirectFolder = AppSettings.ShowDirectFolder == 1 ? 0 : 1;
    ApplyShortcutArea();
    const int top = TreeTop();
    RECT client{};
    GetClientRect(&client);
    m_treeSize.cy = FolderTreeHeightInClient(Height(client), top, Figures());
    AppSettings.rctTreeFolder2_rect = RECT{0, 0, m_treeSize.cx, m_treeSize.cy};
    const RECT tree = FolderTreeRect(m_treeSize, top);
    m_tree.MoveWindow(tree.left, tree.top, Width(tree), Height(tree));
}

void CDlgTreeFolderWindow::ToggleLabelAlignment()
{
    AppSettings.ShowTextAlign = AppSettings.ShowTextAlign == 1 ? 0 : 1;
    ApplyLabelAlignment();
}

void CDlgTreeFolderWindow::RegisterShortcut(int index)
{
    ShortcutFolders folders = StoredShortcuts();
    switch (::RegisterShortcut(folders, index, m_currentFolder)) {
    case ShortcutRegistration::NoFolder:
        AfxMessageBox(QString::fromUtf16(kShortcutNoFolderMessage));
        return;
    case ShortcutRegistration::AlreadyRegistered:
        AfxMessageBox(QString::fromUtf16(kShortcutDuplicateMessage));
        return;
    case ShortcutRegistration::Registered:
        ShortcutSetting(index) = folders[static_cast<std::size_t>(index)];
        ShowShortcutLabels();
        return;
    }
}

void CDlgTreeFolderWindow::JumpToShortcut(int index)
{
    const QString folder = ShortcutSetting(index);
    // An unregistered slot's jump stands disabled.
    if (!IsShortcutRegistered(folder))
        return;
    QString probe = folder;
    switch (DecideShortcutJump(folder, FolderExists(probe) != 0, MultiViewFolder())) {
    case ShortcutJump::Missing:
        AfxMessageBox(QString::fromUtf16(kShortcutMissingMessage));
        return;
    case ShortcutJump::AlreadyShown:
        return;
    case ShortcutJump::Walk:
        m_tree.SetFocus();
        if (m_browser)
            m_browser->ShowFolder(folder);
        return;
    }
}

void CDlgTreeFolderWindow::Explore()
{
    // Nothing is said when the file manager cannot be started.
    if (!m_currentFolder.isEmpty())
        ShellExploreFolder(m_currentFolder);
}

void CDlgTreeFolderWindow::OnVolumesChanged()
{
    m_tree.SetFocus();
    const bool handling = std::exchange(m_selectionHandling, false);
    BuildTree();
    m_selectionHandling = handling;
}

void CDlgTreeFolderWindow::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    if (!m_initialised)
        return;
    RECT window{};
    GetWindowRect(&window);
    AppSettings.TreeDlgPosX2 = window.left;
    AppSettings.TreeDlgPosY2 = window.top;
}

void CDlgTreeFolderWindow::OnSize(UINT type, int cx, int cy)
{
    CDialog::OnSize(type, cx, cy);
    if (!m_initialised || type == SIZE_MINIMIZED)
        return;
    RECT window{};
    GetWindowRect(&window);
    const SIZE given{Width(window), Height(window)};
    const int top = TreeTop();
    m_treeSize = FolderTreeSizeForWindow(given, top, Figures(), Width(MultiPanelRect()));
    // Stored at once: the frame lets the window go at the end without a cancel.
    AppSettings.rctTreeFolder2_rect = RECT{0, 0, m_treeSize.cx, m_treeSize.cy};
    const SIZE wanted = FolderTreeWindowSize(m_treeSize, top, Figures());
    if (wanted.cx != given.cx || wanted.cy != given.cy) {
        LayOut();
        return;
    }
    const RECT tree = FolderTreeRect(m_treeSize, top);
    m_tree.MoveWindow(tree.left, tree.top, Width(tree), Height(tree));
    RECT client{};
    GetClientRect(&client);
    LayOutShortcutRows(Width(client));
}

void CDlgTreeFolderWindow::OnDestroy()
{
    if (m_browser) {
        m_browser->WatchVolumes({});
        m_browser->Release();
        m_browser.reset();
    }
    for (HBITMAP* bitmap : {&m_alignBitmap, &m_exploreBitmap})
        if (*bitmap)
            DeleteObject(std::exchange(*bitmap, nullptr));
    CDialog::OnDestroy();
}
