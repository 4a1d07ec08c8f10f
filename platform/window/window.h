// Windows of the program. A CWnd names one window by its HWND; the window
// itself is a Qt widget: a surface window (CreateEx, dialogs) draws into its
// own QImage surface (Format_RGB32) and its paint event only copies that
// surface to the screen; a control is the Qt widget of its kind.
//
// One way to handle messages: every message, whether sent, posted or made
// from a Qt input event, arrives in the virtual WindowProc. The default
// WindowProc calls the virtual handler of a standard message (OnPaint,
// OnLButtonDown, OnTimer, ...) and routes WM_COMMAND and WM_NOTIFY to
// OnCommand and OnNotify. A window overrides the handlers it needs, and
// overrides WindowProc with a switch on its private message numbers,
// passing everything else to the base class.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/types/messages.h"
#include "platform/types/rect_types.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

class QWidget;
struct HDROP__;
class CMenu;

// WM_SYSCOMMAND codes: the window menu's commands, also sent when the
// window manager's buttons ask to minimise or close the window.
inline constexpr UINT SC_MOVE = 0xF010;
inline constexpr UINT SC_MINIMIZE = 0xF020;
inline constexpr UINT SC_CLOSE = 0xF060;
inline constexpr UINT SC_RESTORE = 0xF120;

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // The window object of one of the program's own handles; null otherwise.
    static CWnd* FromHandle(HWND hwnd);
    // The Qt widget of this window (null before creation).
    QWidget* GetWidget() const { return m_widget; }

    // Creates a window with its own surface: a child of parent with WS_CHILD,
    // otherwise a top-level window owned by parent. The rectangle is the
    // outer rectangle (screen coordinates for top-level windows).
    virtual BOOL CreateEx(
        DWORD exStyle, const QString& windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    BOOL Create(const QString& windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateEx(0, windowName, style, rect, parent, id);
    }
    // Makes this object the window of an existing control of parent.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // Makes this object the window of a Qt widget (the layer's own use).
    BOOL AttachWidget(QWidget* widget, UINT id, CWnd* parent, DWORD style = 0);
    // Destroys the window. From inside one of its own handlers the widget is
    // hidden at once and destroyed when the outermost handler has returned.
    virtual BOOL DestroyWindow();

    // Message handling.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled now.
    LRESULT Default();
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Whether one of this window's handlers is running now.
    bool IsInHandler() const { return m_dispatchDepth > 0; }
    // Called after the window is gone; a window allocated with new may delete itself here.
    virtual void PostNcDestroy();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Standard message handlers.
    virtual int OnCreate();
    virtual void OnDestroy();
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnMove(int x, int y);
    virtual void OnShowWindow(BOOL show, UINT status);
    virtual void OnClose();
    virtual void OnActivate(UINT state, CWnd* other, BOOL minimized);
    virtual void OnSetFocus(CWnd* oldWnd);
    virtual void OnKillFocus(CWnd* newWnd);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnRButtonDblClk(UINT flags, CPoint point);
    virtual void OnMButtonDown(UINT flags, CPoint point);
    virtual void OnMButtonUp(UINT flags, CPoint point);
    virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint);
    virtual void OnKeyDown(UINT vk, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT vk, UINT repeat, UINT flags);
    virtual void OnChar(UINT ch, UINT repeat, UINT flags);
    virtual void OnHScroll(UINT code, UINT pos, CWnd* bar);
    virtual void OnVScroll(UINT code, UINT pos, CWnd* bar);
    virtual void OnContextMenu(CWnd* wnd, CPoint screenPoint);
    virtual void OnCaptureChanged(CWnd* wnd);
    virtual void OnEnable(BOOL enable);
    // The application became active or inactive (sent to every top-level window).
    virtual void OnActivateApp(BOOL active, DWORD threadId);
    // Before each mouse move over the window; TRUE when the handler set the cursor.
    virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    // The window's size limits (asked when it is made and shown); applied to a top-level window.
    virtual void OnGetMinMaxInfo(MINMAXINFO* info);
    // A control asks for its colours while it paints (dc is the control's);
    // a picture control's parent may draw into it here. Returns a brush or null.
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);
    // wParam of WM_DROPFILES: see platform/drop_files.h.
    virtual void OnDropFiles(HDROP__* drop);

    // The window menu (restore, minimise, close). Greying its Close item
    // keeps the window from being closed by the window manager or by
    // SC_CLOSE, and hides the close button where the window manager allows.
    // revert TRUE drops the changes and returns null.
    CMenu* GetSystemMenu(BOOL revert);
    // Changes the style bits. Of them the minimise box (WS_MINIMIZEBOX) shows
    // or hides the window manager's minimise button at once, keeping the
    // window on the screen (with SWP_FRAMECHANGED also when the bit stays as
    // it was). TRUE when a bit changed.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);

    // Window state.
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL EnableWindow(BOOL enable = TRUE);  // returns whether it was disabled before
    BOOL IsWindowEnabled() const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT* rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetWindowRect(RECT* rect) const;
    void GetClientRect(RECT* rect) const;
    void ClientToScreen(POINT* point) const;
    void ClientToScreen(RECT* rect) const;
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;
    void BringWindowToTop();
    // Centres the window over another (its owner when null; the screen without one).
    void CenterWindow(CWnd* alternateOwner = nullptr);
    CWnd* SetActiveWindow();
    BOOL SetForegroundWindow();
    CWnd* SetFocus();
    static CWnd* GetFocus();
    static CWnd* GetActiveWindow();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    void SetOwner(CWnd* owner);
    int GetDlgCtrlID() const { return static_cast<int>(m_id); }
    CWnd* GetDlgItem(int id) const;
    void SetWindowText(const QString& text);
    QString GetWindowText() const;
    void GetWindowText(QString& text) const { text = GetWindowText(); }
    int GetWindowTextLength() const { return GetWindowText().size(); }
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    DWORD GetStyle() const { return m_style; }
    DWORD GetExStyle() const { return m_exStyle; }
    // Whether files dropped on the window arrive as WM_DROPFILES.
    void DragAcceptFiles(BOOL accept = TRUE);

    // Dialog-item helpers.
    void SetDlgItemText(int id, const QString& text);
    int GetDlgItemText(int id, QString& text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);

    // Painting: the surface is drawn by WM_PAINT and copied to the screen.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE);
    void ValidateRect(const RECT* rect);
    void UpdateWindow();
    BOOL RedrawWindow()
    {
        Invalidate(TRUE), UpdateWindow();
        return TRUE;
    }
    // A DC on the surface, usable at any time; pair with ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* dc);
    QImage* GetSurface() { return m_widget ? &m_surface : nullptr; }
    // Copies the surface (or a part of it) to the screen now.
    void PresentSurface();
    // The colour WM_ERASEBKGND fills the surface with.
    void SetBackgroundColor(COLORREF color) { m_background = color; }
    COLORREF GetBackgroundColor() const { return m_background; }

    // Timers: per window and id, at least 10 ms; setting an id again restarts it.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, void* unused = nullptr);
    BOOL KillTimer(UINT_PTR id);

protected:
    UINT m_id = 0;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    COLORREF m_background;
    QWidget* m_widget = nullptr;
    QImage m_surface;
    bool m_ownsWidget = false;
    HFONT m_hFont = nullptr;  // the font last set by WM_SETFONT (not owned)

    // Creates the host widget; dialogs make a QDialog.
    virtual QWidget* CreateHostWidget(QWidget* parent, bool child);
    // Registers widget as this window: gives it its handle and hooks its lifetime.
    void BindWidget(QWidget* widget, UINT id, CWnd* parent);
    void ResizeSurface(int width, int height);
    // Records the widget's size as the program's own (not a user's resize).
    void NoteRequestedSize();
    // The client size the program last asked for. Under X11 the size event of
    // a move comes later, so the client rectangle may still be the old one.
    SIZE RequestedClientSize() const { return SIZE{m_requestedSize.width(), m_requestedSize.height()}; }

private:
    friend class WindowDispatch;
    friend struct WindowHostAccess;
    struct Current {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    Current m_current{};
    int m_dispatchDepth = 0;
    int m_hostDepth = 0;      // nesting of the host widget's event handler
    quint64 m_activated = 0;  // when it was last activated (a counter)
    bool m_destroyPending = false;
    bool m_destroying = false;
    bool m_paintPending = false;
    bool m_erasePending = false;
    CWnd* m_owner = nullptr;
    QHash<UINT_PTR, int> m_timers;  // our id -> Qt timer id
    QHash<UINT, HWND> m_childIds;   // control id -> child handle
    CDC* m_lastDc = nullptr;
    CMenu* m_systemMenu = nullptr;  // made when first asked for

    QSize m_requestedSize;                  // the client size the program last asked for
    bool m_inSizing = false;                // the user is resizing (WM_ENTERSIZEMOVE sent)
    class QTimer* m_sizingEnd = nullptr;    // ends the sizing when resizes stop
    bool m_hiddenAsMinimized = false;       // minimised where no window manager can iconify
    bool m_minimizeRequested = false;       // the program asked the window manager to iconify it
    bool m_minimizeCommandPending = false;  // SC_MINIMIZE of an iconify that happened already
    QList<HWND> m_hiddenOwned;              // owned windows hidden with it
    void HideAsMinimized();
    void ShowFromMinimized();
    // Owned windows leave the screen with a minimised owner and come back with it.
    void HideOwnedWindows();
    void ShowOwnedWindows();
    void FinishDestroy();
    void UnbindWidget();
    // The default handling of WM_SYSCOMMAND (window_system_menu.cpp).
    void RunSystemCommand(UINT command);
    // The window manager iconified the window without the program asking:
    // the window hears of it as SC_MINIMIZE and may refuse it.
    void OnIconifiedByWindowManager();
    void RunPaint();
};

// The same services by handle. A message to a dead or foreign handle is dropped.
BOOL IsWindow(HWND hwnd);
// Same thread: handled at once. From a worker thread: blocks until the UI
// thread has handled it. Returns the handler's result (0 for dead handles).
LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
inline LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageW(hwnd, message, wParam, lParam);
}
// Queued, first in first out, from any thread.
BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
inline BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return PostMessageW(hwnd, message, wParam, lParam);
}
BOOL ShowWindow(HWND hwnd, int command);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowVisible(HWND hwnd);
BOOL GetWindowRect(HWND hwnd, RECT* rect);
BOOL GetClientRect(HWND hwnd, RECT* rect);
HWND GetDlgItem(HWND dialog, int id);
HWND GetParent(HWND hwnd);
HWND GetFocus();
HWND SetFocus(HWND hwnd);
HWND GetActiveWindow();
// The top-level window that holds the window (itself when it is one); null
// for a handle that is not the program's.
HWND GetRootWindow(HWND hwnd);
HWND GetForegroundWindow();
HWND GetCapture();
BOOL ReleaseCapture();
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND hwnd);
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, void* unused);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
BOOL SetWindowTextW(HWND hwnd, const QString& text);
// GetDC of null or of the desktop window: the screen's DC (see CreateDesktopDc).
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
// The desktop's root window, spanning every monitor; null without an X display.
HWND GetDesktopWindow();
// The first of the program's own top-level windows with this caption; the
// class name is not compared (pass null). Null when there is none.
HWND FindWindowW(const QString* className, const QString& caption);
BOOL DestroyWindow(HWND hwnd);

// GW_OWNER: the owner; GW_ENABLEDPOPUP: the most recently active visible,
// enabled window that hwnd owns, else hwnd itself. GW_HWNDFIRST, GW_HWNDLAST,
// GW_HWNDNEXT (below) and GW_HWNDPREV (above): the z-order of the program's
// own top-level windows (platform/window/window_stacking.h).
HWND GetWindow(HWND hwnd, UINT relation);
void MessageBeep(UINT type);

// Destroys a window and deletes its object once no handler of it is running
// (safe from inside its own handlers and from handlers it called).
void DeleteWindowLater(CWnd* wnd);
