// The view stage (template 130): the clip mode's surface. A modeless tool
// window right of the control panel that shows one image, zoomed and panned,
// in its drawing surface (control 1000) below a title band with the image's
// name and three status fields. It owns the image and every object clip mode
// works with, and answers the frame and the panels through its messages
// (clip/stage_messages.h).
#pragma once

#include "clip/color_adjust.h"
#include "clip/draw_pens.h"
#include "clip/flick_tracker.h"
#include "clip/image_transforms.h"
#include "clip/stage_edit_host.h"
#include "clip/stage_layout.h"
#include "clip/stage_status_fields.h"
#include "clip/stage_surface.h"
#include "clip/stage_zoom.h"
#include "clip/wheel_clip_range.h"
#include "imaging/clip_image_store.h"
#include "imaging/dib_accessor.h"
#include "imaging/load_bitmap_dup_mem.h"
#include "imaging/png_transparency.h"
#include "imaging/preset_font.h"
#include "platform/app/menu.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_130_view_stage.h"

#include <QString>
#include <memory>

class CDlgMeasure;
class CDrawZoomRubberBand;
struct MeasurePoint;
class CStageImageEditor;
class CStageRenderer;
struct StagePopupState;
struct StagePopupMenuItems;
class ClipPopupMenuPictures;

class CDlgViewStage : public CDialog, private StageEditHost {
public:
    enum { IDD = IDD_VIEW_STAGE };
    // NotifyPanel's window numbers: their templates.
    static constexpr int kNotifyControlPanel = 134;
    static constexpr int kNotifyOverview = 132;

    CDlgViewStage();
    ~CDlgViewStage() override;

    // Modeless, owned by the frame, placed by the layout rules.
    BOOL Create(CWnd* frame);
    // The stage holds an image.
    bool HasImage() const;
    // The started two-click band's image rectangle (start pixel, end pixel, as
    // set); false while no band is started.
    bool BandImageRect(RECT* r) const;
    // The two-click band has its first point (false until range selection lands).
    bool ZoomRubberBandStarted() const;

    // Opens an image file into the stage: ends a running selection, puts the
    // path into the holder, its folder into LastAccessDir, and runs
    // WM_STAGE_OPEN_IMAGE (0, 0). The request's result.
    int RequestOpenImageFile(const QString& path);
    // The frame's save command: asks for the file name (0 cancelled, 1..5 the type, 10 refused).
    int GetSaveImageFileName(QString* path);
    // The savers write the image as shown (1 written, 0 failed).
    int SaveBmpFile(const QString& path);
    int SaveJpegFile(const QString& path);
    int SaveImageByGdiplus(const QString& path);
    int SaveTiffFile(const QString& path);
    // The edits' transform; the frame frees its result copy.
    CImageTransform* Transform();
    // The pixel accessor takes undo copy 1 again and the transform is re-attached.
    void SyncEditSource();

    // The largest view from the frame's stage area and the panel's position.
    void CalcViewAreaLimits();
    // Lays the stage out for a view room of w x h (0, 0: the present size).
    void ResizeViewStage(int w, int h, int fit);
    // The drawing surface (control 1000).
    HWND SurfaceWindow() const;

    // The name a capture or clipboard request gives the image before it is
    // sent ("full_screen.bmp", "clipboard.bmp", ...).
    void NameRequestedImage(const QString& name);

    // Read by tests, by the frame's state questions and by the colour-adjustment dialog.
    const CLoadBitmapDlg_DupMem& Image() const { return *m_image; }
    const CStageZoom& Zoom() const { return m_zoom; }
    const CColorAdjust& ColorAdjust() const { return m_adjust; }
    RECT ViewRectangle() const { return m_rcView; }
    RECT SurfaceRectangle() const { return m_rcSurface; }
    QString ColorTextOfLastClick() const { return m_colorText; }
    const CClipImageStore& ClipStore() const { return m_clipStore; }
    // The state the pop-up menu is built from at this moment.
    StagePopupState PopupState() const;
    // Ends the one-shot hit zoom: always with force 1, else only while it is on.
    void ResetHitZoom(int force);
    bool HitZoomOn() const { return m_hitZoomOn; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnMove(int x, int y) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnActivate(UINT state, CWnd* other, BOOL minimized) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override;
    void OnDropFiles(HDROP__* drop) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    void OnTimer(UINT_PTR id) override;
    void OnMButtonDown(UINT flags, CPoint point) override;
    void OnMButtonUp(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    void OnPaint() override;

private:
    // StageEditHost
    HDC DisplayDc() override;
    RECT ViewRect() const override { return m_rcView; }
    void Render() override;
    void Relayout() override;
    bool ShowsPart() const override;
    bool OverviewOpen() const override;
    void RefreshOverview() override;
    void CloseOverview() override;
    bool PanelReportsTransformed() const override;

    // Layout (view_stage_layout.cpp).
    StageMetrics Metrics() const;
    POINT StageOriginNow() const;
    void PlaceWithoutImage(SIZE stage);
    void PlaceView(SIZE stage, SIZE view);
    void MoveStageWindow();
    void MoveSurface();
    void RebuildBackBuffer();
    void ReStructViewStage(int capture);
    void OnResizeStage(const RECT* sizing);
    void OnRepositionPanel();
    SIZE ViewSizeForRoom(SIZE room, int fit) const;
    void UpdateCaption();
    void UpdateStatusFields();
    void ClearFields();

    // Drawing.
    void RenderSurface(int reason, int flags);

    // Messages to other windows (view_stage_messages.cpp).
    LRESULT NotifyPanel(int which, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendToFrame(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void PostToFrame(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void PressPanelButton(int id, bool post = false);
    void EndPanelSelection();
    void OnTakeFocus();
    void DropFiles(HDROP__* drop);
    void EnableOneToOneButton();

    // The pop-up and its commands (view_stage_popup.cpp).
    void ShowPopupMenu(CPoint point);
    bool RunFunctionId(UINT id);
    bool RunStageCommand(UINT id);
    void ResetLabelArea();
    void OnRbShowRangeCorr();
    void OnRbShowHighlight();
    void OnRbShowGrid();
    void OnCenterMarker();
    void CursorBack();
    void SetHighlightStyle(int style);
    COLORREF ColorAt(CPoint point);
    bool InView(CPoint point) const;
    int DisplayScale() const;

    // Zoom and pan (view_stage_zoom.cpp, view_stage_pan.cpp).
    // A left press in the view starts a drag that may pan.
    void PanPress(CPoint point);
    // A move while a drag runs pans; a move that ends the drag cancels it.
    void PanMove(UINT flags, CPoint point);
    // The common steps of every left release.
    void PanRelease(CPoint point);
    // Forgets the drag and the glide.
    void CancelDrag();
    // The wheel over the stage: zoom, or the range's size while the wheel selection runs.
    void WheelAt(UINT flags, short delta, CPoint screenPoint);
    void CentreAt(CPoint point);
    void OnGlideTimer();
    // One zoom step at client point p; true when the zoom changed.
    bool ZoomStepAt(short direction, POINT p);
    // The overview window, the render (render 1) and the status fields follow the view.
    void AfterMousePosition_in_Center(int render);
    // Puts the pointer on the image pixel q as the view shows it.
    void MoveCursorToPixel(POINT q);
    // Moves the visible part against step (image pixels).
    void PanBy(POINT step);
    // WM_STAGE_ZOOM: +1 in, -1 out, 0 the fit view.
    void ZoomInOut_Container(int direction);
    void OnOneToOne();
    void OnRbHitZoom();
    LRESULT OnFlickStart(UINT period, const POINT* step);
    void OnSkyJump(int perMilleX, int perMilleY);
    LRESULT OnLensSource(CClipImageSlot** buffer, RECT* rect);
    double PixelRatioX() const;
    POINT SurfaceCentre() const;
    POINT CursorClientPoint();
    void RaisePanel();
    // Lays the view out for a new size inside the stage window as it stands.
    void LayOutViewInStage(SIZE view);

    // Range selection (view_stage_selection.cpp).
    void SelectionPress(CPoint point);
    void SelectionRelease(CPoint point);
    void SelectionMove(UINT flags, CPoint point);
    // The wheel while the wheel selection runs (and the range is not fixed).
    void ResizeRangeByWheel(short delta);
    // After a wheel zoom during the two-click selection; true when a mouse move
    // must be posted once the queued mouse input is flushed.
    bool RedrawTwoClickAfterZoom();
    // The band's drawing area follows the surface.
    void SetBandArea();
    // The cursor resource for the view, 0 for the default one.
    int ViewCursorId() const;
    // Copies the inclusive image rectangle r into slot; 1, or 0 when it cannot.
    int CropToClipImage(CClipImageSlot* slot, const RECT& r);
    // Start and cancel from the panel.
    void EnterClipRange();
    void CancelClipRange();
    void TwoClickRelease(CPoint point);
    void WheelRelease(CPoint point);
    void TwoClickMove(CPoint point);
    void WheelMove(CPoint point);
    void DrawCrossHair(CPoint point);
    void DrawBandTo(CPoint point);
    // Copies the back buffer to the surface without composing it again.
    void RefreshSurface();
    // The wheel range around the cursor (follow) or where r lies; the client rectangle.
    RECT PlaceWheelRange(const RECT& r, bool follow, POINT* pointer = nullptr);
    RECT SmoothWheelRange(const RECT& r, POINT pointer);
    bool DrawWheelRangeFrame(const RECT& c);
    // The wheel range for the present mode and pointer (client point).
    RECT WheelRangeAt(POINT point);
    void LButtonUp_DelRubberBand_Proccess();
    // The common end of a click, a lens pick and an automatic clip.
    void FinishRange(const RECT& range, bool eraseBand);
    void FinishClipRange(const RECT& range);
    int OpenClipWindow(const RECT& range);
    void ReleasePointer();
    // Requests (view_stage_selection_requests.cpp).
    void OnSetClickRange(POINT p, POINT q);
    void ApplyRangeSize(int w, int h);
    void OnSelectAll();
    void OnViewFixArea(const RECT& f);
    void OnCenterCursor();
    LRESULT OnCrop(CClipImageSlot** out, const RECT* r);

    // The measure tool (view_stage_measure.cpp): the open measure panel, or null.
    CDlgMeasure* MeasurePanel() const;
    MeasurePoint MeasurePointAt(POINT client);
    void MeasurePress(CPoint point);
    // True when the move ends with the measure tool (a line is dragged).
    bool MeasureMove(CPoint point);
    void MeasureRelease(CPoint point);
    void HighlightMeasureLine(int line);
    // The measure cursor for the view, 0 for the arrow.
    int MeasureCursorId(CPoint point);
    void SetMeasureCursor();
    void MeasureNewImage();
    void ClearMeasureLines();
    void CancelMeasureLine();

    // Image requests (view_stage_requests.cpp).
    LRESULT OnRequestOpenImageFile(WPARAM kind, LPARAM target);
    bool LoadRequestedFile(const QString& extension);
    bool FinishLoadedImage(int capture);
    void FailRequest();
    void NewViewWindow_Make(int ask, int resetLayout);

    // Captures and the clipboard import (view_stage_capture.cpp).
    // 1 captured into the holder, 0 failed (the user has been told).
    int CaptureWindowImage(BYTE kind, HWND target);
    // The scroll-capture question (asked in the question dialog when the
    // setting says so): 6 scroll capture, 7 normal capture, 2 nothing.
    int AskScrollCapture(HWND window);
    // 1 when a scroll capture put an image into the holder, 0 when not (the holder is untouched).
    int ScrollCaptureImage(BYTE kind, HWND target);
    // What AfterScrollBehave 3, 4 and 5 do with a scroll-captured image.
    void AfterScrollCapture();
    // True when the holder now holds a copy of the bitmap (which stays its owner's).
    bool ImportClipboardBitmap(HBITMAP bitmap);
    void OnRequestClearBmpField();
    int OpenSharedPath(const QString& path);
    LRESULT OnOpenDialog();
    void OnRequestEntireViewScreen();
    void OnNoticeOffViewRangeCorr();

    CWnd* m_pFrame = nullptr;
    CStageSurface m_surfaceWnd;
    CToolTipCtrl m_toolTip;
    HBITMAP m_oneToOneBitmap = nullptr;
    CMenu m_popup;
    // The shown pop-up's items, which its owner-drawn entries point into, and
    // their pictures (loaded at the first right click).
    std::unique_ptr<StagePopupMenuItems> m_popupItems;
    std::unique_ptr<ClipPopupMenuPictures> m_popupPictures;

    // Owned objects.
    std::unique_ptr<CLoadBitmapDlg_DupMem> m_image;
    CDibAccessor m_accessor;
    CPngTransparency m_transparency;
    CImageTransform m_transform;
    CColorAdjust m_adjust;
    CPresetFont m_font{28};
    CClipImageStore m_clipStore;
    CStageZoom m_zoom;
    std::unique_ptr<CStageRenderer> m_renderer;
    CStageStatusFields m_statusFields;
    std::unique_ptr<CStageImageEditor> m_editor;

    // Stage state.
    RECT m_rcStage{};         // the stage window, screen
    RECT m_rcSurface{};       // the surface (the view), stage client
    RECT m_rcSurfaceFrame{};  // where control 1000 goes: the surface grown by 1
    RECT m_rcView{};          // the surface once an image is shown; empty without one
    SIZE m_largestView{};
    RECT m_rcPanel{};  // the control panel's window, read at initialisation
    POINT m_lastRightClick{-1, -1};
    int m_pointerInView = 0;
    POINT m_twoClickPress{-1, -1};
    POINT m_wheelPress{-1, -1};
    POINT m_cursorImagePoint{-1, -1};
    RECT m_wheelRangeClient{};
    std::unique_ptr<CDrawZoomRubberBand> m_band;
    CWheelClipRange m_wheelRange;
    std::unique_ptr<CDrawXorLine> m_crossLines[2];
    bool m_panned = false;       // the present left drag has panned the view
    bool m_bandRestart = false;  // a hit zoom moved the view under a started band
    bool m_hitZoomOn = false;
    double m_hitZoomRatio = 0.0;
    CFlickTracker m_flick{[this](UINT message, WPARAM wParam, LPARAM lParam) {
        return GetSafeHwnd() ? SendMessage(message, wParam, lParam) : 0;
    }};
    // The zoom lens's source square.
    CClipImageSlot m_lensBuffer;
    QString m_colorText;
    double m_zoomStep = 1.0;
    bool m_inLayout = false;
    SIZE m_lastSizedClient{-1, -1};  // the client size of the last size event
    bool m_moving = false;
    bool m_notifyFrameAfterSize = true;
    int m_measureHighlight = -1;  // the measure line whose length shows highlighted
};
