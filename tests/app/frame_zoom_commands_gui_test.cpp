// The frame's zoom-in and zoom-out commands on its real view stage: enabled
// only while the stage holds an image, they step the stage's zoom and end a
// hit zoom, as the reset of the image does.
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "res/frame_command_ids.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/pump_until.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

class FrameZoomCommandsGui : public FrameAppTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QImage picture(1600, 1200, QImage::Format_RGB32);
        picture.fill(qRgb(40, 90, 160));
        m_png = m_dir.filePath(QStringLiteral("picture.png"));
        ASSERT_TRUE(picture.save(m_png));
        FrameAppTest::SetUp();
    }

    CDlgViewStage& Stage() { return *m_frame->GetViewStage(); }
    bool Enabled(UINT id) const { return m_frame->QueryCommandState(id).enabled; }
    void Command(UINT id) { m_frame->SendMessage(WM_COMMAND, id, 0); }
    // Client pixels per image pixel across.
    double Ratio() { return static_cast<double>(Stage().Zoom().clientWidth) / Stage().Zoom().VisibleWidth(); }
    // Hit zoom at the view's centre, its pop-up closed unchosen.
    void HitZoom()
    {
        const RECT v = Stage().ViewRectangle();
        const CPoint at((v.left + v.right) / 2, (v.top + v.bottom) / 2);
        QTimer::singleShot(0, [] {
            PumpUntil([] { return QApplication::activePopupWidget() != nullptr; }, 1000);
            if (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
        });
        Stage().SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        Stage().SendMessage(WM_COMMAND, ID_RB_HIT_ZOOM, 0);
    }

    QString m_png;
};

TEST_F(FrameZoomCommandsGui, EnabledOnlyWithAStageImageAndTheyStepTheZoom)
{
    EXPECT_FALSE(Enabled(ID_VIEW_ZOOM_IN));
    EXPECT_FALSE(Enabled(ID_VIEW_ZOOM_OUT));
    ASSERT_NE(Stage().RequestOpenImageFile(m_png), 0);
    EXPECT_TRUE(Enabled(ID_VIEW_ZOOM_IN));
    EXPECT_TRUE(Enabled(ID_VIEW_ZOOM_OUT));

    const double fit = Ratio();
    Command(ID_VIEW_ZOOM_IN);
    Command(ID_VIEW_ZOOM_IN);
    const double in = Ratio();
    EXPECT_GT(in, fit);
    Command(ID_VIEW_ZOOM_OUT);
    EXPECT_LT(Ratio(), in);
    Command(ID_VIEW_ZOOM_OUT);
    Command(ID_VIEW_ZOOM_OUT);  // at the fit view already: refused
    EXPECT_EQ(Stage().Zoom().level, 0);
    EXPECT_FALSE(Stage().Zoom().IsPartView());
}

TEST_F(FrameZoomCommandsGui, TheZoomCommandsAndTheResetEndAHitZoom)
{
    ASSERT_NE(Stage().RequestOpenImageFile(m_png), 0);
    AppSettings.HitZoomMag = 6;
    for (UINT id : {ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT, ID_EDIT_RESET_IMAGE}) {
        SCOPED_TRACE(id);
        HitZoom();
        ASSERT_TRUE(Stage().HitZoomOn());
        // The reset waits for the control panel, so it comes straight to its handler.
        if (id == ID_EDIT_RESET_IMAGE)
            m_frame->ResetStageImage();
        else
            Command(id);
        EXPECT_FALSE(Stage().HitZoomOn());
        Stage().SendMessage(WM_STAGE_ZOOM, 0, 0);
    }
}

}  // namespace
