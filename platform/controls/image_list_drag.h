// The drag picture of an image list: while something is dragged inside the
// program, one image of a list follows the pointer in a small frameless
// window that takes no input. Positions are screen coordinates (the lock
// window is the desktop); the hot spot is the point of the picture that
// sits under the pointer. One drag at a time.
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

class CImageList;

// Takes a copy of the list's image at `index` as the drag picture; FALSE
// when there is no such image.
BOOL ImageList_BeginDrag(CImageList* list, int index, int dxHotspot, int dyHotspot);
// Shows the picture with its hot spot at (x, y).
BOOL ImageList_DragEnter(HWND lock, int x, int y);
// Moves the picture's hot spot to (x, y).
BOOL ImageList_DragMove(int x, int y);
// Hides or shows the picture while the drag goes on.
BOOL ImageList_DragShowNolock(BOOL show);
// Hides the picture.
BOOL ImageList_DragLeave(HWND lock);
// Ends the drag and lets the picture go.
void ImageList_EndDrag();

// Test view of the picture: shown, and its window's top-left on the screen.
bool IsDragPictureShownForTesting();
POINT DragPicturePositionForTesting();
