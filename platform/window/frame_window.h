// A frame window: a top-level window with a menu bar, a toolbar and a status
// bar of a message pane and four key indicators. Menu items and toolbar
// buttons post WM_COMMAND with their id to the frame; resting on one shows
// its prompt in the message pane. Each item's state (enabled, checked) is
// asked of QueryCommandState: a popup's items as it opens, the toolbar's
// whenever the event loop falls idle; a WM_COMMAND without a control window
// (menu, accelerator, key filter) whose command is disabled is dropped. WM_MOVE reports the client origin
// below the menu bar, as the platform's frames do.
#pragma once

#include "platform/window/window.h"

#include <QImage>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QLabel;

// The toolbar's height in pixels with 16-pixel pictures.
inline constexpr int kFrameToolbarHeight = 28;

// What a command's rule says of its menu item and toolbar button.
struct CommandUiState {
    bool enabled = true;
    bool checked = false;
};

class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Builds the frame, hidden, with its outer rectangle at rect. FALSE when
    // WM_CREATE returned -1.
    BOOL CreateFrame(const QString& title, const RECT& rect);

    // Menu bar. A popup is numbered in the order it was added; parent -1
    // puts it on the bar, else it is a submenu of that popup. The frame
    // measures and draws the owner-drawn items (WM_MEASUREITEM, WM_DRAWITEM).
    void ClearMenuBar();
    int AddMenuPopup(const QString& title, int parent = -1);
    // A submenu whose item in its parent is owner-drawn.
    int AddOwnerDrawnMenuPopup(const QString& title, int parent, UINT id, UINT_PTR data);
    void AddMenuItem(int popup, UINT id, const QString& text, const QString& prompt);
    void AddOwnerDrawnMenuItem(int popup, UINT id, UINT_PTR data, const QString& text, const QString& prompt);
    void AddMenuSeparator(int popup);
    // The texts of a popup's entries in order (separators as empty texts).
    QStringList MenuPopupTexts(int popup) const;
    int MenuPopupCount() const { return static_cast<int>(m_popups.size()); }

    // Toolbar. Its height grows with the side of its pictures.
    void ClearToolbar();
    void SetToolbarIconSide(int side);
    int ToolbarIconSide() const;
    void AddToolbarButton(
        UINT id, const QImage& icon, const QString& toolTip, const QString& prompt, bool checkStyle);
    void AddToolbarSeparator();
    // The command ids of the buttons in order (0 for separators).
    std::vector<UINT> ToolbarCommands() const;

    // Status bar: pane 0 is the message pane; panes 1..4 the indicators.
    void SetMessageText(const QString& text);
    QString GetMessageText() const;
    QString GetPaneText(int pane) const;

    // Heights of the bars as laid out, in pixels.
    int ToolbarHeight() const;
    int StatusBarHeight() const;
    int MenuBarHeight() const;

    // Whether the window manager's frame around this window is known: false
    // before a running window manager has framed it (its decorations are not
    // known yet) and always true without a window manager.
    bool IsFramedByWindowManager() const;
    // True while a window manager runs that has not framed this window yet.
    bool AwaitsWindowManagerFrame() const;

    // The state of a command's items; every command is enabled unless the
    // frame says otherwise.
    virtual CommandUiState QueryCommandState(UINT id) const;
    // Asks the state of every menu item and toolbar button now.
    void UpdateCommandStates();
    // Whether the menu item or toolbar button of the command is enabled and
    // checked as last asked (false when there is none).
    bool IsMenuItemEnabled(UINT id) const;
    bool IsToolbarButtonEnabled(UINT id) const;
    bool IsToolbarButtonChecked(UINT id) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Pressing a menu item or a toolbar button.
    virtual void OnMenuCommand(UINT id);

private:
    QMainWindow* m_main = nullptr;
    QToolBar* m_toolbar = nullptr;
    QLabel* m_messagePane = nullptr;
    QLabel* m_indicators[4] = {};
    std::vector<QMenu*> m_popups;

    void BuildBars();
    void UpdateMenuStates(QMenu* popup);
    void UpdateToolbarStates();
    void UpdateLockIndicators();
    QAction* FindToolbarAction(UINT id) const;
};
