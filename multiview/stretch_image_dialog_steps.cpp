// The five steps' controls: each change is stored in the choices and the
// enabled controls, the sizes and the example follow.
#include "multiview/stretch_image_dialog.h"

#include "core/file_dialogs.h"
#include "core/path_utils.h"
#include "platform/controls/controls.h"
#include "platform/dialog/msgbox.h"

bool CDlgStretchImage::HandleStepCommand(UINT id, UINT code)
{
    const int i = static_cast<int>(id);
    if (i >= IDC_SHRINK_SIZE_1 && i < IDC_SHRINK_SIZE_1 + kStretchSizeKinds) {
        if (code == BN_CLICKED)
            OnSizeBox(i - IDC_SHRINK_SIZE_1);
        return true;
    }
    switch (i) {
    case IDC_SHRINK_RATIO:
        if (code == EN_KILLFOCUS)
            ReadRatio();
        return true;
    case IDC_SHRINK_WIDTH:
        if (code == EN_KILLFOCUS)
            ReadWidth();
        return true;
    case IDC_SHRINK_HEIGHT:
        if (code == EN_KILLFOCUS)
            ReadHeight();
        return true;
    case IDC_SHRINK_FOLDER:
        if (code == EN_KILLFOCUS)
            ReadFolder();
        return true;
    case IDC_SHRINK_TEXT:
        if (code == EN_CHANGE)
            ReadFixedText();
        return true;
    case IDC_SHRINK_BROWSE:
        if (code == BN_CLICKED)
            BrowseFolder();
        return true;
    default:
        break;
    }
    if (code != BN_CLICKED)
        return false;
    ShrinkChoices& c = m_choices;
    switch (i) {
    case IDC_SHRINK_ALL_IMAGES:
    case IDC_SHRINK_CHOSEN_SIZES:
        OnAllImages(i == IDC_SHRINK_ALL_IMAGES);
        return true;
    case IDC_SHRINK_BY_RATIO:
    case IDC_SHRINK_BY_SIZE:
        c.ratioMode = i == IDC_SHRINK_BY_RATIO ? 1 : 0;
        break;
    case IDC_SHRINK_BMP:
    case IDC_SHRINK_JPEG:
    case IDC_SHRINK_PNG:
        c.format = i == IDC_SHRINK_BMP ? kShrinkBmp : i == IDC_SHRINK_PNG ? kShrinkPng : kShrinkJpeg;
        break;
    case IDC_SHRINK_INTERPOLATE:
    case IDC_SHRINK_NO_INTERPOLATE:
        c.interpolation = i == IDC_SHRINK_INTERPOLATE ? 1 : 0;
        break;
    case IDC_SHRINK_SAME_FOLDER:
    case IDC_SHRINK_CHOSEN_FOLDER:
        c.sameFolder = i == IDC_SHRINK_SAME_FOLDER ? 1 : 0;
        ShowFolder();
        break;
    case IDC_SHRINK_MOVE:
        c.moveFolder = IsDlgButtonChecked(IDC_SHRINK_MOVE) ? 1 : 0;
        break;
    case IDC_SHRINK_KEEP_NAME:
    case IDC_SHRINK_CHANGE_NAME:
        c.keepName = i == IDC_SHRINK_KEEP_NAME ? 1 : 0;
        break;
    case IDC_SHRINK_FIXED_TEXT:
    case IDC_SHRINK_SERIAL:
        c.fixedText = i == IDC_SHRINK_FIXED_TEXT ? 1 : 0;
        break;
    case IDC_SHRINK_FRONT:
    case IDC_SHRINK_BACK:
        c.front = i == IDC_SHRINK_FRONT ? 1 : 0;
        break;
    case IDC_SHRINK_ZERO_FILL:
        c.zeroFill = IsDlgButtonChecked(IDC_SHRINK_ZERO_FILL) ? 1 : 0;
        break;
    case IDC_SHRINK_OVERWRITE:
        c.overwrite = IsDlgButtonChecked(IDC_SHRINK_OVERWRITE) ? 1 : 0;
        break;
    default:
        return false;
    }
    UpdateEnables();
    return true;
}

void CDlgStretchImage::OnAllImages(bool all)
{
    m_choices.allImages = all ? 1 : 0;
    UpdateEnables();
}

void CDlgStretchImage::OnSizeBox(int index)
{
    m_checked[index] = IsDlgButtonChecked(IDC_SHRINK_SIZE_1 + index) != 0;
    if (std::none_of(std::begin(m_checked), std::end(m_checked), [](bool b) { return b; })) {
        AfxMessageBox(QStringLiteral("全てのチェックをOFFにする事は出来ません。"));
        m_checked[0] = true;
        CheckDlgButton(IDC_SHRINK_SIZE_1, 1);
    }
    UpdateReference();
    ShowSizes();
}

// The reference size is the first ticked pair (else pair 1); the width and
// height are fitted to it.
void CDlgStretchImage::UpdateReference()
{
    m_reference = StretchSizeSummary.sizes[0];
    for (int i = 0; i < kStretchSizeKinds; ++i) {
        if (m_checked[i]) {
            m_reference = StretchSizeSummary.sizes[i];
            break;
        }
    }
    const SIZE fitted =
        FitShrinkSize(m_reference, StretchSizeSummary.sizes[0], SIZE{m_choices.width, m_choices.height});
    m_choices.width = fitted.cx;
    m_choices.height = fitted.cy;
}

int CDlgStretchImage::ReadNumber(int id) const
{
    QString text;
    GetDlgItemText(id, text);
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    if (!ok)
        return 0;
    return static_cast<int>(std::clamp<long long>(value, -1000000, 1000000));
}

void CDlgStretchImage::ReadRatio()
{
    m_choices.ratio = ClampRatio(ReadNumber(IDC_SHRINK_RATIO));
    SetDlgItemInt(IDC_SHRINK_RATIO, static_cast<UINT>(m_choices.ratio));
    ShowSizes();
}

void CDlgStretchImage::StepRatio(int delta)
{
    m_choices.ratio = ClampRatio(ReadNumber(IDC_SHRINK_RATIO) + delta);
    SetDlgItemInt(IDC_SHRINK_RATIO, static_cast<UINT>(m_choices.ratio));
    ShowSizes();
}

void CDlgStretchImage::ReadWidth()
{
    const SIZE size =
        ApplyTypedWidth(ReadNumber(IDC_SHRINK_WIDTH), m_reference, SIZE{m_choices.width, m_choices.height});
    m_choices.width = size.cx;
    m_choices.height = size.cy;
    ShowSizes();
}

void CDlgStretchImage::ReadHeight()
{
    const SIZE size =
        ApplyTypedHeight(ReadNumber(IDC_SHRINK_HEIGHT), m_reference, SIZE{m_choices.width, m_choices.height});
    m_choices.width = size.cx;
    m_choices.height = size.cy;
    ShowSizes();
}

void CDlgStretchImage::BrowseFolder()
{
    QString path = m_choices.outputFolder;
    const int chosen = BrowseForFolder(GetSafeHwnd(), path, QStringLiteral("保存フォルダの選択"));
    if (chosen == 2)
        AfxMessageBox(QStringLiteral("Kestrelが対応していないファイルパスの長さです。"));
    if (chosen != 1 || path.isEmpty())
        path = g_szMyDocumentsFolder;
    AddBackslash(path);
    m_choices.outputFolder = path;
    ShowFolder();
}

void CDlgStretchImage::ReadFolder()
{
    if (m_choices.sameFolder == 1)
        return;
    QString text;
    GetDlgItemText(IDC_SHRINK_FOLDER, text);
    text = text.trimmed();
    if (!text.isEmpty())
        AddBackslash(text);
    m_choices.outputFolder = text;
}

void CDlgStretchImage::ReadFixedText()
{
    // Setting the text below tells of a change again.
    if (m_readingText)
        return;
    m_readingText = true;
    QString text;
    GetDlgItemText(IDC_SHRINK_TEXT, text);
    m_choices.text = text.left(kShrinkFixedTextChars);
    ShowExample();
    m_readingText = false;
}

BOOL CDlgStretchImage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->code == UDN_DELTAPOS &&
        (header->idFrom == IDC_SHRINK_RATIO_SPIN_10 || header->idFrom == IDC_SHRINK_RATIO_SPIN_1)) {
        // The spins run from high to low: the upward step is negative.
        const int delta = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
        const int step = header->idFrom == IDC_SHRINK_RATIO_SPIN_10 ? 10 : 1;
        if (delta != 0)
            StepRatio(delta < 0 ? step : -step);
        *result = 1;  // the edit holds the number, not the control
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

void CDlgStretchImage::OnHScroll(UINT code, UINT pos, CWnd* bar)
{
    if (bar && bar->GetDlgCtrlID() == IDC_SHRINK_QUALITY) {
        m_choices.quality = std::clamp(static_cast<CSliderCtrl*>(bar)->GetPos() + 1, 1, 100);
        SetDlgItemText(IDC_SHRINK_QUALITY_VALUE, QStringLiteral("%1%").arg(m_choices.quality));
        return;
    }
    CDialog::OnHScroll(code, pos, bar);
}
