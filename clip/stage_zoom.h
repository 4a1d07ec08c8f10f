// Zoom and pan geometry of the view stage. Three coordinate spaces meet here:
// image pixels, client pixels of the stage's drawing surface, and whole-image
// units (image pixels divided by the scale image size / client size, that is
// the image squeezed into the client area). The zoom history and the zoom
// rectangles are kept in whole-image units. No window, no drawing.
#pragma once

#include "platform/types/types.h"

#include <memory>

struct ZoomHistoryEntry {
    double zoom = 0.0;
    int width = 0;  // visible size in whole-image units
    int height = 0;
    int clientWidth = 0;  // drawing-surface size at that level
    int clientHeight = 0;
};

// A point in doubles (image-to-client mapping keeps the fractions).
struct DoublePoint {
    double x = 0.0;
    double y = 0.0;
};

class CStageZoom {
public:
    static constexpr int kHistoryLevels = 100;
    static constexpr int kTopLevel = kHistoryLevels - 1;

    CStageZoom();
    ~CStageZoom();
    CStageZoom(const CStageZoom&) = delete;
    CStageZoom& operator=(const CStageZoom&) = delete;

    void SetOrigin(int x, int y);
    void SetImageSize(int w, int h);
    void SetClientSize(int w, int h);
    // The fit view: the whole image in the whole client area, level 0.
    void Reset();
    // Clears the history and records the present view as level 0.
    void ResetHistory();

    // One zoom step (direction > 0 in, < 0 out; step = ZoomStep / base). The
    // new zoom, or 0 when the step is refused.
    double StepZoom(short direction, double step);
    // Whether a zoom-in first grows the view area: 3 with the size the view
    // should take, else 0.
    int CalcZoomedSize(short direction, int maxWidth, int maxHeight, SIZE* newSize);
    // Sets the visible part after a step, keeping the client point p over the
    // same image spot. Called after the view was laid out for newClient.
    void ZoomToRect(short direction, int sizeChanged, POINT p, SIZE maxView, SIZE newClient);
    // Shows a w x h part (whole-image units) around pt.
    void ZoomAt(POINT pt, int w, int h, int centred);
    void SetVisibleFitRect(int left, int right, int top, int bottom);
    void SetVisibleImageRect(int left, int right, int top, int bottom);

    DoublePoint ImageToClient(double x, double y, int addOrigin, int toClient) const;
    RECT ImageRectToClient(const RECT& r, int addOrigin, int toClient) const;
    // The image pixel under a point of the stage window; also records the
    // pixel ratios and where in its magnified pixel the point lies.
    POINT ClientToImagePixel(POINT p);
    POINT ClientToImageScaled(POINT p);
    // Image pixels per client pixel.
    DoublePoint GetPixelRatio() const;
    SIZE GetHistorySize() const;
    bool IsPartView() const;
    bool IsZoomedOrPart() const;
    bool IsFullScale() const;

    void BeginDrag(int x, int y);
    // Pans by whole image pixels as the pointer moves; 1 when the view moved.
    int DragTo(int x, int y);
    bool IsDragging() const { return dragX != 0.0 || dragY != 0.0; }
    void ResetDrag();
    void UpdateSourceRect();
    static POINT RoundPoint(double x, double y);

    const ZoomHistoryEntry& HistoryAt(int level) const { return history[level]; }
    int VisibleWidth() const { return visibleRect.right - visibleRect.left; }
    int VisibleHeight() const { return visibleRect.bottom - visibleRect.top; }

    int originX = 0;
    int originY = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    RECT wholeRect{};    // visible part in whole-image units
    RECT visibleRect{};  // visible part in image pixels, right and bottom exclusive
    double scaleX = 0.0;
    double scaleY = 0.0;
    double zoom = 1.0;
    double previousZoom = 1.0;
    int level = 0;
    double cellOffsetX = 0.0;
    double cellOffsetY = 0.0;
    double pixelRatioX = 1.0;  // client pixels per image pixel
    double pixelRatioY = 1.0;
    int dragStartX = 0;
    int dragStartY = 0;
    double dragX = 0.0;
    double dragY = 0.0;
    int dragThreshold = 10;
    int dragMoved = 0;

private:
    void UpdateScales();
    void ClearHistory();
    void ClampToClient(RECT& r) const;
    void ClampToImage(RECT& r) const;
    void SnapToFullScale();

    std::unique_ptr<ZoomHistoryEntry[]> history;
};

// The zoom rounding: a zoom whose eighth decimal would round upwards is
// raised to the next multiple of 1e-7; any other value stays exactly as is.
double RoundZoomUp7(double z);
// The distance the pointer must move before a drag pans, at a pixel ratio.
int DragThresholdFor(double pixelRatio, int moved);
