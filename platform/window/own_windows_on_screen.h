// Whether the program's own windows still show on the screen. A window
// manager iconifies and unmaps windows asynchronously, so a screen copy
// made right after minimising may still see them; the capture asks this
// until they are gone.
#pragma once

// True while one of the program's top-level windows is on the screen: on
// X11 the server's map state answers, elsewhere Qt's visibility.
bool AnyOwnWindowOnScreen();
