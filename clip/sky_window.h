// The overview window (template 132): a caption-less tool window left of the
// view stage, below the control panel (or the measure panel), that shows the
// stage's whole image in small with a red frame around the part the stage
// shows. A click jumps the stage there; a drag pans it continuously
// (WM_STAGE_SKY_JUMP per mille of the picture, between WM_STAGE_SKY_DRAG_BEGIN
// and WM_STAGE_SKY_DRAG_END). Painting asks the stage for a new picture at
// most once a second (WM_STAGE_SKY_REFRESH); the stage answers with
// WM_SKY_SET_IMAGE. Enter and Esc do nothing: the frame alone closes it.
#pragma once

#include "clip/draw_pens.h"
#include "clip/overview_window_messages.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_132_sky_window.h"

#include <functional>

class CLoadBitmapDlg_DupMem;

// The picture control: like a static on the platform it lets the mouse
// through, so the window has its clicks in its own client coordinates.
class CSkyPicture : public CStatic {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CDlgSkyWindow : public CDialog {
public:
    enum { IDD = IDD_SKY_WINDOW };

    // workArea: the frame's work area, whose bottom the window never passes.
    explicit CDlgSkyWindow(CWnd* parent = nullptr, std::function<RECT()> workArea = {});

    // Ends a drag: forgets the press and, with notifyStage, tells the stage
    // (WM_STAGE_SKY_DRAG_END).
    void EndDrag(bool notifyStage);
    bool IsDragging() const { return m_dragging != 0; }

    // What the window shows now (for its owner and tests).
    SIZE PictureSize() const { return SIZE{m_pictureWidth, m_pictureHeight}; }
    const RECT& PictureRect() const { return m_rcPicture; }
    // The frame of the stage's visible part on the picture, as last drawn.
    const RECT& FrameRect() const { return m_rcFrame; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    void OnPaint() override;
    void OnActivate(UINT state, CWnd* other, BOOL minimized) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    static constexpr int kInnerBorder = 3;

    std::function<RECT()> m_workArea;
    CSkyPicture m_picture;
    int m_pictureWidth = 120;
    int m_pictureHeight = 120;
    LONG m_imageWidth = 0;
    LONG m_imageHeight = 0;
    POINT m_press{-1, -1};
    RECT m_rcWindow{};
    RECT m_rcPicture{};
    RECT m_rcFrame{};
    const RECT* m_visible = nullptr;  // the stage's, in image pixels
    CDrawLinePen m_framePen{PS_SOLID, 1, RGB(255, 0, 0)};
    int m_dragging = 0;
    int m_active = 1;
    bool m_askedForImage = false;  // the first paint's refresh request was made

    static HWND StageWindow();
    // Sizes the window for the picture (anew for an image) and places it.
    void LayOut(bool forImage);
    LRESULT OnSetImage(CLoadBitmapDlg_DupMem* holder, const RECT* visible);
    void DrawPicture(CLoadBitmapDlg_DupMem& holder);
    void GiveFocusToStage();
    bool InPicture(POINT p) const;
    void SendToStage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
};
