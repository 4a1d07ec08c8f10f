// The main frame: the program's one top-level window with its caption,
// menu, toolbar and status bar, and the owner of every other window. Its
// windows are described in one table (app/frame_window_table.h); it places
// the panels below its title band, enables its commands by their rules
// (app/frame_commands.h), and loads the settings at its first show and
// saves them when it closes.
#pragma once

#include "app/frame_geometry.h"
#include "app/frame_window_table.h"
#include "core/app_state.h"
#include "core/frame_services.h"
#include "core/settings/settings_store.h"
#include "platform/app/session_end.h"
#include "platform/window/frame_window.h"
#include "platform/window/frame_work_area.h"

#include <QDeadlineTimer>

#include <memory>
#include <span>

class CDlgChoicedCaptureWindow;
class IconMenuItemSet;
class CDlgClipHistory;
class CDlgClipWindow;
class CDlgContinueCapture;
class CDlgContrast;
class CDlgMeasure;
class CDlgControlWindow;
class CDlgModeChoice;
class CDlgOpOptionExif;
class CDlgOpOptionExifClear;
class CDlgOpOptionContainer;
class CDlgOpOptionContainerB;
class CDlgChangeFileName;
class CDlgStretchImage;
class CDlgMultiControlWindow;
class CDlgMultiViewStage;
class CDlgMaskThumbnailWindow;
class CDlgSkyWindow;
class CDlgTreeFileWindow;
class CDlgTreeFolderWindow;
class CDlgViewExifInfo;
class CDlgViewStage;
class CDlgWaitOperateMsg;
class CDlgWorkFolder;
class CDlgZoomLens;

inline constexpr int kClipWindowCount = 12;

class CMainFrame : public CFrameWnd, public AppStateSource, public FrameServices {
public:
    // The frame keeps the windows the table describes (tests pass their own).
    explicit CMainFrame(std::span<const FrameWindowRow> windows = FrameWindowTable());
    ~CMainFrame() override;

    // Creation at the screen's size; FALSE when the frame could not be made.
    BOOL CreateMainFrame();

    // Frame state.
    BOOL m_bOsSupported = 0;
    BOOL m_bClosing = 0;
    RECT m_rcFrame{};
    RECT m_rcTaskbar{};
    RECT m_rcWorkArea{};
    RECT m_rcChooser{};
    RECT m_rcBeforeExif{};
    BYTE m_nTaskbarEdge = 0;
    BOOL m_bRestoring = 0;
    HWND m_hWndNextViewer = nullptr;
    BOOL m_bStageResizePending = 0;
    BOOL m_bChooserReopenAllowed = 1;
    // The rename dialog's count of handled files, and the dialog while it
    // runs (app/main_frame_rename.cpp).
    int m_nRenameDone = 0;
    CDlgChangeFileName* m_pChangeFileName = nullptr;
    LRESULT RunRename();
    void RefreshMultiViewAfterRename();
    // The batch shrink dialog while it runs (app/main_frame_stretch.cpp).
    CDlgStretchImage* m_pStretchImage = nullptr;
    LRESULT RunStretchImage();
    UINT m_nChooserGuardTimer = 0;
    const struct FrameMenu* m_pMenu = nullptr;  // the menu shown now (128 or 134)

    // The frame's windows, each null while closed.
    CDlgViewStage* m_pViewStage = nullptr;
    CDlgControlWindow* m_pControlWindow = nullptr;
    CDlgWaitOperateMsg* m_pWaitOperateMsg = nullptr;
    CDlgChoicedCaptureWindow* m_pChooser = nullptr;
    CDlgClipWindow* m_pClipWindow[kClipWindowCount] = {};
    CDlgClipHistory* m_pClipHistory = nullptr;  // set only while it runs
    CDlgContrast* m_pContrast = nullptr;
    CDlgModeChoice* m_pModeChoice = nullptr;
    CDlgWorkFolder* m_pWorkFolder = nullptr;           // set only while it runs
    CDlgMaskThumbnailWindow* m_pMaskDialog = nullptr;  // set only while it runs
    CDlgSkyWindow* m_pSkyWindow = nullptr;
    CDlgMeasure* m_pMeasure = nullptr;
    CDlgZoomLens* m_pZoomLens = nullptr;
    CDlgMultiControlWindow* m_pMultiControlWindow = nullptr;
    CDlgMultiViewStage* m_pMultiViewStage = nullptr;
    CDlgContinueCapture* m_pContinueCapture = nullptr;  // set only while it runs
    CDlgViewExifInfo* m_pViewExifInfo = nullptr;
    CDlgTreeFileWindow* m_pTreeFileWindow = nullptr;
    CDlgTreeFolderWindow* m_pTreeFolderWindow = nullptr;
    CDlgOpOptionExif* m_pOptionExif = nullptr;              // set only while it runs
    CDlgOpOptionExifClear* m_pOptionExifClear = nullptr;    // set only while it runs
    CDlgOpOptionContainer* m_pOptionContainer = nullptr;    // set only while it runs
    CDlgOpOptionContainerB* m_pOptionContainerB = nullptr;  // set only while it runs

    // The control panel: made once (template 134) before the stage, shown and
    // brought to the top (app/main_frame_panel.cpp).
    void OpenControlWindow();
    void CloseControlWindow();
    CDlgControlWindow* GetControlWindow() const { return m_pControlWindow; }
    // Range selection is on in the control panel.
    BOOL IsSelectionOn() const;

    // The view stage: made once (template 130), shown and brought to the top.
    void OpenViewStage();
    void CloseViewStage();
    CDlgViewStage* GetViewStage() const { return m_pViewStage; }

    // The wait box: opened with its caption and the bar's maximum (an open
    // box is replaced); the box's handle, null when it could not be made.
    HWND OpenWaitBox(const QString& title, int maximum);
    void CloseWaitBox();

    // The capture-window chooser (app/main_frame_chooser.cpp): opened once
    // (m_rcChooser records where), closed and zeroed.
    void OpenChooser();
    void CloseChooser();

    // The clip windows and the clip-range history (app/main_frame_clip_windows.cpp).
    // FrameServices: opens clip window `slot` on the stage's filled slot, or
    // brings an open one to the top; 0 when it could not be made.
    int OpenClipWindow(
        BYTE slot, CClipImageSlot* image, CPngTransparency* transparency, const RECT& r) override;
    // Destroys and deletes clip window index (12 or more is ignored).
    void CloseClipWindow(int index);
    // Brings an open clip window to the top and restores it.
    void ShowClipWindow(int index);
    // Every clip window closed and its slot freed in the stage (ID_CLIPWINDOW_CLOSE_ALL).
    void CloseAllClipWindows();
    // Clip mode shows the clip windows, the multi view hides them.
    void ShowClipWindowsForMode(bool clipMode);
    int FindClipWindowIndex(HWND window) const;
    int CountClipWindows() const;
    BOOL CanShowClipWindow(int index) const;
    // The clip-range history dialog, modal, unless it runs already.
    void RunClipHistory();
    // The clipboard's bitmap as the stage's new image (WM_FRAME_PASTE_BITMAP).
    void PasteClipboardBitmap();
    // The program became active again (WM_ACTIVATEAPP).
    void OnActivateApp(BOOL active);

    // The colour-adjustment dialog (app/main_frame_contrast.cpp): opened shown
    // and on top, closed and deleted.
    void OpenContrast();
    void CloseContrast();

    // The overview window (app/main_frame_sky.cpp): made if absent, shown and
    // brought to the top; closed through its WM_CLOSE and deleted.
    void OpenSkyWindow();
    void CloseSkyWindow();
    CDlgSkyWindow* GetSkyWindow() const { return m_pSkyWindow; }
    BOOL IsSkyWindowOpen() const;
    // The measure panel (app/main_frame_measure.cpp): stands in the control
    // panel's place while it is open.
    void OpenMeasureWindow();
    void CloseMeasureWindow();
    CDlgMeasure* GetMeasureWindow() const { return m_pMeasure; }
    // The zoom lens (app/main_frame_zoom_lens.cpp): opened over the stage on
    // its source square when the image is at least 30 x 30, closed and deleted.
    void OpenZoomLens();
    void CloseZoomLens();
    BOOL IsZoomLensOpen() const;

    // The multi view's panel (template 279) and stage (278), made on the
    // first switch to the multi view, panel first, then only shown; closed
    // as the frame ends, after their workers stopped (app/main_frame_multi_view.cpp).
    void OpenMultiControlWindow();
    void CloseMultiControlWindow();
    CDlgMultiControlWindow* GetMultiControlWindow() const { return m_pMultiControlWindow; }
    void OpenMultiViewStage();
    void CloseMultiViewStage();
    CDlgMultiViewStage* GetMultiViewStage() const { return m_pMultiViewStage; }
    void StopMultiViewWorkers();
    // The EXIF information window (app/main_frame_exif.cpp): made on the
    // first request and shown; closed and deleted.
    void OpenExifView();
    void CloseExifView();

    // The file tree of clip mode and the folder tree of the multi view
    // (app/main_frame_trees.cpp): made on their commands, shown and brought to
    // the top; closed and deleted.
    void OpenTreeFileWindow();
    void CloseTreeFileWindow();
    void OpenTreeFolderWindow();
    void CloseTreeFolderWindow();
    // The file tree is the frame's enabled pop-up and the cursor is on its trees.
    BOOL IsCursorOnFileTree() const;
    // The point lies on the folder tree's tree while that window is the frame's enabled pop-up.
    bool IsOverFolderTree(POINT screen) const;
    // The open file tree follows TreeLastDir (WM_TREEFILE_SYNC_FOLDER).
    void SyncFileTree();

    // Continuous capture (WM_FRAME_CONTINUE_CAPTURE, app/main_frame_continuous_capture.cpp):
    // the other windows made ready, then the dialog run modally; 1, or 0 when
    // it runs already.
    LRESULT RunContinueCapture();

    // The work-folder dialog, modal, unless it runs already (app/main_frame_work_folder.cpp).
    void RunWorkFolder();
    // The mask settings over the multi view, modal.
    void RunMaskSettings();

    // The mode bar (app/main_frame_mode_bar.cpp): made at the first show
    // before the panels, closed as the frame ends.
    void OpenModeChoice();
    void CloseModeChoice();

    // The image commands of the frame (app/main_frame_image_commands.cpp).
    void OpenStageImage();                   // ID_FILE_OPEN_IMAGE
    void SaveStageImage();                   // ID_FILE_SAVE_IMAGE
    void NewStageImage();                    // ID_FILE_NEW_IMAGE
    void TransformStageImage(UINT command);  // ID_EDIT_FLIP_LR, ID_EDIT_FLIP_TB, ID_EDIT_ROTATE_90
    void ResetStageImage();                  // ID_EDIT_RESET_IMAGE
    void ZoomStage(int direction);           // ID_VIEW_ZOOM_IN (+1), ID_VIEW_ZOOM_OUT (-1)
    // The panel's wheel range is wider or higher than half the visible image.
    bool WheelRangeTooLargeToZoom() const;

    // The rule predicates of the frame's commands and the message filter.
    BOOL IsControlIdle() const;
    BOOL HasStageImage() const;
    BOOL CanUseImageCommands() const;
    // The print command: the multi view's current item, else the image commands' rule.
    bool CanPrint() const;
    BOOL CanUseMaskSettings() const;
    BOOL CanUseExifSettings() const;

    // FrameServices: window control.
    int ForceForegroundWindow(HWND target) override;
    void MinimizeFrame() override;
    void RestoreFrame() override;
    bool IsClipWindowOverStage() const override;
    bool CanOpenClipHistory() const override;
    bool CanRunContinueCapture() const override;
    bool IsMultiViewInProgram() const override;

    // Layout.
    void FitClipFrame(int flag);
    void FitMultiFrame(int flag);
    void OnTaskbarMoved();
    void ComputeStageArea();

    // Settings in the program folder, through the settings store.
    void LoadSettings();
    void ReadSettingsFile(const QString& folder);
    void ReadLegacyIni(const QString& folder);
    void CheckSettings();
    int WriteSettingsFile();
    int WriteSettingsFile(const QString& folder);
    int IsFirstRun() const;
    // The save as the frame closes, once; a failure is told in a message box
    // with the reason, unless the session is ending (main_frame_settings.cpp).
    void SaveSettingsAtClose();

    // Closes every window of the table in its order, then saves the settings.
    void DestroyAllWindows();
    void CloseAllWindows();
    // The manual "Kestrel.pdf" in the program folder, opened by the desktop.
    void OpenManual();

    // AppStateSource; the window's own forms stay in reach.
    using CFrameWnd::ClientToScreen;
    using CFrameWnd::IsWindowVisible;
    int AppMode() const override;
    BYTE StageMode() const override;
    bool ZoomRubberBandStarted() const override;
    HWND Window(AppWindow which) const override;
    HWND ClipWindow(int index) const override;
    HWND ActiveWindow() const override;
    HWND ForegroundWindow() const override;
    bool IsWindowVisible(HWND window) const override;
    RECT WindowRect(HWND window) const override;
    POINT ClientToScreen(HWND window, POINT p) const override;
    void BringToTop(HWND window) override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    CommandUiState QueryCommandState(UINT id) const override;

protected:
    int OnCreate() override;
    void OnShowWindow(BOOL show, UINT status) override;
    void OnMove(int x, int y) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnClose() override;
    void OnDestroy() override;
    void OnTimer(UINT_PTR id) override;
    void OnSizing();
    void OnExitSizeMove();

private:
    std::span<const FrameWindowRow> m_windows;
    bool m_bFirstShowDone = false;
    CSize m_requestedClientSize{-1, -1};  // the client size of the frame's own last move
    QDeadlineTimer m_ownMoveSettles;      // until then size events answer the frame's own move
    static constexpr int kOwnMoveSettleMs = 500;
    RECT m_rcAwaitingFrame{};     // placed before the window manager framed the window
    int m_nAwaitFrameChecks = 0;  // checks for the window manager's frame so far
    std::unique_ptr<SettingsStore> m_settings;
    // The owner-drawn records of the two menus, made once at creation.
    std::unique_ptr<IconMenuItemSet> m_mainMenuItems;
    std::unique_ptr<IconMenuItemSet> m_multiViewMenuItems;
    std::unique_ptr<WorkAreaWatch> m_workAreaWatch;

    void FillScreenMetrics();
    void FindTaskbar();
    void MoveFrameTo(const RECT& rect);
    bool PlaceAgainOnceFramed();
    void RunFirstShow();
    void SwitchFrameBars(BYTE mode);
    // The frame's messages about the stage and its image; false for any other.
    bool HandleStageMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The frame's messages from the control panel; false for any other.
    bool HandlePanelMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool HandleImageCommand(UINT id);
    // The clip windows' messages and commands; false for any other.
    bool HandleClipWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool HandleClipWindowCommand(UINT id);
    // The colour-adjustment dialog's messages and command; false for any other.
    bool HandleContrastMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool HandleContrastCommand(UINT id);
    // The overview window's messages (WM_FRAME_OPEN_SKY, WM_FRAME_CLOSE_SKY); false for any other.
    bool HandleSkyMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool HandleMeasureMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool HandleMeasureCommand(UINT id);
    // The zoom lens's click (WM_FRAME_ZOOMLENS_CLICK); false for any other message.
    bool HandleZoomLensMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // WM_FRAME_RENAME; false for any other message.
    bool HandleRenameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // WM_FRAME_STRETCH; false for any other message.
    bool HandleStretchMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The EXIF window's messages (465, 466, 474); false for any other.
    bool HandleExifMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void NarrowFrameForExif(const RECT& before, const RECT& after);
    void ResizeFrameTo(const RECT& rect);
    // The tree windows' close messages and commands; false for any other.
    bool HandleTreeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool HandleTreeCommand(UINT id);
    bool IsEnabledPopup(const CWnd* window) const;
    // The work-folder command; false for any other.
    bool HandleWorkFolderCommand(UINT id);
    bool HandleMaskCommand(UINT id);
    // The EXIF display and clear settings commands (app/main_frame_exif_settings.cpp); false for any other.
    bool HandleExifSettingsCommand(UINT id);
    // The print command (main_frame_print.cpp).
    bool HandlePrintCommand(UINT id);
    void PrintStageImage();
    // The print dialog became active: the windows of the mode come up under it.
    void RaiseStageUnderPrintDialog();
    void RunExifDisplaySettings();
    void RunExifClearSettings();
    // The option command (app/main_frame_options.cpp): the sheet of the mode shown.
    bool HandleOptionCommand(UINT id);
    void RunClipModeOptions();
    void RunMultiViewOptions();
    // The chooser's messages and timers (405, 406, the status topic 1, timers 9 and 28).
    bool HandleChooserMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void OnChooserHoverTimer();
    void SendToViewStage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    SettingsStore& Store();

    // The settings are saved once as the program ends: at the close, or when
    // the display is lost, which ends the program without a close.
    bool m_bSettingsSaved = false;
    void SaveSettingsAtDisplayLoss();
    // Last, so that it goes first: the callback needs the frame whole.
    DisplayLossWatch m_displayLossWatch{[this] { SaveSettingsAtDisplayLoss(); }};
};
