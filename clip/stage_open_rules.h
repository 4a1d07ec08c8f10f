// The view stage's decisions on an image request, as pure rules: which route
// a request takes by its kind and the file name's extension, what the
// scroll-capture question's answer leads to, and the scrolled area as an
// inclusive range of the image. No window, no drawing.
#pragma once

#include "platform/types/messages.h"
#include "platform/types/types.h"

#include <QString>

// The extension of a file name: the text after its last '.', empty when it has none.
QString ExtensionOfName(const QString& name);

enum class StageOpenRoute {
    Fail,         // no extension: the stage is cleared without a message
    LoadFile,     // one of the seven image types
    Capture,      // kinds 1, 2 and 3
    Clipboard,    // kind 10
    Unsupported,  // any other extension: "対応していないファイルタイプです。"
};

// The route of WM_STAGE_OPEN_IMAGE for kind and the extension of the holder's
// file name. An empty extension fails whatever the kind; the types compare
// without case.
StageOpenRoute RouteOpenRequest(WPARAM kind, const QString& extension);

enum class CaptureChoice {
    Nothing,        // the question could not be asked (the chooser was open): no change
    NormalCapture,  // 7: no question, or the question declined
    ScrollCapture,  // 6
};

// What QueryScrollCaptureForWindow's answer leads to: 7 normal, 6 scroll,
// anything else (2: the chooser is open) nothing.
CaptureChoice CaptureChoiceFor(int answer);

// The scrolled area (right and bottom exclusive) as an inclusive range clipped
// to a width x height image; the whole image when nothing of it is left.
RECT ScrollAreaToImageRange(const RECT& area, int width, int height);
