#include "multiview/stretch_image_dialog.h"

#include "imaging/image_size_tally.h"
#include "multiview/multi_view_stage.h"
#include "platform/controls/controls.h"
#include "platform/dialog/msgbox.h"
#include "platform/thread/worker_thread.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 96, 252);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kStepGroups[] = {
    IDC_SHRINK_STEP1, IDC_SHRINK_STEP2, IDC_SHRINK_STEP3, IDC_SHRINK_STEP4, IDC_SHRINK_STEP5};

}  // namespace

CDlgStretchImage::CDlgStretchImage(CDlgMultiViewStage* stage, CWnd* parent)
    : CDialog(&kDialog365StretchImage, parent), m_stage(stage)
{
}

CDlgStretchImage::~CDlgStretchImage()
{
    // A run still going (the dialog torn down from outside) stops first.
    if (m_worker && m_worker->IsRunning()) {
        m_shared.state.store(kStretchStopRequested);
        m_worker->WaitForEnd(kWaitForever);
    }
    if (GetSafeHwnd())
        DestroyWindow();
}

int CDlgStretchImage::SizeKinds() const
{
    return std::clamp<int>(StretchSizeSummary.sizeKinds, 1, kStretchSizeKinds);
}

BOOL CDlgStretchImage::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_shared.state.store(kStretchIdle);
    m_shared.failures.store(0);
    m_started = false;
    m_finishing = false;
    m_choices = ShrinkChoicesFromSettings();
    m_choices.allImages = 1;
    std::fill(std::begin(m_checked), std::end(m_checked), false);
    m_checked[0] = true;
    m_shownFolder = StretchSizeSummary.folder;
    ApplyFonts();
    if (CEdit* text = static_cast<CEdit*>(GetDlgItem(IDC_SHRINK_TEXT)))
        text->SetLimitText(kShrinkFixedTextChars);
    if (CSliderCtrl* slider = static_cast<CSliderCtrl*>(GetDlgItem(IDC_SHRINK_QUALITY))) {
        slider->SetRange(0, 99);
        slider->SetTicFreq(10);
        slider->SetPageSize(5);
        slider->SetLineSize(5);
    }
    ShowNotice();
    ShowStep1();
    UpdateReference();
    m_choices.ratio = ClampRatio(m_choices.ratio);
    ShowChoices();
    return TRUE;
}

void CDlgStretchImage::ApplyFonts()
{
    m_groupFont.CreateFont();
    m_noticeFont.CreateFont();
    for (int id : kStepGroups)
        if (CWnd* w = GetDlgItem(id))
            w->SetFont(m_groupFont.GetFont());
    for (int id : {IDC_SHRINK_RESULT_SIZE, IDC_SHRINK_QUALITY_VALUE, IDC_SHRINK_TEXT, IDC_SHRINK_EXAMPLE})
        if (CWnd* w = GetDlgItem(id))
            w->SetFont(m_groupFont.GetFont());
    if (CWnd* notice = GetDlgItem(IDC_SHRINK_NOTICE))
        notice->SetFont(m_noticeFont.GetFont());
}

void CDlgStretchImage::ShowNotice()
{
    const ShrinkNotice notice =
        ShrinkNoticeFor(SizeKinds(), IsSameAspectRatio(StretchSizeSummary.sizes) == 1);
    m_noticeColor = notice.warning ? kRed : kBlue;
    SetDlgItemText(IDC_SHRINK_NOTICE, notice.text);
    if (!notice.warning)
        return;
    AfxMessageBox(
        notice.text + QStringLiteral("\n\nSTEP2 \"変換サイズ\" を \"縮小率で指定\" に切り換えます。"));
    m_choices.ratioMode = 1;
}

void CDlgStretchImage::ShowStep1()
{
    SetDlgItemText(IDC_SHRINK_ALL_IMAGES,
        QStringLiteral("選択された全ての画像を変換する。 (Total %1 ファイル)")
            .arg(StretchSizeSummary.fileCount));
    const int kinds = StretchSizeSummary.sizeKinds <= 1 ? 0 : SizeKinds();
    for (int i = 0; i < kStretchSizeKinds; ++i) {
        const int id = IDC_SHRINK_SIZE_1 + i;
        SetDlgItemText(id, ShrinkSizeLabel(StretchSizeSummary.sizes[i], StretchSizeSummary.counts[i]));
        if (CWnd* box = GetDlgItem(id))
            box->ShowWindow(i < kinds ? SW_SHOW : SW_HIDE);
    }
    // With one size there is nothing to choose.
    if (CWnd* chosen = GetDlgItem(IDC_SHRINK_CHOSEN_SIZES))
        chosen->EnableWindow(kinds > 1);
}

// Every control as the choices hold them.
void CDlgStretchImage::ShowChoices()
{
    const ShrinkChoices& c = m_choices;
    CheckDlgButton(c.allImages == 1 ? IDC_SHRINK_ALL_IMAGES : IDC_SHRINK_CHOSEN_SIZES, 1);
    for (int i = 0; i < kStretchSizeKinds; ++i)
        CheckDlgButton(IDC_SHRINK_SIZE_1 + i, m_checked[i] ? 1 : 0);
    CheckDlgButton(c.ratioMode == 1 ? IDC_SHRINK_BY_RATIO : IDC_SHRINK_BY_SIZE, 1);
    SetDlgItemInt(IDC_SHRINK_RATIO, static_cast<UINT>(c.ratio));
    CheckDlgButton(c.format == kShrinkBmp ? IDC_SHRINK_BMP
            : c.format == kShrinkPng      ? IDC_SHRINK_PNG
                                          : IDC_SHRINK_JPEG,
        1);
    if (CSliderCtrl* slider = static_cast<CSliderCtrl*>(GetDlgItem(IDC_SHRINK_QUALITY)))
        slider->SetPos(c.quality - 1);
    SetDlgItemText(IDC_SHRINK_QUALITY_VALUE, QStringLiteral("%1%").arg(c.quality));
    CheckDlgButton(c.interpolation == 1 ? IDC_SHRINK_INTERPOLATE : IDC_SHRINK_NO_INTERPOLATE, 1);
    CheckDlgButton(c.sameFolder == 1 ? IDC_SHRINK_SAME_FOLDER : IDC_SHRINK_CHOSEN_FOLDER, 1);
    CheckDlgButton(IDC_SHRINK_MOVE, c.moveFolder == 1 ? 1 : 0);
    ShowFolder();
    CheckDlgButton(c.keepName == 1 ? IDC_SHRINK_KEEP_NAME : IDC_SHRINK_CHANGE_NAME, 1);
    CheckDlgButton(c.fixedText == 1 ? IDC_SHRINK_FIXED_TEXT : IDC_SHRINK_SERIAL, 1);
    CheckDlgButton(c.front == 1 ? IDC_SHRINK_FRONT : IDC_SHRINK_BACK, 1);
    CheckDlgButton(IDC_SHRINK_ZERO_FILL, c.zeroFill == 1 ? 1 : 0);
    m_readingText = true;
    SetDlgItemText(IDC_SHRINK_TEXT, c.text);
    m_readingText = false;
    ShowSizes();
    UpdateEnables();
}

void CDlgStretchImage::ShowFolder()
{
    SetDlgItemText(IDC_SHRINK_FOLDER, m_choices.sameFolder == 1 ? m_shownFolder : m_choices.outputFolder);
}

void CDlgStretchImage::ShowSizes()
{
    SetDlgItemText(IDC_SHRINK_SOURCE_SIZE, SizeText(m_reference));
    SetDlgItemText(IDC_SHRINK_RESULT_SIZE, SizeText(RatioSize(m_reference, m_choices.ratio)));
    SetDlgItemInt(IDC_SHRINK_WIDTH, static_cast<UINT>(m_choices.width));
    SetDlgItemInt(IDC_SHRINK_HEIGHT, static_cast<UINT>(m_choices.height));
}

void CDlgStretchImage::ShowExample()
{
    SetDlgItemText(IDC_SHRINK_EXAMPLE,
        ShrinkExampleName(StretchSizeSummary.exampleName, StretchSizeSummary.fileCount, m_choices));
}

void CDlgStretchImage::EnableIds(std::initializer_list<int> ids, bool enable)
{
    for (int id : ids)
        if (CWnd* w = GetDlgItem(id))
            w->EnableWindow(enable);
}

void CDlgStretchImage::UpdateEnables()
{
    const ShrinkEnables e = ShrinkEnablesFor(m_choices);
    const int kinds = StretchSizeSummary.sizeKinds <= 1 ? 0 : SizeKinds();
    for (int i = 0; i < kStretchSizeKinds; ++i)
        EnableIds({IDC_SHRINK_SIZE_1 + i}, m_choices.allImages != 1 && i < kinds);
    EnableIds({IDC_SHRINK_RATIO, IDC_SHRINK_RATIO_SPIN_10, IDC_SHRINK_RATIO_SPIN_1, IDC_SHRINK_SOURCE_SIZE,
                  IDC_SHRINK_RESULT_SIZE},
        e.ratioControls);
    EnableIds({IDC_SHRINK_WIDTH, IDC_SHRINK_HEIGHT}, e.sizeEdits);
    EnableIds({IDC_SHRINK_QUALITY, IDC_SHRINK_QUALITY_VALUE, IDC_SHRINK_QUALITY_LABEL}, e.quality);
    EnableIds({IDC_SHRINK_BROWSE, IDC_SHRINK_FOLDER, IDC_SHRINK_MOVE}, e.folderControls);
    EnableIds(
        {IDC_SHRINK_FIXED_TEXT, IDC_SHRINK_SERIAL, IDC_SHRINK_FRONT, IDC_SHRINK_BACK}, e.namingControls);
    EnableIds({IDC_SHRINK_TEXT}, e.fixedTextEdit);
    EnableIds({IDC_SHRINK_ZERO_FILL}, e.zeroFill);
    for (int id : {IDC_SHRINK_EXAMPLE, IDC_SHRINK_EXAMPLE_LABEL})
        if (CWnd* w = GetDlgItem(id))
            w->ShowWindow(e.exampleShown ? SW_SHOW : SW_HIDE);
    if (e.overwriteForced)
        m_choices.overwrite = 1;
    CheckDlgButton(IDC_SHRINK_OVERWRITE, m_choices.overwrite == 1 ? 1 : 0);
    EnableIds({IDC_SHRINK_OVERWRITE}, e.overwriteEnabled);
    ShowExample();
}

HBRUSH CDlgStretchImage::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, kind);
    if (!control || !dc)
        return brush;
    const int id = control->GetDlgCtrlID();
    if (id == IDC_SHRINK_NOTICE)
        dc->SetTextColor(m_noticeColor);
    else if (std::find(std::begin(kStepGroups), std::end(kStepGroups), id) != std::end(kStepGroups))
        dc->SetTextColor(kBlue);
    return brush;
}

BOOL CDlgStretchImage::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN) {
        // Enter never starts or stops; Esc does not cancel a run.
        if (msg->wParam == VK_RETURN)
            return TRUE;
        if (msg->wParam == VK_ESCAPE && m_shared.state.load() == kStretchRunning)
            return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CDlgStretchImage::OnCancel()
{
    // Disabled during a run; the close box may still ask.
    if (m_started)
        return;
    EndDialog(IDCANCEL);
}

BOOL CDlgStretchImage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == IDOK) {
        if (m_started)
            Finish();
        else
            OnStart();
        return TRUE;
    }
    if (HandleStepCommand(id, code))
        return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

LRESULT CDlgStretchImage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_STRETCH_START:
        OnStretchStart();
        return 0;
    case WM_STRETCH_PROGRESS:
        if (CProgressCtrl* progress = static_cast<CProgressCtrl*>(GetDlgItem(IDC_SHRINK_PROGRESS)))
            progress->SetPos(static_cast<int>(wParam));
        return 0;
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

void CDlgStretchImage::EndForFrameClose()
{
    if (m_started)
        Finish();
    else
        EndDialog(IDCANCEL);
}
