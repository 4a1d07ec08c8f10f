#include "platform/window/cursor.h"

#include <QGuiApplication>
#include <QHash>
#include <mutex>

namespace {

std::mutex g_cursorMutex;
QHash<int, QCursor> g_resourceCursors;

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
    if (shape == Qt::ArrowCursor)
        ClearOverride();
    else
        Show(QCursor(shape));
    return true;
}

void RegisterResourceCursor(int resourceId, const QCursor& cursor)
{
    std::lock_guard lock(g_cursorMutex);
    g_resourceCursors.insert(resourceId, cursor);
}

bool SetResourceCursor(int resourceId)
{
    QCursor cursor;
    {
        std::lock_guard lock(g_cursorMutex);
        const auto it = g_resourceCursors.constFind(resourceId);
        if (it == g_resourceCursors.cend())
            return false;
        cursor = it.value();
    }
    if (!HaveGui())
        return false;
    Show(cursor);
    return true;
}

Qt::CursorShape CurrentOverrideCursorShape()
{
    if (!HaveGui() || !QGuiApplication::overrideCursor())
        return Qt::ArrowCursor;
    return QGuiApplication::overrideCursor()->shape();
}
