// The batch shrink dialog (template 365, "画像の縮小"), modal: five steps
// set which sizes are converted, the target size, the format with its
// quality and interpolation, the output folder and the output names.
// "変換開始" starts a worker that converts the files one by one while a
// progress bar runs; the same button then reads "途中終了" and stops the
// run between files. Every run ends with the dialog closed with OK, which
// stores the choices; "キャンセル" leaves without storing them.
//
// The rules live in shrink_rules.h and the run in shrink_run.h; this class
// is their wiring.
#pragma once

#include "imaging/preset_font.h"
#include "multiview/shrink_run.h"
#include "multiview/stretch_size_summary.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_365_stretch_image.h"

#include <memory>

class CDlgMultiViewStage;
class CWorkerThread;

// Posted to itself by "変換開始": starts the worker.
inline constexpr UINT WM_STRETCH_START = WM_USER + 491;
// Posted by the worker as each file starts: wParam = k (from 1).
inline constexpr UINT WM_STRETCH_PROGRESS = WM_USER + 492;

class CDlgStretchImage : public CDialog {
public:
    enum { IDD = IDD_STRETCH_IMAGE };

    // stage holds the files, their selection and the shown folder.
    explicit CDlgStretchImage(CDlgMultiViewStage* stage, CWnd* parent = nullptr);
    ~CDlgStretchImage() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Ends the dialog as the frame closes: a run is stopped as by "途中終了".
    void EndForFrameClose();

    // For tests: the choices as the dialog holds them, the run's state and
    // failures, and a converter in place of the real one.
    const ShrinkChoices& Choices() const { return m_choices; }
    SIZE ReferenceSize() const { return m_reference; }
    int RunState() const { return m_shared.state.load(); }
    int Failures() const { return m_shared.failures.load(); }
    void SetConverterForTesting(decltype(ShrinkRunHooks::convert) convert) { m_convert = std::move(convert); }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { }
    void OnCancel() override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override;
    void OnHScroll(UINT code, UINT pos, CWnd* bar) override;

private:
    // stretch_image_dialog.cpp: opening and the enabled controls.
    void ApplyFonts();
    void ShowNotice();
    void ShowStep1();
    void ShowChoices();
    void UpdateEnables();
    void EnableIds(std::initializer_list<int> ids, bool enable);
    void ShowSizes();
    void ShowExample();
    void ShowFolder();
    int SizeKinds() const;

    // stretch_image_dialog_steps.cpp: the steps' controls.
    bool HandleStepCommand(UINT id, UINT code);
    void OnAllImages(bool all);
    void OnSizeBox(int index);
    void UpdateReference();
    void ReadRatio();
    void StepRatio(int delta);
    void ReadWidth();
    void ReadHeight();
    void BrowseFolder();
    void ReadFolder();
    void ReadFixedText();
    int ReadNumber(int id) const;

    // stretch_image_dialog_run.cpp: start, worker and finish.
    void OnStart();
    void OnStretchStart();
    std::vector<QString> FilesToConvert() const;
    void Finish();

    CDlgMultiViewStage* m_stage;
    ShrinkChoices m_choices;
    bool m_checked[kStretchSizeKinds]{};
    SIZE m_reference{};
    bool m_started = false;
    bool m_finishing = false;    // Finish is on the stack or has run
    bool m_readingText = false;  // the fixed text's change is being stored
    QString m_shownFolder;
    ShrinkJob m_job;
    ShrinkRunShared m_shared;
    decltype(ShrinkRunHooks::convert) m_convert;
    CPresetFont m_groupFont{12};
    CPresetFont m_noticeFont{14};
    COLORREF m_noticeColor = 0;
    // Last: it goes first, waiting for a running body that uses the members.
    std::unique_ptr<CWorkerThread> m_worker;
};
