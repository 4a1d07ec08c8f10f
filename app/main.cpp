// Kestrel: screen capture and image handling for X11.
#include "app/kestrel_app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    PrepareApplicationEnvironment();
    QApplication qtApp(argc, argv);
    CKestrelApp app;
    return app.Run();
}
