// Dragging the selection out of the multi-view stage on a real X server:
// a window of our own that takes dropped files receives the paths.
#include "multiview/multi_view_stage.h"

#include "core/multi_view_messages.h"
#include "core/settings/app_settings.h"
#include "multiview/multi_view_state.h"
#include "multiview/thumbnail_list.h"
#include "multiview/thumbnail_loaders.h"
#include "platform/window/drop_files.h"
#include "platform/x11/desktop_services.h"
#include "tests/multiview/fake_multi_panel.h"
#include "tests/multiview/fake_thumbnail_decoder.h"
#include "tests/support/pump_until.h"

#include <QProcess>
#include <QStandardPaths>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Takes dropped files and keeps their paths.
class DropTarget : public CWnd {
public:
    QStringList dropped;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DROPFILES) {
            auto drop = reinterpret_cast<HDROP>(wParam);
            const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr);
            for (UINT i = 0; i < count; ++i) {
                QString path;
                DragQueryFileW(drop, i, &path);
                dropped.append(path);
            }
            DragFinish(drop);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

QString At(int v)
{
    return QString::number(v);
}

TEST(MultiViewStageDragX11, TheSelectionDroppedOnAnotherWindowArrivesAsItsPaths)
{
    if (!DesktopIsAvailable())
        GTEST_SKIP() << "needs an X display";
    if (QStandardPaths::findExecutable("xdotool").isEmpty())
        GTEST_SKIP() << "needs xdotool";
    const AppSettingsRecord saved = AppSettings;
    AppSettings.MaxHBitmapNumber = 2000;
    GetMultiViewState() = MultiViewState{};
    GetMultiViewState().thumbSize = 144;
    QTemporaryDir dir;
    FakeThumbnailDecoder decoder;
    FakePanel panel;
    ASSERT_TRUE(panel.Create());
    CDlgMultiViewStage stage;
    stage.SetPanelState(&panel);
    stage.List().SetThumbnailDecoder(decoder.Decoder());
    stage.List().SetAvailableMemoryMB([] { return DWORD{100000}; });
    ASSERT_TRUE(stage.Create(nullptr));
    stage.MoveWindow(20, 20, 600, 550);
    stage.ShowWindow(SW_SHOW);
    QString folder = MakePictureFolder(dir, QStringLiteral("a"), 6);
    stage.SendMessage(WM_MULTI_FOLDER_CHANGED, reinterpret_cast<WPARAM>(&folder), kSortBitDate);
    ASSERT_TRUE(PumpUntil(
        [&] { return !stage.Loaders().AnyAlive() && stage.List().GetValidBits() == kSortBitsAll; }, 10000));

    DropTarget target;
    ASSERT_TRUE(target.CreateEx(
        0, QStringLiteral("drop"), WS_POPUP | WS_VISIBLE, RECT{700, 100, 900, 300}, nullptr, 0));
    target.DragAcceptFiles(TRUE);
    PumpFor(300);

    stage.List().SetSelection(0, 1);
    stage.List().SetSelection(1, 1);
    RECT grid{};
    stage.GetDlgItem(IDC_MULTI_GRID)->GetWindowRect(&grid);
    const RECT cell = stage.Grid().GetCellRect(0);
    const QPoint from(grid.left + (cell.left + cell.right) / 2, grid.top + (cell.top + cell.bottom) / 2);
    const QPoint to = target.GetWidget()->mapToGlobal(QPoint(100, 100));

    // The pointer goes down on the selected cell, moves away and drops on the target.
    QProcess pointer;
    pointer.start(QStringLiteral("xdotool"),
        {"mousemove", At(from.x()), At(from.y()), "sleep", "0.3", "mousedown", "1", "sleep", "0.3",
            "mousemove", At(from.x() + 12), At(from.y()), "sleep", "0.5", "mousemove", At(to.x() - 10),
            At(to.y()), "sleep", "0.4", "mousemove", At(to.x()), At(to.y()), "sleep", "0.4", "mouseup", "1"});
    ASSERT_TRUE(pointer.waitForStarted());
    const bool dropped = PumpUntil([&] { return !target.dropped.isEmpty(); }, 10000);
    PumpUntil([&] { return pointer.state() == QProcess::NotRunning; }, 5000);
    EXPECT_TRUE(dropped);
    const CThumbnailList& list = stage.List();
    EXPECT_EQ(target.dropped,
        (QStringList{list.GetFilePath(list.GetSortIndex(0)), list.GetFilePath(list.GetSortIndex(1))}));

    target.DestroyWindow();
    stage.DestroyWindow();
    panel.DestroyWindow();
    AppSettings = saved;
}

}  // namespace
