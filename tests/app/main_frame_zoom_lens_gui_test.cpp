// The zoom lens with the frame and the application's filter: Space during a
// two-click selection shows and hides it (only then, and a held key does not
// flicker it); a click in it ends the selection at the pixel clicked; a wide
// press and release closes it without a point; the pointer leaving it closes it.
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "clip/zoom_lens.h"
#include "clip/zoom_lens_geometry.h"
#include "core/app_state_queries.h"
#include "core/stage_state.h"
#include "platform/window/pointer_position.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <gtest/gtest.h>

namespace {

// The picture a clip slot holds (24 or 32 bits).
QImage SlotPicture(const CClipImageSlot& slot)
{
    const BITMAPINFOHEADER& h = slot.infoHeader;
    const int w = h.biWidth, height = std::abs(h.biHeight), bytes = h.biBitCount / 8;
    QImage out(w, height, QImage::Format_RGB32);
    const int stride = ((w * h.biBitCount + 31) / 32) * 4;
    for (int y = 0; y < height; ++y) {
        const BYTE* row = slot.bits + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < w; ++x)
            out.setPixel(x, y, qRgb(row[x * bytes + 2], row[x * bytes + 1], row[x * bytes]));
    }
    return out;
}

class MainFrameZoomLensGui : public FrameAppTest {
protected:
    void SetUp() override
    {
        FrameAppTest::SetUp();
        const QString path = m_dir.filePath(QStringLiteral("p.png"));
        ASSERT_TRUE(m_picture.save(path));
        ASSERT_EQ(Stage().RequestOpenImageFile(path), 1);
    }
    CDlgViewStage& Stage() { return *m_frame->GetViewStage(); }
    CDlgZoomLens* Lens() { return m_frame->m_pZoomLens; }
    void EnterTwoClick()
    {
        g_nRangeSelectMethod = 2;
        Stage().SendMessage(WM_COMMAND, MAKEWPARAM(ID_STAGE_ENTER_CLIP, 0), 0);
        ASSERT_TRUE(IsClickClipActive());
    }
    void PointerOverStage(int x, int y)
    {
        const RECT v = Stage().ViewRectangle();
        POINT p{v.left + x, v.top + y};
        Stage().ClientToScreen(&p);
        SetCursorPos(p.x, p.y);
    }
    void Space(bool repeated = false)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeated);
        press.setTimestamp(NextInputTimestamp());
        QApplication::sendEvent(Stage().GetWidget(), &press);
    }
    // Clicks the lens's picture at p (picture coordinates, press and release
    // apart by apart pixels) and returns the pixel under p.
    POINT ClickLens(QPoint p, int apart = 0)
    {
        CDlgZoomLens* lens = Lens();
        QWidget* picture = lens->GetDlgItem(IDC_ZOOM_LENS_PICTURE)->GetWidget();
        const int cell = lens->LensSide() / 30;
        const POINT pixel{lens->SourceRect().left + p.x() / cell, lens->SourceRect().top + p.y() / cell};
        SendMouse(picture, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier, p);
        SendMouse(picture, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::NoModifier,
            p + QPoint(apart, 0));
        PumpUntil([&] { return Lens() == nullptr; }, 1000);
        return pixel;
    }

    const QImage m_picture = PatternImage(200, 160);
};

TEST_F(MainFrameZoomLensGui, SpaceTogglesTheLensOnlyDuringATwoClickSelection)
{
    PointerOverStage(60, 50);
    Space();
    EXPECT_FALSE(m_frame->IsZoomLensOpen()) << "no selection runs";

    EnterTwoClick();
    Space();
    ASSERT_TRUE(m_frame->IsZoomLensOpen());
    EXPECT_TRUE(Lens()->IsWindowVisible());
    Space(true);  // the held key repeats
    EXPECT_TRUE(m_frame->IsZoomLensOpen());
    Space();
    EXPECT_FALSE(m_frame->IsZoomLensOpen());

    // Not for an image smaller than the lens's 30 x 30 square.
    Stage().SendMessage(WM_COMMAND, MAKEWPARAM(ID_RB_CANCEL_CLIP_RANGE, 0), 0);
    const QString small = m_dir.filePath(QStringLiteral("small.png"));
    ASSERT_TRUE(PatternImage(40, 29).save(small));
    ASSERT_EQ(Stage().RequestOpenImageFile(small), 1);
    EnterTwoClick();
    Space();
    EXPECT_FALSE(m_frame->IsZoomLensOpen());
}

TEST_F(MainFrameZoomLensGui, ClicksInTheLensGiveTheSelectionsTwoPoints)
{
    EnterTwoClick();
    PointerOverStage(60, 50);
    Space();
    ASSERT_NE(Lens(), nullptr);
    const POINT first = ClickLens(QPoint(42, 64));
    EXPECT_EQ(Lens(), nullptr);
    EXPECT_TRUE(Stage().ZoomRubberBandStarted());

    PointerOverStage(120, 100);
    Space();
    ASSERT_NE(Lens(), nullptr);
    const POINT second = ClickLens(QPoint(250, 210));
    EXPECT_EQ(Lens(), nullptr);
    EXPECT_FALSE(IsClickClipActive());
    const CClipImageSlot* slot = Stage().ClipStore().GetSlot(0);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(
        SlotPicture(*slot), m_picture.copy(first.x, first.y, second.x - first.x + 1, second.y - first.y + 1));
}

TEST_F(MainFrameZoomLensGui, AWideClickOrThePointerLeavingClosesTheLensWithoutAPoint)
{
    EnterTwoClick();
    PointerOverStage(60, 50);
    Space();
    ASSERT_NE(Lens(), nullptr);
    ClickLens(QPoint(42, 64), 5);
    EXPECT_EQ(Lens(), nullptr);
    EXPECT_FALSE(Stage().ZoomRubberBandStarted());
    EXPECT_TRUE(IsClickClipActive());

    Space();
    ASSERT_NE(Lens(), nullptr);
    RECT r;
    Lens()->GetWindowRect(&r);
    SetCursorPos(r.right + 20, r.top);
    SendMouse(
        Stage().GetWidget(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(Lens(), nullptr);
    EXPECT_TRUE(IsClickClipActive());
}

}  // namespace
