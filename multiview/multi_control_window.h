// The multi-view panel (template 279): the narrow, caption-less tool window
// left of the multi-view stage. It chooses the folder (a combo box with a
// history of 20 folders, the folder dialog), starts and stops loading, sets
// the sort key and direction, the view mode and the thumbnail size, shows
// the focus file's name, date and size, the totals and the progress of
// loading and sorting, and offers the operations on the selection. It
// watches the shown folder for changes on disk and tells the user by
// enabling the load button; it never reloads by itself. The frame makes it
// once, before the stage, on the first switch to the multi view, and keeps
// it to the end of the run. Its messages are in core/multi_control_messages.h.
#pragma once

#include "clip/button_pictures.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "multiview/folder_watch.h"
#include "multiview/multi_control_images.h"
#include "multiview/multi_control_rules.h"
#include "multiview/multi_view_panel_state.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_279_multi_control.h"

#include <QHash>
#include <QString>

// The panel's timers.
inline constexpr UINT_PTR IDT_MULTICTL_FIRST_RUN = 12;
inline constexpr UINT_PTR IDT_MULTICTL_INITIAL_LOAD = 13;
inline constexpr UINT_PTR IDT_MULTICTL_LOAD_PROGRESS = 14;
inline constexpr UINT_PTR IDT_MULTICTL_BUTTON_STATE = 15;
inline constexpr UINT_PTR IDT_MULTICTL_FOLDER_WATCH = 24;
inline constexpr UINT_PTR IDT_MULTICTL_WATCH_REARM = 25;

// Where the folder text of a load request comes from.
enum class FolderLoadKind { ComboText = 0, ListItem = 1, ComboTextToHistory = 2 };

class CDlgMultiControlWindow : public CDialog, public MultiViewPanelState {
public:
    enum { IDD = IDD_MULTI_CONTROL_WINDOW };

    CDlgMultiControlWindow();
    ~CDlgMultiControlWindow() override;

    // Modeless, owned by the frame.
    BOOL Create(CWnd* frame);
    BOOL DestroyWindow() override;

    // MultiViewPanelState: what the stage reads.
    HWND PanelWindow() const override { return GetSafeHwnd(); }
    int ViewMode() const override { return m_viewMode; }
    int SortKey() const override { return m_sortKey; }
    int Descending() const override { return m_descending; }
    int DisplayState() const override { return m_displayState; }
    void SetDisplayState(int state) override;

    // The view mode from the panel's buttons or the stage's keys 1 and 2.
    void SetViewMode(int mode);
    // The history rule, then the folder into the combo box and a load
    // request (kind 2) with force; showMissing tells the user of a folder
    // that does not exist. False when the history rule refused the folder.
    bool SwitchToFolder(const QString& folder, bool showMissing, bool force);
    // Refuses an empty path, a folder that does not exist and the folder the
    // stage shows; otherwise the folder goes to the history's top. The
    // folder given loses one trailing '/'.
    bool UpdateFolderHistory(QString& folder);
    // Loads the folder of the combo box (or its chosen item) into the stage.
    void RequestFolderLoad(FolderLoadKind kind, bool force);
    // Caption "表示" and the EXIF window closed.
    void ResetExifShowButton();
    // Watches the folder (any previous watch ends); timer 24 polls it.
    void StartFolderWatch(const QString& folder);
    void StopFolderWatch();

    // Read by tests and the frame.
    const QString& History(int index) const { return m_history[index]; }
    int ChangedFlag() const { return m_changed ? 1 : 0; }
    bool ComboEdited() const { return m_comboEdited; }
    bool IsWatching() const { return m_watch.IsWatching(); }
    // The bitmap a button shows now (its resource id), 0 for none.
    int ShownImage(int button) const { return m_pictures.ShownId(button); }
    // The folder text of the last load request, as posted to the stage.
    const QString& RequestedFolder() const { return m_requestFolder; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { }
    void OnCancel() override { }
    void OnShowWindow(BOOL show, UINT status) override;
    void OnTimer(UINT_PTR id) override;
    void OnHScroll(UINT code, UINT pos, CWnd* bar) override;
    void OnMouseMove(UINT flags, CPoint point) override;

    // The stage, as the panel asks about it (multi_control_window_stage.cpp);
    // tests stand in for it.
    virtual HWND StageWindow() const;
    virtual bool IsStageVisible() const;
    // The folder the stage's list shows ('/'-separated, no trailing '/').
    virtual QString StageFolder() const;
    virtual int StageFileCount() const;
    // The focus position, -1 for none.
    virtual int StageFocus() const;
    virtual void SetStageFocus(int position);
    virtual int StageSelectedCount() const;
    virtual bool IsStageSortReady(int position) const;
    // The loader's count of loaded thumbnails.
    virtual int LoadedThumbnailCount() const;
    // The sort key and direction of the stage's list.
    virtual void SetStageListOrder(int key, int descending);
    // The rename dialog's mode (1 one file, 2 a batch).
    virtual void SetRenameMode(int mode);

private:
    // Window, images and placement (multi_control_window.cpp).
    void LoadButtonImages();
    void FreeButtonImages();
    void SetButtonImage(int button, MultiPanelImage image);
    void ShowLoadStopImage();
    void ShowViewModeImages();
    void CreateToolTips();
    void MeasureHoverAreas();
    void OnRepositionPanel();
    LRESULT SendToFrame(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void PostToFrame(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendToStage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void PostToStage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void EnableItem(int id, bool enable);
    void ShowItem(int id, bool show);

    // The folder: combo box, history, load requests (multi_control_window_folder.cpp).
    void FillFolderCombo();
    void OnFolderCombo(UINT code);
    void OnFolderDialog();
    void MoveComboToItsPlace();
    LRESULT OnSetFolder(const QString* folder);
    CComboBox* FolderCombo() const;

    // The display state, load / stop and clearing (multi_control_window_display.cpp).
    void OnLoadStop();
    void OnClearView();
    void HideTotals();
    void ClearViewAndStopWatch();

    // Sort, view mode and thumbnail size (multi_control_window_sort.cpp).
    void ResetSortRadios();
    void OnSortRadio(int id, int key);
    void OnDescending();
    void OnEnableSort(unsigned bits);
    void OnDisableSort(unsigned bits);
    void SetUpSlider();
    void SendViewModeNotice();
    LRESULT OnSetThumbSize(int size);
    LRESULT OnStepThumbSize(int delta);

    // Readouts and progress (multi_control_window_readouts.cpp).
    LRESULT OnFileText(const QString* name, const QString* date);
    LRESULT OnFileSize(ULONGLONG bytes, const SIZE* imageSize);
    void OnProgressStart(int count);
    void OnProgressStop();
    void OnShowTotals(int total);
    LRESULT OnSelectedCount(int selected);

    // Operations on the selection and EXIF (multi_control_window_operations.cpp).
    void OnCopyPicture();
    void OnOpenInClipMode();
    void OnDelete();
    void OnCopyFiles();
    void OnExifClear();
    void OnExifShow();
    void OnRename(int mode);

    // Timers, the watch and the status-bar guide (multi_control_window_timers.cpp).
    void OnFirstRunTimer();
    void OnInitialLoadTimer();
    void OnButtonStateTimer();
    void OnFolderWatchTimer();
    void OnWatchRearmTimer();
    void StartTimer(UINT_PTR id, UINT ms, UINT_PTR& slot);
    void StopTimer(UINT_PTR& slot);

    RECT m_rcWindow{};
    RECT m_rcCombo{};
    QString m_history[kMultiFolderHistoryCount];
    int m_viewMode = 0;
    int m_sortKey = 0;
    int m_descending = 0;
    bool m_comboEdited = false;
    int m_displayState = 0;
    CButtonPictures m_pictures;
    HoverArea m_hoverAreas[12]{};
    int m_lastHover = -1;
    CToolTipCtrl m_toolTip;
    CFolderWatch m_watch;
    bool m_changed = false;
    UINT_PTR m_watchTimer = 0;
    UINT_PTR m_rearmTimer = 0;
    UINT_PTR m_progressTimer = 0;
    UINT_PTR m_firstRunTimer = 0;
    UINT_PTR m_initialLoadTimer = 0;
    UINT_PTR m_buttonTimer = 0;
    // The folder of the last load request; the stage reads it from the posted
    // WM_MULTI_FOLDER_CHANGED, and it stays as it is until the next request.
    QString m_requestFolder;
    QString m_shownTotal;  // the total of the totals readout
    bool m_ending = false;
};
