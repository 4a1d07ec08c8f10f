// The program's icon: every window of the program shows it, at the sizes
// desktops ask for.
#include "clip/control_panel.h"
#include "res/program_icon.h"
#include "tests/support/frame_app_fixture.h"

#include <QGuiApplication>
#include <QIcon>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class ProgramIconGui : public FrameAppTest { };

TEST_F(ProgramIconGui, EveryWindowShowsTheIconAtTheDesktopsSizes)
{
    for (const QString& file : ProgramIconFiles())
        EXPECT_FALSE(QImage(file).isNull()) << file.toStdString();
    const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
    for (int s : {16, 32, 48, 256})
        EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
    EXPECT_FALSE(m_frame->GetWidget()->windowIcon().isNull());
    ASSERT_NE(m_frame->GetControlWindow(), nullptr);
    EXPECT_EQ(m_frame->GetControlWindow()->GetWidget()->windowIcon().cacheKey(),
        QGuiApplication::windowIcon().cacheKey());
}

}  // namespace
