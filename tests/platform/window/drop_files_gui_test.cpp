// Local files dropped on a window that accepts them arrive as WM_DROPFILES,
// with their paths and the drop point.
#include "platform/window/drop_files.h"
#include "platform/window/window.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class DropTarget : public CWnd {
public:
    QStringList files;
    POINT at;
    void OnDropFiles(HDROP__* drop) override
    {
        const UINT n = DragQueryFileW(drop, 0xFFFFFFFFu, nullptr);
        for (UINT i = 0; i < n; ++i) {
            QString path;
            DragQueryFileW(drop, i, &path);
            files << path;
        }
        DragQueryPoint(drop, &at);
        DragFinish(drop);
    }
};

TEST(DropFiles, DroppedLocalFilesArriveAsDropFiles)
{
    DropTarget w;
    ASSERT_TRUE(w.CreateEx(0, QStringLiteral("drop"), WS_POPUP | WS_VISIBLE, RECT{0, 0, 80, 60}, nullptr, 0));
    w.DragAcceptFiles();
    EXPECT_TRUE(w.GetWidget()->acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/画像 1.png")),
        QUrl(QStringLiteral("https://example.org/x")), QUrl::fromLocalFile(QStringLiteral("/tmp/b.jpg"))});
    QDragEnterEvent enter(QPoint(12, 7), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.GetWidget(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(12, 7), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.GetWidget(), &drop);
    EXPECT_EQ(w.files, QStringList({QStringLiteral("/tmp/画像 1.png"), QStringLiteral("/tmp/b.jpg")}));
    EXPECT_EQ(w.at, (POINT{12, 7}));
}

}  // namespace
