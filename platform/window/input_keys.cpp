#include "platform/window/input_keys.h"
#include "platform/x11/desktop_services.h"

#include <QGuiApplication>
#include <QSet>
#include <mutex>

UINT VirtualKeyFromQtKey(int k)
{
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return static_cast<UINT>('A' + (k - Qt::Key_A));
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return static_cast<UINT>('0' + (k - Qt::Key_0));
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return VK_F1 + static_cast<UINT>(k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_CapsLock:
        return VK_CAPITAL;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Print:
        return VK_SNAPSHOT;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Help:
        return VK_HELP;
    case Qt::Key_NumLock:
        return VK_NUMLOCK;
    case Qt::Key_ScrollLock:
        return VK_SCROLL;
    case Qt::Key_Asterisk:
        return VK_MULTIPLY;
    case Qt::Key_Plus:
        return VK_OEM_PLUS;
    case Qt::Key_Minus:
        return VK_OEM_MINUS;
    case Qt::Key_Comma:
        return VK_OEM_COMMA;
    case Qt::Key_Period:
        return VK_OEM_PERIOD;
    case Qt::Key_Slash:
        return VK_DIVIDE;
    default:
        return 0;
    }
}

UINT MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    UINT flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

LPARAM KeyMessageLParam(bool down, bool autoRepeat, quint32 scanCode)
{
    DWORD v = 1u | ((scanCode & 0xFFu) << 16);
    if (!down || autoRepeat)
        v |= 1u << 30;
    if (!down)
        v |= 1u << 31;
    return static_cast<LPARAM>(v);
}

namespace {

std::mutex g_keysMutex;
QSet<UINT> g_keysDown;

bool IsDown(int vk)
{
    // Without a GUI application (a command-line run) no key is down.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    const Qt::KeyboardModifiers mods = QGuiApplication::queryKeyboardModifiers();
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    switch (vk) {
    case VK_SHIFT:
        return mods & Qt::ShiftModifier;
    case VK_CONTROL:
        return mods & Qt::ControlModifier;
    case VK_MENU:
        return mods & Qt::AltModifier;
    case VK_LBUTTON:
        return buttons & Qt::LeftButton;
    case VK_RBUTTON:
        return buttons & Qt::RightButton;
    case VK_MBUTTON:
        return buttons & Qt::MiddleButton;
    default: {
        std::lock_guard lock(g_keysMutex);
        return g_keysDown.contains(static_cast<UINT>(vk));
    }
    }
}

}  // namespace

void NoteKeyTransition(UINT vk, bool down)
{
    if (vk == 0)
        return;
    std::lock_guard lock(g_keysMutex);
    if (down)
        g_keysDown.insert(vk);
    else
        g_keysDown.remove(vk);
}

// The low bit of a lock key's state: on while its indicator is lit.
static bool IsToggledOn(int vk)
{
    if (vk != VK_CAPITAL && vk != VK_NUMLOCK && vk != VK_SCROLL)
        return false;
    LockKeyStates locks;
    if (!Desktop().input.ReadLockKeys(locks))
        return false;
    return vk == VK_CAPITAL ? locks.capsLock : vk == VK_NUMLOCK ? locks.numLock : locks.scrollLock;
}

short GetKeyState(int vk)
{
    return static_cast<short>((IsDown(vk) ? 0x8000 : 0) | (IsToggledOn(vk) ? 1 : 0));
}

short GetAsyncKeyState(int vk)
{
    return GetKeyState(vk);
}
