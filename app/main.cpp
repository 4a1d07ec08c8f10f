// Kestrel: screen capture and image handling for X11.
#include "app/kestrel_app.h"

int main(int argc, char** argv)
{
    return RunApplicationMain(argc, argv, [] {
        CKestrelApp app;
        return app.Run();
    });
}
