// The default message handling: standard messages go to their virtual
// handlers, WM_COMMAND to OnCommand, WM_NOTIFY to OnNotify, and what no
// handler takes to DefWindowProc.
#include "platform/window/drop_files.h"
#include "platform/window/window_dispatch.h"
#include "platform/window/window_text.h"

namespace {

CPoint PointOf(LPARAM l)
{
    return CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l));
}

}  // namespace

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const UINT flags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND: {
        return OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    }
    case WM_SIZE:
        OnSize(
            flags, LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam)));
        return 0;
    case WM_MOVE:
        OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_SHOWWINDOW:
        OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)), HIWORD(wParam) != 0);
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(flags, PointOf(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(flags, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(flags, PointOf(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(flags, PointOf(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(flags, PointOf(lParam));
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(flags, PointOf(lParam));
        return 0;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(flags, PointOf(lParam));
        return 0;
    case WM_MBUTTONDOWN:
        OnMButtonDown(flags, PointOf(lParam));
        return 0;
    case WM_MBUTTONUP:
        OnMButtonUp(flags, PointOf(lParam));
        return 0;
    case WM_MOUSEWHEEL:
        return OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam), PointOf(lParam));
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        OnKeyDown(
            flags, LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam)));
        return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        OnKeyUp(
            flags, LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam)));
        return 0;
    case WM_CHAR:
        OnChar(
            flags, LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam)));
        return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)));
        return 0;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)));
        return 0;
    case WM_CONTEXTMENU:
        OnContextMenu(FromHandle(reinterpret_cast<HWND>(wParam)), PointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(FromHandle(reinterpret_cast<HWND>(lParam)));
        return 0;
    case WM_ENABLE:
        OnEnable(static_cast<BOOL>(wParam));
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
            FromHandle(reinterpret_cast<HWND>(lParam)), message - WM_CTLCOLORMSGBOX));
    case WM_ACTIVATEAPP:
        OnActivateApp(static_cast<BOOL>(wParam), static_cast<DWORD>(lParam));
        return 0;
    case WM_SETCURSOR:
        return OnSetCursor(FromHandle(reinterpret_cast<HWND>(wParam)),
            LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam)));
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP__*>(wParam));
        return 0;
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (OnNotify(wParam, lParam, &result))
            return result;
        return DefWindowProc(message, wParam, lParam);
    }
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SYSCOMMAND:
        RunSystemCommand(static_cast<UINT>(wParam & 0xFFF0));
        return 0;
    case WM_SETTEXT:
        if (m_widget && lParam)
            SetWidgetText(m_widget, *reinterpret_cast<const QString*>(lParam));
        return TRUE;
    case WM_GETTEXT:
        // lParam points to a QString that receives the text; wParam is ignored.
        if (m_widget && lParam) {
            *reinterpret_cast<QString*>(lParam) = WidgetText(m_widget);
            return reinterpret_cast<QString*>(lParam)->size();
        }
        return 0;
    case WM_GETTEXTLENGTH:
        return m_widget ? WidgetText(m_widget).size() : 0;
    case WM_SETFONT: {
        auto* font = reinterpret_cast<HFONT>(wParam);
        m_hFont = font;
        if (m_widget && font)
            m_widget->setFont(font->font);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    case WM_MOUSEWHEEL:
        // A child window passes a wheel it does not take to its parent.
        if (m_widget && !m_widget->isWindow())
            if (CWnd* parent = GetParent())
                return parent->SendMessage(message, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM, LPARAM)
{
    return FALSE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

int CWnd::OnCreate()
{
    return 0;
}
void CWnd::OnDestroy()
{
}
void CWnd::OnPaint()
{
}
BOOL CWnd::OnEraseBkgnd(CDC* dc)
{
    if (!dc)
        return FALSE;
    const QImage* image = dc->GetImage();
    if (image)
        dc->FillSolidRect(0, 0, image->width(), image->height(), m_background);
    return TRUE;
}
void CWnd::OnSize(UINT, int, int)
{
}
void CWnd::OnMove(int, int)
{
}
void CWnd::OnShowWindow(BOOL, UINT)
{
}
void CWnd::OnClose()
{
    Default();
}
void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
}
void CWnd::OnSetFocus(CWnd*)
{
}
void CWnd::OnKillFocus(CWnd*)
{
}
void CWnd::OnTimer(UINT_PTR)
{
}
void CWnd::OnMouseMove(UINT, CPoint)
{
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
}
void CWnd::OnRButtonDown(UINT, CPoint)
{
}
void CWnd::OnRButtonUp(UINT, CPoint)
{
}
void CWnd::OnRButtonDblClk(UINT, CPoint)
{
}
void CWnd::OnMButtonDown(UINT, CPoint)
{
}
void CWnd::OnMButtonUp(UINT, CPoint)
{
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return static_cast<BOOL>(Default());
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
}
void CWnd::OnKeyUp(UINT, UINT, UINT)
{
}
void CWnd::OnChar(UINT, UINT, UINT)
{
}
void CWnd::OnHScroll(UINT, UINT, CWnd*)
{
}
void CWnd::OnVScroll(UINT, UINT, CWnd*)
{
}
void CWnd::OnContextMenu(CWnd*, CPoint)
{
}
void CWnd::OnCaptureChanged(CWnd*)
{
}
void CWnd::OnEnable(BOOL)
{
}
void CWnd::OnDropFiles(HDROP__* drop)
{
    DragFinish(drop);
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    return nullptr;
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return FALSE;
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
}
void CWnd::OnActivateApp(BOOL, DWORD)
{
}
