// The file-tree window's mouse: the splitter between the two trees, and a
// file dragged from the file tree onto the view stage. The trees report their
// mouse with their drag codes: moves in screen coordinates, the release in
// the tree's own client coordinates.
#include "multiview/file_tree_window.h"

#include "platform/controls/image_list_drag.h"
#include "platform/window/cursor.h"

namespace {

bool IsTreeCode(WPARAM code)
{
    return code == kFileTreeFolderDragCode || code == kFileTreeFileDragCode;
}

POINT PointOf(LPARAM packed)
{
    return POINT{GET_X_LPARAM(packed), GET_Y_LPARAM(packed)};
}

bool Inside(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// The stage's window rectangle, its edges included.
bool InsideWithEdges(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

}  // namespace

void CDlgTreeFileWindow::OnMouseAt(WPARAM code, LPARAM packed)
{
    POINT client = PointOf(packed);
    POINT screen = client;
    if (IsTreeCode(code))
        ScreenToClient(&client);
    else
        ClientToScreen(&screen);
    if (m_dragging) {
        MoveFileDrag(screen);
        return;
    }
    ShowSizeCursor(m_splitting || Inside(m_splitter, client));
    if (m_splitting)
        StepSplit(client);
}

void CDlgTreeFileWindow::OnButtonDownAt(POINT client)
{
    if (!Inside(m_splitter, client))
        return;
    m_splitting = true;
    m_splitLast = client;
    ShowSizeCursor(true);
}

void CDlgTreeFileWindow::OnButtonUpAt(WPARAM code, LPARAM packed)
{
    m_splitting = false;
    if (!m_dragging)
        return;
    POINT screen = PointOf(packed);
    if (code == kFileTreeFolderDragCode)
        m_folderTree.ClientToScreen(&screen);
    else if (code == kFileTreeFileDragCode)
        m_fileTree.ClientToScreen(&screen);
    else
        ClientToScreen(&screen);
    EndFileDrag(screen);
}

void CDlgTreeFileWindow::ShowSizeCursor(bool show)
{
    // The window's own cursor: it shows over the band, the controls keep theirs.
    if (show != m_sizeCursorShown && GetSafeHwnd())
        SetWindowCursor(GetSafeHwnd(), show ? IDC_SIZENS : 0);
    m_sizeCursorShown = show;
}

void CDlgTreeFileWindow::StepSplit(POINT client)
{
    const SplitterStep step = StepSplitter(m_rects, client.y - m_splitLast.y, client.x, m_splitter);
    if (step.moved) {
        StoreRects();
        LayOutControls();
    }
    if (step.keepDragging)
        m_splitLast = client;
    else
        m_splitting = false;
}

void CDlgTreeFileWindow::BeginFileDrag(const NMTREEVIEW& drag)
{
    HTREEITEM item = drag.itemNew.hItem;
    if (!item || !m_browser)
        return;
    m_fileTree.SelectItem(item);
    const QString name = m_fileTree.GetItemText(item);
    if (name.isEmpty())
        return;
    m_draggedPath = m_browser->CaretPath(true) + name;
    m_dragImage.reset(m_fileTree.CreateDragImage(item));
    m_fileTree.SelectItem(item);
    POINT start = drag.ptDrag;
    m_fileTree.ClientToScreen(&start);
    ImageList_BeginDrag(m_dragImage.get(), 0, 5, 5);
    ImageList_DragEnter(nullptr, start.x, start.y);
    m_draggedItem = item;
    m_dragging = true;
    SetCapture();
}

void CDlgTreeFileWindow::MoveFileDrag(POINT screen)
{
    ImageList_DragMove(screen.x, screen.y);
    if (m_fileTree.GetDropHilightItem() == m_draggedItem)
        return;
    ImageList_DragShowNolock(FALSE);
    m_fileTree.SelectDropTarget(m_draggedItem);
    ImageList_DragShowNolock(TRUE);
}

void CDlgTreeFileWindow::EndFileDrag(std::optional<POINT> dropAt)
{
    m_dragging = false;
    ReleaseCapture();
    ImageList_DragLeave(nullptr);
    ImageList_EndDrag();
    const QString path = std::exchange(m_draggedPath, QString());
    if (dropAt && !path.isEmpty() && InsideWithEdges(ViewStageRect(), *dropAt)) {
        CWaitCursor wait;
        OpenInViewStage(path);
    }
    if (m_fileTree.GetSafeHwnd())
        m_fileTree.SelectDropTarget(nullptr);
    m_dragImage.reset();
    m_draggedItem = nullptr;
}
