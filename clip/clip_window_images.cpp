// The clip window's button pictures (one set per icon scale, drawn by us and
// stored as PNG files in res/) and its tool tips.
#include "clip/clip_window.h"

#include "core/system_figures.h"
#include "platform/gdi/resource_bitmaps.h"

namespace {

struct ButtonPicture {
    int button;
    int scale1;
    int scale2;
    const char16_t* tip;
};

constexpr ButtonPicture kButtons[] = {
    {IDC_CLIP_SAVE, 177, 313, u"指定サイズでイメージを保存します。"},
    {IDC_CLIP_COPY, 178, 314, u"指定サイズでイメージをクリップボードへコピーします。"},
    {IDC_CLIP_COPY_TO_STAGE, 358, 359,
        u"このイメージをメインウィンドウに貼り付け、このウィンドウを閉じます。"},
    {IDC_CLIP_PRINT, 272, 315, u"印刷します。"},
    {IDC_CLIP_PICK_COLOR, 209, 316, u"透過色の選択( PNGファイルのみ )"},
};

constexpr int kToolTipAutoPopMs = 3000;
constexpr int kToolTipInitialMs = 200;

}  // namespace

// The pictures live in a static library: their resource data is linked in
// only when named (outside any namespace, as the resource system needs).
static void InitClipWindowResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(clip_window_bitmaps);
        return true;
    }();
    (void)once;
}

int ClipWindowBitmapId(int button, int iconScale)
{
    for (const ButtonPicture& b : kButtons)
        if (b.button == button)
            return iconScale == 2 ? b.scale2 : b.scale1;
    return 0;
}

HBITMAP LoadClipWindowBitmap(int resourceId)
{
    InitClipWindowResources();
    return LoadBitmapFile(QStringLiteral(":/clip_window/bitmap_%1.png").arg(resourceId));
}

void CDlgClipWindow::LoadButtonImages()
{
    const int scale = GetIconScale();
    for (int i = 0; i < static_cast<int>(std::size(kButtons)); ++i) {
        m_imageIds[i] = ClipWindowBitmapId(kButtons[i].button, scale);
        m_images[i] = LoadClipWindowBitmap(m_imageIds[i]);
        if (auto* button = dynamic_cast<CButton*>(GetDlgItem(kButtons[i].button)))
            button->SetBitmap(m_images[i]);
    }
}

void CDlgClipWindow::FreeButtonImages()
{
    // Each button lets go of its picture before the picture goes.
    for (int i = 0; i < static_cast<int>(std::size(kButtons)); ++i) {
        if (!m_images[i])
            continue;
        if (GetSafeHwnd())
            if (auto* button = dynamic_cast<CButton*>(GetDlgItem(kButtons[i].button)))
                button->SetBitmap(nullptr);
        DeleteObject(m_images[i]);
        m_images[i] = nullptr;
        m_imageIds[i] = 0;
    }
}

int CDlgClipWindow::ShownImage(int button) const
{
    for (int i = 0; i < static_cast<int>(std::size(kButtons)); ++i)
        if (kButtons[i].button == button && m_images[i])
            return m_imageIds[i];
    return 0;
}

void CDlgClipWindow::CreateToolTips()
{
    m_toolTip.Create(this, TTS_ALWAYSTIP);
    m_toolTip.Activate(TRUE);
    m_toolTip.SetDelayTime(TTDT_AUTOPOP, kToolTipAutoPopMs);
    m_toolTip.SetDelayTime(TTDT_INITIAL, kToolTipInitialMs);
    for (const ButtonPicture& b : kButtons)
        if (CWnd* control = GetDlgItem(b.button))
            m_toolTip.AddTool(control, QString::fromUtf16(b.tip));
}

BOOL CDlgClipWindow::PreTranslateMessage(MSG* msg)
{
    // Mouse moves over the five picture buttons go to the tool tip; any other pops it.
    m_toolTip.FollowMouse(msg);
    return CDialog::PreTranslateMessage(msg);
}
