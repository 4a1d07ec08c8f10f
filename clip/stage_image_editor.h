// The view stage's image edits: preparing a loaded image (display bitmap and
// both undo copies), flips, the quarter turn, the return to the picture as
// loaded and colour adjustment. The picture on screen is undo copy 1 of the
// holder: the edits write there and the display bitmap is rebuilt from it.
#pragma once

#include "platform/types/messages.h"
#include "platform/types/types.h"

class CColorAdjust;
class CDibAccessor;
class CImageTransform;
class CLoadBitmapDlg_DupMem;
class StageEditHost;

class CStageImageEditor {
public:
    CStageImageEditor(CLoadBitmapDlg_DupMem* holder, CDibAccessor* accessor, CImageTransform* transform,
        CColorAdjust* adjust, StageEditHost* host);

    // After a load: display bitmap, both undo copies holding the image, the
    // edit source taken from copy 1; 1, or 0 when any part fails (the
    // accessor and the transform then hold no pixels).
    int PrepareLoadedImage();
    // The accessor takes copy 1 (size, depth, pixels, palette) and the view
    // rectangle; the transform is attached to it again.
    void SyncEditSource();
    // Display bitmap rebuilt from copy 1 (while there is a back buffer), then
    // render; 0 with a message when the bitmap could not be made.
    int FixWindow_RenderImage();
    // 1 done, 0 failed (the reason shown; the picture as it was).
    LRESULT FlipTopBottom();
    LRESULT FlipLeftRight();
    LRESULT Rotate90();
    // Back to the picture as it was loaded.
    void ResetImage();
    void ContrastBegin();
    // Stores value (above 127: 127) into the channels named (1 red, 2 green,
    // 4 blue) and applies the adjustment when an offset changed.
    void ContrastSet(int value, int channels);
    void ContrastEnd();
    // The stage was cleared: transform, adjustment and accessor hold nothing.
    void Clear();
    // The image and its copies changed depth where they lie (32 to 24 bits
    // before a JPEG save): accessor, transform, adjustment copy and display
    // bitmap follow, the picture on screen unchanged. 1, or 0 when the
    // display bitmap could not be made (message shown).
    int AfterDepthChange();

private:
    bool HasPicture() const;
    LRESULT RunFlip(BYTE (CImageTransform::*flip)(int, int));
    // Copy 2 into copy 1 and into the image, edit source and display
    // following; 0 when memory runs out.
    int RestoreLoadedPicture();
    // Fills the adjustment's saved copy with the unadjusted picture; false
    // when memory runs out (message shown).
    bool FillSavedCopy(BYTE* saved);
    // The held offsets applied to the saved copy, into the picture on screen.
    void ApplyAdjustment();

    CLoadBitmapDlg_DupMem* m_holder;
    CDibAccessor* m_accessor;
    CImageTransform* m_transform;
    CColorAdjust* m_adjust;
    StageEditHost* m_host;
};
