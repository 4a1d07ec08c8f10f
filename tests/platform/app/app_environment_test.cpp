// The environment the program prepares before the toolkit starts.
#include "platform/app/app.h"

#include <QByteArray>
#include <gtest/gtest.h>

// A scale factor from the desktop would make window geometry logical while
// the screen is measured in device pixels: the frame came out larger than the
// screen. The program scales by its own figures, so these go.
TEST(AppEnvironment, ScaleFactorsFromTheEnvironmentAreDropped)
{
    qputenv("QT_SCALE_FACTOR", "1.5");
    qputenv("QT_SCREEN_SCALE_FACTORS", "2");
    qputenv("QT_AUTO_SCREEN_SCALE_FACTOR", "1");
    PrepareApplicationEnvironment();
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_AUTO_SCREEN_SCALE_FACTOR"));
    EXPECT_EQ(qgetenv("QT_ENABLE_HIGHDPI_SCALING"), QByteArray("0"));
}
