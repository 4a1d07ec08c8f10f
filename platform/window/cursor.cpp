#include "platform/window/cursor.h"

#include "platform/window/resource_cursors.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_registry.h"

#include <QGuiApplication>
#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <mutex>
#include <optional>

namespace {

std::mutex g_cursorMutex;
QHash<int, QCursor> g_resourceCursors;
HCURSOR g_shownCursor = nullptr;  // the cursor SetCursor shows now (UI thread)

bool HaveGui()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

void Show(const QCursor& cursor)
{
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(cursor);
    else
        QGuiApplication::setOverrideCursor(cursor);
}

void ClearOverride()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    g_shownCursor = nullptr;
}

// Pushes the wait cursor over the one shown; PopWaitCursor takes it back.
void PushWaitCursor(HCURSOR* shownBefore)
{
    KESTREL_ASSERT_UI_THREAD();
    *shownBefore = g_shownCursor;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    g_shownCursor = nullptr;
}

void PopWaitCursor(HCURSOR shownBefore)
{
    KESTREL_ASSERT_UI_THREAD();
    QGuiApplication::restoreOverrideCursor();
    g_shownCursor = QGuiApplication::overrideCursor() ? shownBefore : nullptr;
}

}  // namespace

bool SystemCursorShape(int id, Qt::CursorShape* shape)
{
    static const QHash<int, Qt::CursorShape> kShapes{
        {IDC_ARROW, Qt::ArrowCursor},
        {IDC_IBEAM, Qt::IBeamCursor},
        {IDC_WAIT, Qt::WaitCursor},
        {IDC_CROSS, Qt::CrossCursor},
        {IDC_UPARROW, Qt::UpArrowCursor},
        {IDC_SIZENWSE, Qt::SizeFDiagCursor},
        {IDC_SIZENESW, Qt::SizeBDiagCursor},
        {IDC_SIZEWE, Qt::SizeHorCursor},
        {IDC_SIZENS, Qt::SizeVerCursor},
        {IDC_SIZEALL, Qt::SizeAllCursor},
        {IDC_NO, Qt::ForbiddenCursor},
        {IDC_HAND, Qt::PointingHandCursor},
        {IDC_APPSTARTING, Qt::BusyCursor},
        {IDC_HELP, Qt::WhatsThisCursor},
    };
    const auto it = kShapes.constFind(id);
    if (it == kShapes.cend())
        return false;
    *shape = it.value();
    return true;
}

bool SetSystemCursor(int id)
{
    Qt::CursorShape shape;
    if (!SystemCursorShape(id, &shape) || !HaveGui())
        return false;
    if (shape == Qt::ArrowCursor) {
        ClearOverride();
    } else {
        Show(QCursor(shape));
        g_shownCursor = nullptr;
    }
    return true;
}

bool SetWindowCursor(HWND window, int systemCursorId)
{
    QWidget* widget = WidgetFromHwnd(window);
    if (!widget)
        return false;
    if (systemCursorId == 0) {
        widget->unsetCursor();
        return true;
    }
    Qt::CursorShape shape;
    if (!SystemCursorShape(systemCursorId, &shape))
        return false;
    widget->setCursor(shape);
    return true;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    KESTREL_ASSERT_UI_THREAD();
    const HCURSOR before = g_shownCursor;
    if (!HaveGui())
        return before;
    if (!cursor) {
        ClearOverride();
        return before;
    }
    Show(QCursor(QPixmap::fromImage(cursor->image), cursor->hotspot.x, cursor->hotspot.y));
    g_shownCursor = cursor;
    return before;
}

void RegisterResourceCursor(int resourceId, const QCursor& cursor)
{
    std::lock_guard lock(g_cursorMutex);
    g_resourceCursors.insert(resourceId, cursor);
}

bool SetResourceCursor(int resourceId)
{
    std::optional<QCursor> registered;
    {
        std::lock_guard lock(g_cursorMutex);
        const auto it = g_resourceCursors.constFind(resourceId);
        if (it != g_resourceCursors.cend())
            registered = it.value();
    }
    if (!HaveGui())
        return false;
    if (registered) {
        Show(*registered);
        g_shownCursor = nullptr;
        return true;
    }
    const HCURSOR art = LoadResourceCursor(resourceId);
    if (!art)
        return false;
    SetCursor(art);
    return true;
}

CWaitCursor::CWaitCursor()
{
    if (!HaveGui())
        return;
    if (IsUiThread()) {
        PushWaitCursor(&m_shownBefore);
        m_shown = true;
    } else {
        m_shown = CallOnUiThread([this] { PushWaitCursor(&m_shownBefore); });
    }
}

CWaitCursor::~CWaitCursor()
{
    if (!m_shown)
        return;
    const HCURSOR before = m_shownBefore;
    if (IsUiThread())
        PopWaitCursor(before);
    else
        CallOnUiThread([before] { PopWaitCursor(before); });
}

Qt::CursorShape CurrentOverrideCursorShape()
{
    if (!HaveGui() || !QGuiApplication::overrideCursor())
        return Qt::ArrowCursor;
    return QGuiApplication::overrideCursor()->shape();
}
