// Entry of the widget and X11 test programs: one application object for all cases.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();  // listing needs no display
    // Coordinates are device pixels: the program scales by its own DPI figures.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
