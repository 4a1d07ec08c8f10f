// The main frame: the program's one top-level window with its caption,
// menu, toolbar and status bar, and the owner of every other window. It
// keeps one pointer per panel, tool window and dialog (null while that
// window is closed), places the panels below its title band, and loads the
// settings at its first show and saves them when it closes.
#pragma once

#include "app/frame_geometry.h"
#include "core/app_state.h"
#include "core/settings/settings_store.h"
#include "platform/app/session_end.h"
#include "platform/window/frame_window.h"
#include "platform/window/frame_work_area.h"

#include <memory>

class CDlgViewStage;
class CDlgControlWindow;
class CDlgSkyWindow;
class CDlgOpOptionContainer;
class CDlgOpOptionContainerB;
class CDlgWaitOperateMsg;
class CDlgClipWindow;
class CDlgTreeFileWindow;
class CDlgTreeFolderWindow;
class CDlgContrast;
class CDlgClipHistory;
class CDlgWorkFolder;
class CDlgChoicedCaptureWindow;
class CDlgMultiControlWindow;
class CDlgMultiViewStage;
class CDlgModeChoice;
class CDlgViewExifInfo;
class CDlgOpOptionExif;
class CDlgOpOptionExifClear;
class CDlgMeasure;
class CDlgChangeFileName;
class CDlgStretchImage;
class CDlgMaskThumbnailWindow;
class CDlgContinueCapture;
class CDlgPrintOut;
class CDlgZoomLens;

inline constexpr int kClipWindowCount = 12;

class CMainFrame : public CFrameWnd, public AppStateSource {
public:
    CMainFrame();
    ~CMainFrame() override;

    // Creation at the screen's size; FALSE when the frame could not be made.
    BOOL CreateMainFrame();

    // Window pointers: null while the window is closed (a modal dialog's
    // only while it runs). The comments give the dialog templates.
    CDlgViewStage* m_pViewStage = nullptr;                        // template 130, clip mode
    CDlgControlWindow* m_pControlWindow = nullptr;                // 134, clip mode; parent the frame
    CDlgSkyWindow* m_pSkyWindow = nullptr;                        // 132
    CDlgOpOptionContainer* m_pOptionContainer = nullptr;          // modal
    CDlgOpOptionContainerB* m_pOptionContainerB = nullptr;        // modal
    CDlgWaitOperateMsg* m_pWaitOperateMsg = nullptr;              // 146
    CDlgClipWindow* m_pClipWindow[kClipWindowCount] = {};         // 166 each
    CDlgTreeFileWindow* m_pTreeFileWindow = nullptr;              // 170
    CDlgTreeFolderWindow* m_pTreeFolderWindow = nullptr;          // 303
    CDlgContrast* m_pContrast = nullptr;                          // 181
    CDlgClipHistory* m_pClipHistory = nullptr;                    // modal
    CDlgWorkFolder* m_pWorkFolder = nullptr;                      // 198, modal
    CDlgChoicedCaptureWindow* m_pChoicedCaptureWindow = nullptr;  // 200
    CDlgMultiControlWindow* m_pMultiControlWindow = nullptr;      // 279, multi view
    CDlgMultiViewStage* m_pMultiViewStage = nullptr;              // 278, multi view
    CDlgModeChoice* m_pModeChoice = nullptr;                      // 280, present after the first show
    CDlgViewExifInfo* m_pViewExifInfo = nullptr;                  // 307
    CDlgOpOptionExif* m_pOptionExif = nullptr;                    // modal
    CDlgOpOptionExifClear* m_pOptionExifClear = nullptr;          // modal
    CDlgMeasure* m_pMeasure = nullptr;                            // 343, in the control panel's place
    CDlgChangeFileName* m_pChangeFileName = nullptr;              // modal
    CDlgStretchImage* m_pStretchImage = nullptr;                  // modal
    CDlgMaskThumbnailWindow* m_pMaskThumbnailWindow = nullptr;    // modal
    CDlgContinueCapture* m_pContinueCapture = nullptr;            // 385, modal
    CDlgPrintOut* m_pPrintOut = nullptr;                          // modal
    CDlgZoomLens* m_pZoomLens = nullptr;                          // 392; parent the frame

    // Frame state.
    int m_bOsSupported = 0;
    int m_bClosing = 0;
    RECT m_rcFrame{};
    RECT m_rcTaskbar{};
    RECT m_rcWorkArea{};
    RECT m_rcChooser{};
    RECT m_rcBeforeExif{};
    BYTE m_nTaskbarEdge = 0;
    int m_bRestoring = 0;
    HWND m_hWndNextViewer = nullptr;
    int m_bStageResizePending = 0;
    int m_bChooserReopenAllowed = 1;
    int m_nRenameDone = 0;
    UINT m_nChooserGuardTimer = 0;
    const struct FrameMenu* m_pMenu = nullptr;  // the menu shown now (128 or 134)

    // Open and close operations (UI thread).
    void OpenViewStage();
    void OpenControlWindow();
    void OpenMeasureWindow();
    void CloseMeasureWindow();
    void OpenModeChoice();
    void OpenMultiControlWindow();
    void OpenMultiViewStage();
    void OpenSkyWindow();
    void CloseSkyWindow();
    void OpenContrast();
    void CloseContrast();
    void OpenTreeFileWindow();
    void CloseTreeFileWindow();
    void OpenTreeFolderWindow();
    void CloseTreeFolderWindow();
    void OpenExifView();
    void CloseExifView();
    HWND OpenWaitBox(const QString& title, int maximum);
    void CloseWaitBox();
    void OpenChooser();
    void CloseChooser();
    void OpenClipWindow(int index, const void* imageData);
    void CloseClipWindow(int index);
    void ShowClipWindow(int index);
    void OpenZoomLens();
    void CloseZoomLens();
    void RunClipHistory();
    void RunWorkFolder();
    void CloseMultiControlWindow();
    void CloseMultiViewStage();
    void CloseModeChoice();
    void CloseViewStage();
    void CloseControlWindow();

    // Queries.
    CDlgViewStage* GetViewStage() const { return m_pViewStage; }
    CDlgControlWindow* GetControlWindow() const { return m_pControlWindow; }
    CDlgMeasure* GetMeasureWindow() const { return m_pMeasure; }
    CDlgSkyWindow* GetSkyWindow() const { return m_pSkyWindow; }
    int FindClipWindowIndex(HWND window) const;
    int CountClipWindows() const;
    BOOL IsMeasureWindowOpen() const { return m_pMeasure != nullptr; }
    BOOL IsZoomLensOpen() const { return m_pZoomLens != nullptr; }
    BOOL IsSkyWindowOpen() const;
    BOOL HasStageImage() const;
    BOOL IsClipWindowOverStage() const;
    BOOL IsCursorOnFileTree() const;
    // Predicates of the command rules that the message filter reads.
    BOOL IsControlIdle() const;
    BOOL CanUseImageCommands() const;
    BOOL CanUseMaskSettings() const;

    // Window control.
    int ForceForegroundWindow(HWND target);
    void MinimizeFrame();
    void RestoreFrame();

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

    void DestroyAllWindows();
    // The manual "Kestrel.pdf" in the program folder, opened by the desktop.
    void OpenManual();

    // AppStateSource; the window's own forms stay in reach.
    using CFrameWnd::ClientToScreen;
    using CFrameWnd::IsWindowVisible;
    int AppMode() const override;
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
    bool m_bFirstShowDone = false;
    CSize m_requestedClientSize{-1, -1};  // the client size of the frame's own last move
    RECT m_rcAwaitingFrame{};             // placed before the window manager framed the window
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<WorkAreaWatch> m_workAreaWatch;

    void FillScreenMetrics();
    void FindTaskbar();
    void MoveFrameTo(const RECT& rect);
    bool PlaceAgainOnceFramed();
    void RunFirstShow();
    void SwitchFrameBars(BYTE mode);
    SettingsStore& Store();

    // The settings are saved once as the program ends: at the close, or when
    // the display is lost, which ends the program without a close.
    bool m_bSettingsSaved = false;
    void SaveSettingsAtDisplayLoss();
    // Last, so that it goes first: the callback needs the frame whole.
    DisplayLossWatch m_displayLossWatch{[this] { SaveSettingsAtDisplayLoss(); }};
};
