// The file-tree window (template 170): a tool window of clip mode that
// browses image files. A folder tree above, the image files of its selected
// folder below, a splitter between them, the extension filter and the
// explorer button at the bottom. A file chosen with the mouse or the keys,
// or dragged onto the view stage, opens there. The window keeps its folder
// in TreeLastDir and follows the stage's folder when the frame asks
// (WM_TREEFILE_SYNC_FOLDER). Closing it asks the frame to let it go
// (WM_FRAME_CLOSE_TREEFILE).
#pragma once

#include "core/my_tree_ctrl.h"
#include "multiview/file_tree_window_rules.h"
#include "multiview/tree_browser.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_170_tree_file.h"

#include <QString>
#include <memory>
#include <optional>

class CDlgTreeFileWindow : public CDialog {
public:
    enum { IDD = IDD_TREE_FILE };

    explicit CDlgTreeFileWindow(CWnd* parent = nullptr);
    ~CDlgTreeFileWindow() override;

    BOOL Create(CWnd* parent);

    CMyTreeCtrl& FolderTree() { return m_folderTree; }
    CMyTreeCtrl& FileTree() { return m_fileTree; }
    // The controls' sizes now, and the splitter band in client coordinates.
    const FileTreeRects& Rects() const { return m_rects; }
    RECT SplitterRect() const { return m_splitter; }
    bool IsSplitting() const { return m_splitting; }
    bool IsDraggingFile() const { return m_dragging; }
    // Both trees' rectangle on the screen.
    RECT TreeAreaOnScreen() const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // What the window reads from clip mode and the system; tests stand in.
    virtual RECT ControlPanelRect() const;
    virtual RECT ViewStageRect() const;
    virtual void OpenInViewStage(const QString& path);
    virtual std::unique_ptr<TreeBrowser> MakeBrowser();
    virtual DWORD Now() const;
    virtual bool IsArrowHeld() const;
    virtual TreeWindowFigures Figures() const;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnMove(int x, int y) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    void PlaceAtDefault();
    void SetUpTooltip();
    void BuildTrees();
    void LayOutWindow();
    void LayOutControls();
    void StoreRects();
    LRESULT SyncFolder();

    BOOL OnFolderTreeNotify(const NMHDR& header, LPARAM lParam, LRESULT* result);
    BOOL OnFileTreeNotify(const NMHDR& header, LPARAM lParam, LRESULT* result);
    void RefreshFolder(TreeRefreshKind kind);
    void HighlightCaretWhileUnfocused(bool unfocused);
    void OnFilterChanged();
    void OnVolumesChanged();

    // The mouse: the splitter and the file drag (file_tree_window_mouse.cpp).
    void OnMouseAt(WPARAM code, LPARAM point);
    void OnButtonDownAt(POINT client);
    void OnButtonUpAt(WPARAM code, LPARAM point);
    void ShowSizeCursor(bool show);
    void StepSplit(POINT client);
    void BeginFileDrag(const NMTREEVIEW& drag);
    void MoveFileDrag(POINT screen);
    // Ends the drag; a drop point on the stage opens the file there.
    void EndFileDrag(std::optional<POINT> dropAt);

    CMyTreeCtrl m_folderTree;
    CMyTreeCtrl m_fileTree;
    CComboBox m_filter;
    CToolTipCtrl m_tooltip;
    std::unique_ptr<TreeBrowser> m_browser;
    FileTreeRects m_rects;
    RECT m_splitter{};
    bool m_splitting = false;
    POINT m_splitLast{};
    bool m_sizeCursorShown = false;
    std::unique_ptr<CImageList> m_dragImage;
    bool m_dragging = false;
    HTREEITEM m_draggedItem = nullptr;
    QString m_draggedPath;
    HTREEITEM m_dropHighlighted = nullptr;
    DWORD m_lastChangeTick = 0;
    bool m_initialised = false;
    bool m_selectionHandling = false;
    HBITMAP m_exploreBitmap = nullptr;
};
