// The yardstick of the start-up benchmark (scripts/bench-startup): a bare Qt
// window at the size and place of the program's main window (the screen's
// work area), reporting its first paint as the program does.
#include "platform/window/first_paint_report.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    ReportFirstPaintWhenAsked(&window);
    window.show();
    return app.exec();
}
