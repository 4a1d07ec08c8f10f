// A clip window (template 166): one range cut out of the view stage, shown in
// a window of its own. Up to twelve exist, numbered 1 to 12 (index 0..11);
// window i shows slot i of the stage's clip-image store. The wheel zooms the
// picture; the buttons save it at the clipped, shown or a given size, copy it
// to the clipboard, copy it and paste it back into the stage as a new image,
// and pick the transparent colour of PNG files. The frame makes the window
// with new, keeps it, and destroys and deletes it when the window asks to be
// closed (WM_FRAME_CLOSE_CLIPWINDOW); the stage frees the slot first
// (WM_STAGE_FREE_CLIP_SLOT). Enter and Esc do nothing.
#pragma once

#include "imaging/clip_image_store.h"
#include "imaging/png_transparency.h"
#include "imaging/virtual_window.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_166_clip_window.h"

#include <QString>

// The picture control: it hands the mouse on to the clip window, which picks
// colours from it (a picture control takes the mouse itself otherwise).
class CClipPicture : public CStatic {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CDlgClipWindow : public CDialog {
public:
    enum { IDD = IDD_CLIP_WINDOW };  // 166
    // slot: owned by the stage's clip-image store, never freed here.
    CDlgClipWindow(
        BYTE index, CClipImageSlot* slot, const CPngTransparency& transparency, const RECT& clipRect);
    ~CDlgClipWindow() override;
    // Builds the window from template 166, owned by parent (the main frame), and shows it.
    BOOL Create(CWnd* parent);
    BYTE Index() const;
    // The window's screen rectangle as last moved (read by the next window's cascade and by the frame).
    const RECT& WindowRectangle() const;

    // Read by tests.
    SIZE ShownSize() const { return m_shown; }
    int ZoomLevel() const { return m_zoomLevel; }
    int SaveSizeChoice() const { return m_saveSizeChoice; }
    int SaveResult() const { return m_saveResult; }
    bool PickMode() const { return m_pickMode != 0; }
    const CPngTransparency& Transparency() const { return m_transparency; }
    // The shown image in client coordinates (the picture control inset by 1).
    RECT ImageRectangle() const { return m_rcImage; }
    // The bitmap a button shows (its resource id), 0 for none.
    int ShownImage(int button) const;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    void OnDestroy() override;
    void OnMove(int x, int y) override;
    void OnShowWindow(BOOL show, UINT status) override;
    void OnActivate(UINT state, CWnd* other, BOOL minimized) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override;

private:
    // What a copy came to.
    enum class CopyOutcome { Copied, Failed, NoBitmap, SizeCancelled };

    // Set-up and placement (clip_window.cpp).
    void TakeControlRectangles();
    void SetPictureSize(SIZE shown);
    SIZE OuterSize() const;
    void PlaceInitially();
    POINT CentredOnStage(SIZE outer) const;
    RECT PreviousWindowRectangle() const;
    void FillSaveSizeCombo();
    void CloseAsButton();
    LRESULT SendToFrame(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // Pictures and tool tips (clip_window_images.cpp).
    void LoadButtonImages();
    void FreeButtonImages();
    void CreateToolTips();

    // Zoom and painting (clip_window_zoom.cpp).
    bool PrepareBuffer();
    void PaintPicture(CDC* dc);
    void ZoomByWheel(short delta, POINT client);
    void UpdateTitle();
    void OnSaveSizeChosen();

    // Saving (clip_window_save.cpp).
    void OnSave();
    int RunSaveSizeStep();
    bool RunSaveWorker(BYTE* code);
    bool SaveShownSize(const QString& path, int type, BYTE* code);
    bool SaveGivenSize(const QString& path, int type, BYTE* code);
    void AddSaveHistories() const;

    // Copying and printing (clip_window_copy.cpp).
    CopyOutcome CopyToClipboard(bool showMessage, bool closeOnCopy);
    HBITMAP MakeCopyBitmap(bool* sizeCancelled);
    void OnCopyToStage();
    void OnPrint();

    // Picking the PNG transparent colour (clip_window_pick.cpp).
    void OnPickButton();
    void EndPickMode();
    void ShowPickCursor(bool show);
    bool OnImage(POINT client) const;

    BYTE m_index;
    CClipImageSlot* m_slot;
    CPngTransparency m_transparency;
    RECT m_clipRect;
    CVirtualWindow m_buffer;
    CClipPicture m_picture;
    CToolTipCtrl m_toolTip;
    HBITMAP m_images[5]{};
    int m_imageIds[5]{};

    RECT m_rcDrawn{};    // the buffer in picture-control coordinates
    RECT m_rcPicture{};  // the picture control, client coordinates
    RECT m_rcImage{};    // the picture inset by 1: the shown image
    RECT m_rcWindow{};   // the window on the screen, as last moved
    RECT m_placed{};     // where the window was put when it opened
    RECT m_rcButtonRow{};
    RECT m_rcClose{};
    int m_minClientWidth = 0;

    SIZE m_image{};     // the clip's own size
    SIZE m_maxShown{};  // four fifths of the screen
    SIZE m_shown{};     // the size the picture is shown at
    int m_zoomLevel = 0;
    int m_zoomDirection = 1;
    BYTE m_saveSizeChoice = 0;
    BYTE m_saveResult = 1;
    int m_initialising = 1;
    int m_pickMode = 0;
    bool m_pickCursorShown = false;
    POINT m_press{-1, -1};
};

// The bitmap resource id of a clip-window button's picture at icon scale 1
// or 2; 0 for another control.
int ClipWindowBitmapId(int button, int iconScale);
// A new bitmap of the resource (the caller deletes it); null for an unknown id.
HBITMAP LoadClipWindowBitmap(int resourceId);
// A new bitmap of the slot's picture stretched smoothly to size (the caller
// deletes it); null when it cannot be made.
HBITMAP ResizeClipSmoothly(const CClipImageSlot& slot, SIZE size);
