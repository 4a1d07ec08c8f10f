// The zoom lens (template 392): a caption-less pop-up that magnifies 30 x 30
// (or, zoomed in, 15 x 15) pixels of the view stage's image into a square of
// 300 px (360 px on dense screens), with a cross-hair and an optional pixel
// grid. Dragging pans the source square, the wheel switches between the two
// magnifications; both ask the stage to crop the new square into the lens
// buffer (WM_STAGE_CROP). The pixel under the mouse is reported to the
// control panel; a click posts it to the frame (WM_FRAME_ZOOMLENS_CLICK),
// a press and release further apart post (-1, -1). Enter and Esc do nothing.
#pragma once

#include "imaging/virtual_window.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_392_zoom_lens.h"

class CClipImageSlot;

// The picture control hands the mouse on to the lens.
class CZoomLensPicture : public CStatic {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CDlgZoomLens : public CDialogEx {
public:
    enum { IDD = IDD_ZOOM_LENS };

    // source: the square the slot holds (inclusive image pixels); slot: the
    // stage's lens buffer, refilled by the stage, never freed here.
    CDlgZoomLens(const RECT& source, int imageWidth, int imageHeight, CClipImageSlot* slot);

    BOOL Create(CWnd* parent);

    int LensSide() const { return m_lensWidth; }
    int Level() const { return m_level; }
    const RECT& SourceRect() const { return m_source; }
    POINT PickedPixel() const { return m_picked; }
    // The picture control in client coordinates.
    const RECT& PictureRect() const { return m_rcPicture; }

    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { }
    void OnCancel() override { }
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override;

private:
    int m_lensWidth;
    int m_lensHeight;
    int m_imageWidth;
    int m_imageHeight;
    BYTE m_level = 0;
    RECT m_source;
    POINT m_picked{-1, -1};
    CClipImageSlot* m_slot;
    RECT m_rcPicture{};
    CVirtualWindow m_buffer;
    CPen m_crossPen;
    CPen m_gridPen;
    POINT m_press{-1, -1};
    int m_dragged = 0;
    CZoomLensPicture m_picture;

    int SourceWidth() const;
    int SourceHeight() const;
    // The picture point of a client point, and whether it lies on the picture.
    POINT ToPicture(POINT client) const;
    bool OnPicture(POINT picture) const;
    POINT PixelAt(POINT picture) const;
    void PlaceWindow();
    // Asks the stage to crop r into the lens buffer; on success r becomes the
    // source and the buffer's bitmap is prepared again.
    bool RequestSource(const RECT& r);
    void DragTo(POINT picture);
    void Redraw(POINT picture);
    void DrawCrossHair(CDC* dc, POINT picture);
    void DrawGrid(CDC* dc);
    void CopyToPicture();
};
