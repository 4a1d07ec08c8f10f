// The folder-tree window (template 303, "フォルダの選択"): a tool window of
// the multi view with which the user picks the folder the multi view shows.
// Every folder the user opens in its tree goes to the multi-view panel
// (WM_MULTICTL_SET_FOLDER). Above the tree, five shortcut folders: each
// label jumps to its folder, each "登録" button registers the current folder.
// Closing it asks the frame to let it go (WM_FRAME_CLOSE_TREEFOLDER).
#pragma once

#include "core/my_tree_ctrl.h"
#include "multiview/folder_tree_window_rules.h"
#include "multiview/tree_browser.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_303_tree_folder.h"

#include <QString>
#include <array>
#include <memory>

class CDlgTreeFolderWindow : public CDialog {
public:
    enum { IDD = IDD_TREE_FOLDER };

    explicit CDlgTreeFolderWindow(CWnd* parent = nullptr);
    ~CDlgTreeFolderWindow() override;

    BOOL Create(CWnd* parent);

    // The folder the user opened last; the tree's size and top offset now.
    const QString& CurrentFolder() const { return m_currentFolder; }
    SIZE TreeSize() const { return m_treeSize; }
    int TreeTop() const;
    // The tree's rectangle on the screen (the application's wheel rule leaves it alone).
    RECT TreeRectOnScreen() const;
    CMyTreeCtrl& Tree() { return m_tree; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // What the window reads from the multi view and the system; tests stand in.
    virtual HWND MultiPanel() const;
    virtual RECT MultiPanelRect() const;
    virtual QString MultiPanelFolderText() const;
    virtual QString MultiViewFolder() const;
    virtual int MultiViewFileCount() const;
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
    void ShowShortcutLabels();
    void ApplyShortcutArea();
    void ApplyLabelAlignment();
    void LoadButtonBitmaps();
    void PlaceAtDefault();
    void BuildTree();
    void LayOut();
    void LayOutShortcutRows(int clientWidth);

    void OnTreeClick();
    void OnTreeSelectionChanged();
    void OnTreeKeyDown(WORD key);
    void RefreshAndReport(TreeRefreshKind kind);
    void ReportCurrentFolder();
    void HighlightCaretWhileUnfocused(bool unfocused);

    void ToggleShortcutArea();
    void ToggleLabelAlignment();
    void RegisterShortcut(int index);
    void JumpToShortcut(int index);
    void Explore();
    void OnVolumesChanged();

    CMyTreeCtrl m_tree;
    std::array<CStatic, kShortcutCount> m_labels;
    std::unique_ptr<TreeBrowser> m_browser;
    QString m_currentFolder;
    SIZE m_treeSize{};
    // The rows of the shortcut area as the template places them.
    std::array<RECT, kShortcutCount> m_labelRects{};
    std::array<RECT, kShortcutCount> m_registerRects{};
    HTREEITEM m_dropHighlighted = nullptr;
    DWORD m_lastChangeTick = 0;
    bool m_initialised = false;
    bool m_selectionHandling = false;
    HBITMAP m_alignBitmap = nullptr;
    HBITMAP m_exploreBitmap = nullptr;
};
