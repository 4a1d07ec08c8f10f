// The continuous-capture dialog (template 385), modal. Eight steps set up a
// run: the target (a window from the list, or a screen range with its
// preview), the cursor, the first wait, the count, the interval, the format,
// the folder, the file name and the window while running. Button 1 starts
// the run and, while it runs, stops it; every run ends with the dialog
// closed with OK, which stores the settings. Cancel and the close box leave
// without storing them. The frame runs it and keeps its pointer meanwhile.
//
// The run itself (the ring, the capture loop, the saver) is the session's
// (clip/continuous_capture_session.h); the dialog is its host: it shows the
// counter and the progress and asks the questions.
#pragma once

#include "clip/continuous_capture_session.h"
#include "imaging/preset_font.h"
#include "platform/controls/image_list.h"
#include "platform/dialog/dialog.h"
#include "platform/gdi/gdi.h"
#include "res/dialog_385_continuous_capture.h"

#include <QString>

#include <memory>

class CListCtrl;

// What the dialog edits: the settings of section [-Continue Capture-].
struct ContinueCaptureState {
    BYTE target = 1;  // 1 window, 2 screen range
    RECT range{};
    int cursor = 0;
    int firstWaitMs = 1000;
    int count = 10;
    int intervalTenths = 10;
    int force = 0;
    BYTE format = 1;  // 1 BMP, 2 JPEG, 5 PNG
    int quality = 80;
    QString folder;
    int gotoMultiView = 0;
    QString fileName;
    int overwrite = 1;
    int numberFirst = 0;
    BYTE windowState = 2;  // 1 hidden in the task bar, 2 the compact window
    BYTE compactPosition = 1;
};

// The state as the settings hold it, and written back.
ContinueCaptureState ContinueCaptureStateFromSettings();
void StoreContinueCaptureState(const ContinueCaptureState& state);

class CDlgContinueCapture : public CDialog, public ContinuousCaptureLoopHost {
public:
    enum { IDD = IDD_CONTINUE_CAPTURE };
    explicit CDlgContinueCapture(CWnd* parent = nullptr);
    ~CDlgContinueCapture() override;

    const ContinueCaptureState& State() const { return m_state; }
    bool IsRunning() const { return m_bRunning; }
    // The run's engine; tests give it their screen, clock and system figures.
    CContinuousCaptureSession& Session() { return *m_session; }
    // Ends the dialog as the frame closes: a run is stopped as by the stop
    // button, otherwise the dialog is cancelled.
    void EndForFrameClose();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ContinuousCaptureLoopHost: what the run needs of its window.
    void ShowCounter(const QString& text) override;
    void StartProgressTimer() override;
    void StopProgressTimer() override;
    void SetProgressPos(int tenths) override;
    void ShowMessage(const QString& text, UINT icon) override;
    void WaitMessages(DWORD maxMs) override;
    HWND FrameWindow() override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override;
    void OnHScroll(UINT code, UINT pos, CWnd* bar) override;
    void OnTimer(UINT_PTR id) override;
    void OnMove(int x, int y) override;
    void OnDestroy() override;

    // What the start asks of the desktop and the frame; tests replace them.
    virtual bool TargetWindowExists(HWND window) const;
    // Brings the window to the front; true when it came.
    virtual bool BringTargetForward(HWND window);
    // The window's rectangle on the screen; false when none can be had.
    virtual bool TargetWindowRect(HWND window, RECT& rect) const;
    // The window a range is captured from: the desktop's.
    virtual HWND DesktopWindow() const;
    // Bits per pixel of the screen (the device's bits times its planes).
    virtual int ScreenBitsPerPixel() const;
    // The screen's size in pixels.
    virtual SIZE ScreenSize() const;

private:
    ContinueCaptureState m_state;
    std::unique_ptr<CContinuousCaptureSession> m_session;
    bool m_bRunning = false;
    bool m_bStarting = false;         // the start sequence is on the stack
    bool m_bCloseAfterStart = false;  // a stop came: close once the start sequence has returned
    bool m_bReadingFileName = false;
    bool m_bMoveLocked = false;
    RECT m_rcLocked{};
    POINT m_ptRefused{};
    int m_nSnapBacks = 0;
    RECT m_rcFrameBefore{};
    QString m_frameTitle;
    CImageList m_icons;
    CPresetFont m_stepFont{10};
    CPresetFont m_counterFont{16};
    HBITMAP m_startBitmap = nullptr;
    HBITMAP m_stopBitmap = nullptr;
    CBrush m_counterBrush;

    // Controls, their limits and labels (continuous_capture_dialog_controls.cpp).
    CListCtrl* WindowList() const;
    void ShowState();
    void ShowTarget();
    void ShowFormat();
    void ShowWindowState();
    void ShowSampleName();
    void FillWaitCombo();
    void BuildWindowList();
    void ReadRangeEdge(int id);
    void SetRange(const RECT& range);
    void ReadFirstWait();
    void ReadCount();
    void StepCount(int delta);
    void ReadInterval();
    void StepInterval(int tenths);
    void ReadFolder();
    void BrowseFolder();
    void ReadFileName();
    void DrawPreview(CDC* dc, CWnd* preview);
    void ReadAllEntries();
    void EnableSettings(bool enable);
    void LoadButtonBitmaps();
    void FreeButtonBitmaps();
    void ShowButtonBitmap(bool running);
    bool HandleControlCommand(UINT id, UINT code);

    // The start and the stop (continuous_capture_dialog_run.cpp).
    void OnStartStop();
    // 0 leaves the dialog open, else the code it closes with.
    int RunStartSequence();
    void Stop();
    bool ResolveTarget(HWND& target, RECT& rect, SIZE& size);
    bool AskToGoOn(const QString& text, ULONGLONG& startMs);
    void HideFrameWindows();
    void RestoreFrameWindows();
    void WaitFirst(ULONGLONG startMs);
    void ReportResult(bool completed);
    void HandOffAfterRun();
    void Close(int result);
    void SetMinimizeBox(bool on);
    void OnMinimizeCommand();

    // The compact window (continuous_capture_dialog_layout.cpp).
    void EnterCompactLayout(bool showProgress);
    void PlaceFrameOnDialog();
    // While running the window stays at its corner: moved away it comes back
    // (checked as it moves and by a timer, since a window manager may frame
    // or move it without telling).
    void KeepCompactPlace();
    static constexpr UINT_PTR kCompactPlaceTimer = 30;
};
