// The view stage's right-click menu and the commands behind its items, and
// the frame sizing the stage.
#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "clip/stage_popup_menu.h"
#include "core/frame_messages.h"
#include "platform/window/pointer_position.h"
#include "tests/clip/view_stage_fixture.h"
#include "tests/support/synthetic_input.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>

namespace {

using ViewStagePopup = ViewStageTest;

// The texts of the pop-up once it is shown; the pop-up is then closed unchosen.
QStringList ReadPopupAndClose(CDlgViewStage& stage, CPoint at)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        PumpUntil([] { return QApplication::activePopupWidget() != nullptr; }, 1000);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* a : menu->actions())
            texts.append(a->text());
        menu->close();
    });
    stage.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    return texts;
}

CPoint ViewPoint(const CDlgViewStage& stage, int x, int y)
{
    const RECT v = stage.ViewRectangle();
    return CPoint(v.left + x, v.top + y);
}

TEST_F(ViewStagePopup, GridItemTogglesTheGridAndTheMenuShowsTheColourUnderTheClick)
{
    const QImage picture = PatternImage(40, 30);
    ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("p.png"), picture)), 1);
    AppSettings.ShowPixelGrid = 0;
    AppSettings.ColorRadix = 10;

    const QRgb under = picture.pixel(10, 5);
    const QString colour = ColorText(RGB(qRed(under), qGreen(under), qBlue(under)), 10);
    QStringList texts = ReadPopupAndClose(stage, ViewPoint(stage, 10, 5));
    EXPECT_TRUE(texts.contains(CopyColorLabel(colour))) << texts.join(u'|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("ピクセルグリッドを表示する")));
    EXPECT_EQ(stage.ColorTextOfLastClick(), colour);

    // Item 509 comes back as a command without a control.
    stage.SendMessage(WM_COMMAND, MAKEWPARAM(IDF_SHOW_GRID, 0), 0);
    EXPECT_EQ(AppSettings.ShowPixelGrid, 1);
    AppSettings.ColorRadix = 16;
    texts = ReadPopupAndClose(stage, ViewPoint(stage, 10, 5));
    EXPECT_TRUE(texts.contains(QStringLiteral("ピクセルグリッドを表示しない")));
    EXPECT_TRUE(texts.contains(CopyColorLabel(ColorText(RGB(qRed(under), qGreen(under), qBlue(under)), 16))));

    stage.SendMessage(WM_COMMAND, MAKEWPARAM(IDF_SHOW_GRID, 0), 0);
    EXPECT_EQ(AppSettings.ShowPixelGrid, 0);
}

TEST_F(ViewStagePopup, ARightClickOutsideTheViewOpensNoMenu)
{
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        opened = QApplication::activePopupWidget() != nullptr;
        if (auto* menu = QApplication::activePopupWidget())
            menu->close();
    });
    // No image: there is no view at all.
    stage.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(100, 100));
    PumpFor(20);
    EXPECT_FALSE(opened);
}

TEST_F(ViewStagePopup, ItemsRunTheirCommands)
{
    OpenPanel();
    ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("p.png"), PatternImage(40, 30))), 1);
    ReadPopupAndClose(stage, ViewPoint(stage, 4, 4));
    AppSettings.ColorRadix = 10;
    AppSettings.MakeFilenameAuto = 0;
    AppSettings.CenterZoom = 0;

    auto run = [&](UINT id) { stage.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); };
    run(IDF_COLOR_RADIX);
    EXPECT_EQ(AppSettings.ColorRadix, 16);
    run(IDF_COLOR_RADIX);
    EXPECT_EQ(AppSettings.ColorRadix, 10);
    run(IDF_AUTO_FILE_NAME);
    EXPECT_EQ(AppSettings.MakeFilenameAuto, 1);
    run(IDF_CENTER_ZOOM);
    EXPECT_EQ(AppSettings.CenterZoom, 1);

    // The panel's buttons are pressed with their ids.
    panel.received.clear();
    run(IDF_TWO_CLICK_RANGE);
    run(IDF_CAPTURE_FULL_SCREEN);
    ASSERT_EQ(panel.received.size(), 2);
    EXPECT_EQ(LOWORD(panel.received[0].wParam), IDC_PANEL_TWO_CLICK_RANGE);
    EXPECT_EQ(LOWORD(panel.received[1].wParam), IDC_PANEL_CAPTURE_FULL_SCREEN);

    // The colour text goes to the frame.
    run(IDF_COPY_COLOR_TEXT);
    ASSERT_EQ(frame.Count(WM_FRAME_COPY_TEXT), 1);
    for (const RecordingWindow::Message& m : frame.received) {
        if (m.message == WM_FRAME_COPY_TEXT) {
            EXPECT_EQ(*reinterpret_cast<const QString*>(m.wParam), stage.ColorTextOfLastClick());
        }
    }

    // The grid item puts the pointer back where the menu was opened.
    SetCursorPos(0, 0);
    run(IDF_SHOW_GRID);
    POINT expected = ViewPoint(stage, 4, 4);
    stage.ClientToScreen(&expected);
    POINT now{};
    GetCursorPos(&now);
    EXPECT_EQ(now.x, expected.x);
    EXPECT_EQ(now.y, expected.y);
}

TEST_F(ViewStagePopup, MiddleButtonArrivesAsTheLeftButton)
{
    class Stage : public CDlgViewStage {
    public:
        QList<UINT> buttons;
        void OnLButtonDown(UINT, CPoint) override { buttons.append(WM_LBUTTONDOWN); }
        void OnLButtonUp(UINT, CPoint) override { buttons.append(WM_LBUTTONUP); }
    };
    Stage other;
    ASSERT_TRUE(other.Create(&frame));
    other.SendMessage(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(50, 60));
    other.SendMessage(WM_MBUTTONUP, 0, MAKELPARAM(50, 60));
    EXPECT_EQ(other.buttons, (QList<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(ViewStagePopup, EscEndsARunningSelectionThroughThePanel)
{
    OpenPanel();
    g_nStageMode = kStageModeSelecting;
    g_nRangeSelectMethod = 3;
    stage.SetFocus();
    KeyClick(stage.GetWidget(), Qt::Key_Escape, QStringLiteral("\x1b"));
    ASSERT_EQ(panel.Count(WM_CLIPCTL_PRESS_METHOD), 1);
    EXPECT_EQ(panel.received.back().wParam, 3u);
    EXPECT_TRUE(stage.IsWindowVisible());  // Esc does not close the stage
    g_nStageMode = kStageModeNormal;
    g_nRangeSelectMethod = 2;
}

TEST_F(ViewStagePopup, FrameSizedNarrowerThanTheMinimumKeepsTheMinimumSize)
{
    ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("p.png"), PatternImage(800, 700))), 1);
    EXPECT_GT(StageSize().cx, 674);
    // A new image resizes the stage, and the frame is asked to fit around it.
    const int fits = frame.Count(WM_FRAME_FIT);
    EXPECT_GE(fits, 1);
    const RECT narrow{0, 0, 300, 300};
    stage.SendMessage(WM_RESIZE_STAGE, reinterpret_cast<WPARAM>(&narrow));
    EXPECT_EQ(StageSize().cx, 674);
    EXPECT_EQ(StageSize().cy, 600);
    // The view fits the room left in it, with the image's aspect.
    EXPECT_EQ(ViewSize().cx, 641);
    EXPECT_EQ(ViewSize().cy, 561);
    // The frame is not asked to fit itself while it is the one being sized.
    EXPECT_EQ(frame.Count(WM_FRAME_FIT), fits);
}

TEST_F(ViewStagePopup, PointerOverTheViewShowsItsColourOnThePanel)
{
    const QImage picture = PatternImage(40, 30);
    ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("p.png"), picture)), 1);
    // Without a panel the colour goes nowhere.
    stage.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ViewPoint(stage, 2, 2).x, ViewPoint(stage, 2, 2).y));
    OpenPanel();
    const CPoint inside = ViewPoint(stage, 25, 13);
    stage.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(inside.x, inside.y));
    ASSERT_EQ(panel.Count(WM_CLIPCTL_SHOW_COLOR), 1);
    const QRgb under = picture.pixel(25, 13);
    EXPECT_EQ(
        panel.received.back().wParam, static_cast<WPARAM>(RGB(qRed(under), qGreen(under), qBlue(under))));
    const CPoint outside = ViewPoint(stage, 41, 13);
    stage.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(outside.x, outside.y));
    EXPECT_EQ(panel.Count(WM_CLIPCTL_SHOW_COLOR), 1);
}

}  // namespace
