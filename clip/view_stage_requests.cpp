// The view stage's image requests: WM_STAGE_OPEN_IMAGE and the ways a path
// reaches it, clearing the stage, and the savers the frame calls.
#include "clip/view_stage.h"

#include "clip/control_panel_messages.h"
#include "clip/stage_image_editor.h"
#include "clip/stage_image_files.h"
#include "clip/stage_messages.h"
#include "clip/stage_open_rules.h"
#include "clip/stage_renderer.h"
#include "core/frame_messages.h"
#include "core/histories.h"
#include "core/settings/app_settings.h"
#include "core/shared_paths.h"
#include "core/stage_state.h"
#include "core/window_list.h"
#include "imaging/image_file_loaders.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/cursor.h"

#include <optional>

LRESULT CDlgViewStage::OnRequestOpenImageFile(WPARAM kind, LPARAM target)
{
    std::optional<CWaitCursor> wait;
    if (!m_pFrame || reinterpret_cast<HWND>(target) != m_pFrame->GetSafeHwnd())
        wait.emplace();
    const QString extension = ExtensionOfName(m_image->path.Name());
    switch (RouteOpenRequest(kind, extension)) {
    case StageOpenRoute::LoadFile:
        if (!LoadRequestedFile(extension) || !FinishLoadedImage(0))
            FailRequest();
        break;
    case StageOpenRoute::Capture: {
        const HWND window = reinterpret_cast<HWND>(target);
        const CaptureChoice choice = CaptureChoiceFor(AskScrollCapture(window));
        if (choice == CaptureChoice::Nothing)
            return 1;
        if (choice == CaptureChoice::ScrollCapture) {
            // A capture without an image leaves the stage's image as it was.
            if (ScrollCaptureImage(static_cast<BYTE>(kind), window) != 1)
                break;
            if (!FinishLoadedImage(1)) {
                FailRequest();
                break;
            }
            EnableOneToOneButton();
            SendToFrame(WM_FRAME_CLOSE_SKY);
            SendToFrame(WM_FRAME_CLOSE_CONTRAST);
            AfterScrollCapture();
            return 1;
        }
        if (CaptureWindowImage(static_cast<BYTE>(kind), window) != 1) {
            AfxMessageBox(QStringLiteral("画像の取り込みに失敗しました。"));
            FailRequest();
        } else if (!FinishLoadedImage(1)) {
            FailRequest();
        }
        break;
    }
    case StageOpenRoute::Clipboard:
        if (!ImportClipboardBitmap(reinterpret_cast<HBITMAP>(target))) {
            AfxMessageBox(QStringLiteral("クリップボードからの取り込みに失敗しました。"));
            FailRequest();
        } else if (!FinishLoadedImage(0)) {
            FailRequest();
        }
        break;
    case StageOpenRoute::Unsupported:
        AfxMessageBox(QStringLiteral("対応していないファイルタイプです。"));
        FailRequest();
        break;
    case StageOpenRoute::Fail:
        FailRequest();
        break;
    }
    EnableOneToOneButton();
    SendToFrame(WM_FRAME_CLOSE_SKY);
    SendToFrame(WM_FRAME_CLOSE_CONTRAST);
    return 1;
}

bool CDlgViewStage::LoadRequestedFile(const QString& extension)
{
    return LoadImageFile(extension, m_image.get(), &m_transparency, [this] { UpdateCaption(); }) == 1;
}

bool CDlgViewStage::FinishLoadedImage(int capture)
{
    m_surfaceWnd.Invalidate(FALSE);
    if (!m_editor->PrepareLoadedImage()) {
        AfxMessageBox(
            QStringLiteral("必要なメモリを確保する事が出来ませんでした。\n\nKestrelを再起動して下さい。"));
        return false;
    }
    ReStructViewStage(capture);
    RenderSurface(0, kRenderAll);
    if (AppSettings.FolderHistory == 1)
        AddWorkFolderHistory(AppSettings.LastAccessDir);
    if (g_szCaptureTitle.isEmpty())
        m_image->path.GetBaseName(&g_szCaptureTitle);
    MeasureNewImage();
    return true;
}

void CDlgViewStage::FailRequest()
{
    SendMessage(WM_STAGE_NEW_VIEW, 0, 1);
}

int CDlgViewStage::RequestOpenImageFile(const QString& path)
{
    // The holder keeps at most 520 characters: a longer path would name another file.
    if (path.size() >= CFilePathInfo::kCapacity)
        return 0;
    EndPanelSelection();
    m_image->path.SetPath(path);
    AppSettings.LastAccessDir = m_image->path.Folder();
    return static_cast<int>(SendMessage(WM_STAGE_OPEN_IMAGE, kStageOpenFile, 0));
}

int CDlgViewStage::OpenSharedPath(const QString& path)
{
    return path.isEmpty() ? 0 : RequestOpenImageFile(path);
}

LRESULT CDlgViewStage::OnOpenDialog()
{
    return ::OpenImageDialog(m_image.get(), GetSafeHwnd());
}

void CDlgViewStage::NewViewWindow_Make(int ask, int resetLayout)
{
    if (ask == 1 &&
        AfxMessageBox(QStringLiteral("イメージをクリアします。よろしいですか？"), MB_YESNO) != IDYES)
        return;
    if (resetLayout == 1) {
        PlaceWithoutImage(StageMinimumSize(Metrics()));
        MoveStageWindow();
        MoveSurface();
        m_zoom.SetOrigin(m_rcSurface.left, m_rcSurface.top);
        OnRequestClearBmpField();
        ClearFields();
        NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_SHOW_COLOR, static_cast<WPARAM>(-1));
        NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_NO_IMAGE);
    }
    SendToFrame(WM_FRAME_CLOSE_SKY);
    m_zoom.Reset();
    ClearMeasureLines();
    RenderSurface(0, 0);
    SetStageMode(kStageModeNormal);
    EnableOneToOneButton();
}

void CDlgViewStage::OnRequestClearBmpField()
{
    // The views of the pixels go first, then the pixels.
    m_editor->Clear();
    m_image->Free();
    m_image->FreeDuplicates();
    RebuildBackBuffer();
    m_rcView = RECT{};
    RenderSurface(0, 0);
}

void CDlgViewStage::OnRequestEntireViewScreen()
{
    m_zoom.Reset();
    RenderSurface(0, kRenderAll);
    UpdateStatusFields();
    SendToFrame(WM_FRAME_CLOSE_SKY);
}

int CDlgViewStage::GetSaveImageFileName(QString* path)
{
    return ::GetSaveImageFileName(*m_image, GetSafeHwnd(), path);
}

int CDlgViewStage::SaveBmpFile(const QString& path)
{
    const int saved = ::SaveBmpFile(m_image.get(), path);
    if (saved)
        UpdateCaption();
    return saved;
}

int CDlgViewStage::SaveJpegFile(const QString& path)
{
    bool converted = false;
    const int saved = ::SaveJpegFile(m_image.get(), path, &converted);
    // A 32-bit picture became 24 bits where it lies: every view of it follows.
    if (converted)
        m_editor->AfterDepthChange();
    if (saved)
        UpdateCaption();
    return saved;
}

int CDlgViewStage::SaveImageByGdiplus(const QString& path)
{
    const int saved = ::SaveImageByGdiplus(m_image.get(), path);
    if (saved)
        UpdateCaption();
    return saved;
}

int CDlgViewStage::SaveTiffFile(const QString& path)
{
    const int saved = ::SaveTiffFile(m_image.get(), path);
    if (saved)
        UpdateCaption();
    return saved;
}
