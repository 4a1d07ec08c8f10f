// The multi-view stage (template 278): the thumbnails of one folder as a
// grid of square cells, or in preview mode as one strip of cells under a
// large picture of the focus. A modeless tool window right of the control
// panel; the frame makes it once, after the panel, and hands it the panel's
// state (SetPanelState) before Create. It owns the folder's list, the grid
// geometry, the visible range and the loader threads, and answers the
// WM_MULTI_* messages of core/multi_view_messages.h.
#pragma once

#include "multiview/multi_view_panel_state.h"
#include "multiview/thumb_grid_layout.h"
#include "multiview/thumb_scroll_state.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_278_multi_view_stage.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

class CDrawRectFrame;
class CPresetFont;
class CThumbnailList;
class CThumbnailLoaders;
class CVirtualWindow;
class CPen;
class CBitmap;
class CDC;
class CMaskValueTally;
class CThumbMask;
class CLoadBitmap_for_Dlg;
class CPngTransparency;
class CDropCopier;
class CDlgConfirmOverwriteFile;
class CWorkerThread;
class DropCopyUi;
struct GlobalBlock;
struct HDROP__;

// Timers of the stage.
inline constexpr UINT_PTR IDT_MULTI_PAGE_PAINT = 20;
inline constexpr UINT_PTR IDT_MULTI_AFTER_DROP = 26;

// The smallest size of the stage.
inline constexpr int kMultiStageMinWidth = 600;
inline constexpr int kMultiStageMinHeight = 550;

class CDlgMultiViewStage : public CDialog {
public:
    enum { IDD = IDD_MULTI_VIEW_STAGE };

    explicit CDlgMultiViewStage(CWnd* parent = nullptr);
    ~CDlgMultiViewStage() override;

    // Modeless, owned by the frame.
    BOOL Create(CWnd* parent);
    // The panel's state the stage reads (view mode, sort key, descending,
    // display state); null while there is no panel.
    void SetPanelState(MultiViewPanelState* panel) { m_panel = panel; }

    // The folder's list; the panel, the rename and shrink dialogs and the
    // mask code read it through here.
    CThumbnailList& List() { return *m_list; }
    const CThumbnailList& List() const { return *m_list; }
    const CThumbGridLayout& Grid() const { return m_layout; }
    // Paging by half a page (1) or a whole page (2), from the option sheet.
    void SetPageChangeRange(int range) { m_layout.SetPageChangeRange(range); }
    const CThumbScrollState& Scroll() const { return m_scroll; }
    // The focus as the panel sets it (the preview starts at the first file).
    void SetFocusPosition(int position) { m_scroll.SetFocus(position); }
    int ViewMode() const { return m_viewMode; }
    // Whether the loaders may run now (the panel's display state).
    bool IsLoadAllowed() const;
    // A rubber band runs (mouse input arrives here while it does).
    BOOL IsRubberBandActive() const { return m_bandActive ? TRUE : FALSE; }
    // The loader threads of this stage.
    CThumbnailLoaders& Loaders() { return *m_loaders; }
    // The masks' data (day list, extensions) and the value tally.
    CThumbMask& Mask() { return *m_mask; }
    CMaskValueTally& Tally() { return *m_tally; }
    // Whether the picture of masked cells could be had.
    bool HasMaskedBitmap() const;

    // The messages that carry pointers (sent, so the pointee outlives the call;
    // WM_MULTI_FOLDER_CHANGED is posted with a buffer of the panel that stays
    // until its next request, and is copied at once):
    //   WM_RESIZE_STAGE            wParam const RECT*, the frame's rectangle;
    //   WM_MULTI_FOLDER_CHANGED    wParam const QString* folder or 0, lParam sort bits;
    //   WM_MULTI_GET_CURRENT_PATH  wParam QString* receiving the focus's path (empty
    //                              when there is none or it has lParam characters or more);
    //   WM_MULTI_SET_FILE_NAME     wParam file index, lParam const QString* new name.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL DestroyWindow() override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { }
    void OnCancel() override { }
    void OnClose() override { }
    void OnSize(UINT type, int cx, int cy) override;
    void OnShowWindow(BOOL show, UINT status) override;
    void OnTimer(UINT_PTR id) override;
    void OnPaint() override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override;

private:
    friend class CMultiViewStageTestAccess;

    // Window and layout (multi_view_stage.cpp).
    void LayoutRectangles();
    // Moves the window so that its client area is client at topLeft.
    void PlaceClient(POINT topLeft, SIZE client);
    void OnResizeStage(const RECT* frameRect);
    void OnRepositionPanel();
    void CreateBackBuffer();
    int LayoutGrid(bool autoStep);
    HWND PanelWindow() const;
    RECT GridClientRect() const;

    // Messages (multi_view_stage_messages.cpp).
    LRESULT OnViewModeChanged(int mode);
    LRESULT OnGetCurrentPath(WPARAM buffer, LPARAM length);
    LRESULT OnSetFileName(WPARAM file, LPARAM name);
    LRESULT OnSetPreviewItem(int position);
    LRESULT OnClearSelection();
    LRESULT OnRedrawFrames(int cell);
    LRESULT SendToPanel(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void PostToPanel(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Loading (multi_view_stage_loading.cpp).
    LRESULT OnNoticeChangedMultiTargetFolder(WPARAM folder, LPARAM sortBits);
    LRESULT OnSortModeChanged(int key);
    LRESULT OnSortOrderChanged(int descending);
    LRESULT OnBuildSortIndex(unsigned bits, bool wait);
    LRESULT OnClear();
    LRESULT OnStopLoad();
    LRESULT OnPauseLoad(WPARAM mode, LPARAM evenWhenEmpty);
    LRESULT OnWaitSort(bool waitCursor);
    LRESULT OnMaskDates(bool rebuild);
    LRESULT OnPageLoaded();
    bool MoveLoadedWindow();
    void StartPageLoad();
    void ResumePendingThumbnailLoad();
    void StartRangeLoad(int first, int last);
    int PageCells() const;
    void ResetFrames();

public:
    // Paging by n positions (positive: forward); the wheel, the page keys,
    // the band at the grid's edges and the scroll row call it.
    void OnRequestMultiViewPageChange(int n);
    // Renders the page for the reason named (see the reason texts in the
    // drawing file); pageCheck moves the loaded window first; columns and
    // rows (non-zero) re-centre the visible range on the focus before.
    void RenderWithPageCheck(const char* reason, bool pageCheck, int columns = 0, int rows = 0);
    void Render(const char* reason);
    // Draws the whole of a bitmap of srcW x srcH stretched into dst with the
    // multi view's stretch mode (the rename dialog's thumbnail uses it too).
    static void StretchDrawBitmap(CDC* dc, const RECT& dst, HBITMAP bitmap, int srcW, int srcH);

private:
    // Drawing (multi_view_stage_render.cpp).
    void DrawHeader();
    void DrawScrollRow();
    void DrawCellFrames();
    void PaintPage();
    // Paints from the paint cursor; false while loading left a gap to retry.
    bool PaintPageFromCursor();
    // The whole picture of a file as a bitmap for the preview, null when unreadable.
    HBITMAP LoadPreviewBitmap(const QString& path);
    void OnPaintTimer();
    void ShowPreviewPicture(int position);
    void DrawFocusAndSelectionFrames(CDC* dc);
    CDC* FramesTarget();
    CDC* PaintTarget();
    void CopyBackBufferToGrid();

    // Input and context commands.
public:
    // Loads the whole picture of position into the list's full-image loader;
    // 1 loaded, 0 not. *mustFree tells whether the loader is to be freed
    // afterwards (not when the preview's picture of that file was reused).
    int LoadItemImage(int position, bool* mustFree);
    // Reads the loader's stored path by the extension (case-insensitive);
    // 1 loaded, 0 not. Uses no state of the stage.
    static int LoadImageFileByExtension(
        const QString& extension, CLoadBitmap_for_Dlg* loader, CPngTransparency* transparency);
    // The EXIF window (when open) shows the file of position; force shows it
    // even when it was the last one shown.
    void ShowExifOfItem(int position, bool force);
    // The same for the position under a point of the grid.
    void ShowExifAtPoint(int x, int y);
    // The keys of the multi view (the application offers every key to it).
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;

private:
    // multi_view_stage_input.cpp
    bool IgnoresMouse() const;
    bool InGrid(POINT client) const;
    bool InScrollRow(POINT client) const;
    POINT ToGrid(POINT client) const;
    // The position in the grid cell under a client point, -1 for none.
    int PositionAtClient(POINT client, int* cell = nullptr) const;
    int PositionOfCell(int cell) const;
    void OnCellClicked(int position, UINT flags);
    void UpdateHover(POINT client, bool fileInfo);
    void JumpScrollRow(int x);
    bool IsOwnWindowForeground() const;
    void RedrawFocusAndSelection();
    // multi_view_stage_input_band.cpp
    void StartRubberBand(POINT grid);
    void OnRubberBandMove(POINT screen, bool buttonDown);
    void EndRubberBand();
    POINT BandCellAt(POINT grid) const;
    void DragOutSelection();
    // multi_view_stage_input_keys.cpp
    BOOL OnKeyInMultiView(UINT key);
    void OnArrowKey(UINT key);
    void SendFocusFileInfo();
    // multi_view_stage_commands.cpp
    void ShowContextMenu(POINT screen);
    bool OnContextCommand(UINT id);
    LRESULT OnCopyPicture(int position);
    LRESULT OnOpenInClipMode(int position);
    LRESULT OnPrintItem(int position);
    LRESULT OnInputMessage(UINT message, WPARAM wParam, LPARAM lParam, bool* handled);

    int m_pressedCell = -1;
    bool m_bandActive = false;
    POINT m_bandStart{};
    POINT m_bandStartCell{};
    POINT m_bandCurrent{};
    POINT m_bandCurrentCell{};
    RECT m_bandRect{};
    int m_bandQuadrant = 0;
    int m_exifFile = -1;
    std::unique_ptr<CPngTransparency> m_transparency;

    MultiViewPanelState* m_panel = nullptr;
    CWnd* m_parentWnd = nullptr;

    RECT m_rcWindow{};
    RECT m_rcHeader{};
    RECT m_rcScrollRow{};
    RECT m_rcGrid{};
    RECT m_rcAbortButton{};
    bool m_resizedByFrame = false;
    // The client size the controls were last laid out for.
    SIZE m_laidOutSize{};
    bool m_inSize = false;
    int m_viewMode = 0;
    bool m_rendering = false;
    bool m_scrollRowPressed = false;
    int m_contextItem = -1;
    bool m_printing = false;
    bool m_deleting = false;
    POINT m_dragOutPress{};
    bool m_copying = false;
    BOOL m_bandValid = FALSE;
    UINT_PTR m_paintTimer = 0;
    UINT_PTR m_raiseTimer = 0;
    std::unique_ptr<CBitmap> m_maskedBitmap;

    std::unique_ptr<CThumbMask> m_mask;
    std::unique_ptr<CMaskValueTally> m_tally;
    std::unique_ptr<CThumbnailList> m_list;
    CDC* m_sourceDC = nullptr;
    CThumbGridLayout m_layout;
    CThumbScrollState m_scroll;
    std::unique_ptr<CThumbnailLoaders> m_loaders;

    std::unique_ptr<CPresetFont> m_headerFont;
    std::unique_ptr<CPen> m_cellPen;
    std::unique_ptr<CDrawRectFrame> m_hoverFrame;
    std::unique_ptr<CDrawRectFrame> m_focusOuterFrame;
    std::unique_ptr<CDrawRectFrame> m_focusInnerFrame;
    std::unique_ptr<CDrawRectFrame> m_selectFrameA;
    std::unique_ptr<CDrawRectFrame> m_selectFrameB;
    std::unique_ptr<CDrawRectFrame> m_unselectedFrame;
    uint64_t m_lastPageKeyMs = 0;
    bool m_inputOff = false;
    // The low-memory warning was shown by a view-mode change since the last folder load.
    bool m_lowMemoryWarned = false;
    std::unique_ptr<CVirtualWindow> m_backBuffer;
    bool m_useBackBuffer = true;

    uint64_t m_lastCtlColorMs = 0;
    uint64_t m_lastBadPreviewMs = 0;
    QString m_lastPreviewPath;

    // File operations.
public:
    // Stops a drop copy for good (the program closes): no further item
    // starts, an open question is answered "stop", and the wait handles
    // messages until the copier has ended.
    void StopFileOperations();
    bool IsCopyingFiles() const { return m_copying; }
    // The paths of the selection in display order; nothing when a selected
    // position maps to no file. The folder is the list's own.
    std::optional<QStringList> SelectedFilePaths() const;
    // The selection as a file list block (platform/clipboard/drop_file_list.h)
    // for the clipboard or a drag; null when a selected position maps to no file.
    GlobalBlock* BuildDropFileList(int selectedCount) const;
    // Takes the entries of deleted files (names in the list's folder) out of
    // the list and renders the page.
    void OnRequestDeleteImageFile(const QStringList& names);
    // The messages of the file operations (wParam / lParam):
    //   WM_MULTI_ADD_FILE          const QString* full path (sent only: the pointee
    //                              lives for the call); 1 when the list changed;
    //   WM_MULTI_DELETE_ONE        (ignored: the folder is the list's), position or -1;
    //   WM_MULTI_DELETE_SELECTED   the selected count;
    //   WM_MULTI_COPY_FILES        the selected count;
    //   WM_MULTI_EXIF_CLEAR_ONE    (ignored), position or -1;
    //   WM_MULTI_EXIF_CLEAR_SELECTED, WM_MULTI_BATCH_SHRINK, WM_MULTI_APPLY_MASKS;
    //   WM_MULTI_SEARCH_EXT_MASK   the measure 1..4.
    bool HandleFileOperationMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    void OnDropFiles(HDROP__* drop) override;

private:
    friend class CStageDropCopyUi;
    bool RunDropStep(UINT message, LPARAM step, LRESULT* result);
    LRESULT OnDeleteOne(int position);
    LRESULT OnDeleteSelected(int count);
    LRESULT OnCopyFiles(int count);
    LRESULT OnExifClearOne(int position);
    LRESULT OnExifClearSelected();
    void ShowExifOfFocusForced();
    LRESULT OnAddFile(const QString* path);
    LRESULT OnRequestOpenStretchImageDlg();
    LRESULT OnApplyMasks();
    LRESULT SearchExtensionMaskInfo(int measure);
    // After a question: false (and the user told) when the list shows another folder now.
    bool StillShowsFolder(const QString& folder);
    void StopLoadingForChange();
    void ResumeAfterChange();
    // The drop copy's steps on the UI thread.
    void StartDropCopy(HDROP__* drop);
    bool BeginDropCopy();
    void ShowCopyProgress(int done, int total);
    void AddCopiedFile(const QString& path, bool loadStopped);
    void EndDropCopy(bool loadStopped, bool errors);
    void FinishDrop();
    int ConfirmOverwrite();
    void OnAfterDropTimer();
    void ShowAbortButton(bool show);
    void EnableOtherWindows(bool enable);

    std::unique_ptr<DropCopyUi> m_dropUi;
    std::unique_ptr<CDropCopier> m_dropCopier;
    std::unique_ptr<CWorkerThread> m_dropWorker;
    HDROP__* m_drop = nullptr;
    CDlgConfirmOverwriteFile* m_overwriteDialog = nullptr;
    bool m_fileOpsClosing = false;
    // Copier steps now running on the UI thread (a close may come from inside one).
    int m_inDropStep = 0;
};
