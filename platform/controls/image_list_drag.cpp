#include "platform/controls/image_list_drag.h"

#include "platform/controls/image_list.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>

#include <memory>

namespace {

struct DragPicture {
    std::unique_ptr<QLabel> window;
    QPoint hotSpot;
    bool entered = false;  // between DragEnter and DragLeave
    bool shown = true;     // not hidden by DragShowNolock

    ~DragPicture()
    {
        // A window cannot go once the toolkit has gone with the program's end.
        if (!QCoreApplication::instance())
            (void)window.release();
    }
};

DragPicture& Picture()
{
    static DragPicture picture;
    return picture;
}

void Place(int x, int y)
{
    DragPicture& p = Picture();
    if (p.window)
        p.window->move(QPoint(x, y) - p.hotSpot);
}

void ShowAsState()
{
    DragPicture& p = Picture();
    if (p.window)
        p.window->setVisible(p.entered && p.shown);
}

}  // namespace

BOOL ImageList_BeginDrag(CImageList* list, int index, int dxHotspot, int dyHotspot)
{
    const QImage image = list ? list->GetImage(index) : QImage();
    if (image.isNull())
        return FALSE;
    ImageList_EndDrag();
    DragPicture& p = Picture();
    // A tool tip stays above the program's windows without a frame or the
    // window manager's placing; it takes no input, so the pointer's events
    // go to the window below it.
    p.window = std::make_unique<QLabel>(nullptr,
        Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    p.window->setAttribute(Qt::WA_ShowWithoutActivating);
    p.window->setAttribute(Qt::WA_TransparentForMouseEvents);
    p.window->setPixmap(QPixmap::fromImage(image));
    p.window->resize(image.size());
    p.window->setWindowOpacity(0.7);
    p.hotSpot = QPoint(dxHotspot, dyHotspot);
    p.entered = false;
    p.shown = true;
    return TRUE;
}

BOOL ImageList_DragEnter(HWND, int x, int y)
{
    DragPicture& p = Picture();
    if (!p.window)
        return FALSE;
    p.entered = true;
    Place(x, y);
    ShowAsState();
    return TRUE;
}

BOOL ImageList_DragMove(int x, int y)
{
    if (!Picture().window)
        return FALSE;
    Place(x, y);
    return TRUE;
}

BOOL ImageList_DragShowNolock(BOOL show)
{
    DragPicture& p = Picture();
    if (!p.window)
        return FALSE;
    p.shown = show != FALSE;
    ShowAsState();
    return TRUE;
}

BOOL ImageList_DragLeave(HWND)
{
    DragPicture& p = Picture();
    if (!p.window)
        return FALSE;
    p.entered = false;
    ShowAsState();
    return TRUE;
}

void ImageList_EndDrag()
{
    Picture().window.reset();
}

bool IsDragPictureShownForTesting()
{
    const DragPicture& p = Picture();
    return p.window && p.window->isVisible();
}

POINT DragPicturePositionForTesting()
{
    const DragPicture& p = Picture();
    if (!p.window)
        return POINT{};
    return POINT{p.window->x(), p.window->y()};
}
