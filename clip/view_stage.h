// The view stage (template 130): the clip mode's surface. A modeless tool
// window right of the control panel that shows one image, zoomed and panned,
// in its drawing surface (control 1000) below a title band with the image's
// name and three status fields. It owns the image and every object clip mode
// works with, and answers the frame and the panels through its messages
// (clip/stage_messages.h).
#pragma once

#include "platform/dialog/dialog.h"
#include "res/dialog_130_view_stage.h"

#include <QString>

class CImageTransform;

class CDlgViewStage : public CDialog {
public:
    enum { IDD = IDD_VIEW_STAGE };

    CDlgViewStage();
    ~CDlgViewStage() override;

    // Modeless, owned by the frame, placed by the layout rules.
    BOOL Create(CWnd* frame);
    // The stage holds an image.
    bool HasImage() const;
    // The two-click band has its first point (false until range selection lands).
    bool ZoomRubberBandStarted() const;

    // Opens an image file into the stage (the result of WM_STAGE_OPEN_IMAGE).
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

    // The largest view from the frame's stage area and the panel's position.
    void CalcViewAreaLimits();
    // Lays the stage out for a client of w x h (0, 0: the present size).
    void ResizeViewStage(int w, int h, int fit);
    // The drawing surface (control 1000).
    HWND SurfaceWindow() const;
};
