// The clip-range history dialog (template 199), modal. It shows the twelve
// remembered clip rectangles for editing, protects rows from being pushed
// out, sets when the history is updated, previews the chosen row as the
// highlighted range of the view stage, and can leave with that row as the
// panel's fixed range (button 1112). While it runs the stage draws as in a
// wheel-range selection; the view state returns when it closes. OK, Cancel,
// Esc and the close box all store the history.
#pragma once

#include "platform/dialog/dialog.h"
#include "res/dialog_199_clip_history.h"

#include <optional>

class CDlgClipHistory : public CDialog {
public:
    enum { IDD = IDD_CLIP_HISTORY };  // 199
    explicit CDlgClipHistory(CWnd* parent = nullptr);
    ~CDlgClipHistory() override;
    // run with DoModal(); the frame posts it WM_MOVE when the application is activated again.

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    void OnShowWindow(BOOL show, UINT status) override;
    void OnMove(int x, int y) override;

    // The size of the view stage's image; nullopt without a stage or an image.
    virtual std::optional<SIZE> StageImageSize() const;

private:
    // What the stage's drawing depends on, as it was at opening.
    struct ViewState {
        int rangeSelectMethod = 0;
        int stageMode = 0;
        int viewRangeCorr = 0;
        BYTE highlightZoomAreaWheel = 0;
    };
    ViewState m_saved;
    bool m_viewStateChanged = false;
    bool m_shown = false;
    bool m_closing = false;
    BYTE m_policy = 0;  // ClipHistory: 0 never, 1 on clipping, 2 on saving
    int m_selected = -1;
    DWORD m_protect = 0;  // bit r protects row r
    RECT m_rows[kClipHistoryRowCount]{};
    HBITMAP m_closeImage = nullptr;

    // Opening and the view state (clip_history_dialog.cpp).
    void EnterPreviewViewState();
    void RestoreViewState();
    void LoadHistory();

    // The rows (clip_history_dialog_rows.cpp).
    void ShowRowValues(int row);
    void ShowProtection(int row);
    bool IsRowSelectable(int row) const;
    void ShowSelection();
    void OnSelectRow(int row);
    void OnProtectRow(int row);
    void OnEdgeKillFocus(int row, int field);
    void CommitFocusedEdge();

    // The stage and the panel (clip_history_dialog_preview.cpp).
    static HWND StageWindow();
    static HWND PanelWindow();
    void PreviewRow(int row);

    // Leaving (clip_history_dialog_closing.cpp).
    void OnCloseInFixedMode();
    void Close(int result);
    void StoreHistory() const;
    void LoadCloseImage();
    void FreeCloseImage();
};
