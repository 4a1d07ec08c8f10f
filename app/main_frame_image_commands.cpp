// The frame's commands on the stage image: open, save, clear, zoom in and
// out, and the flips, turn and reset that the control panel's transform
// state follows.
#include "app/main_frame.h"

#include "clip/control_panel.h"
#include "clip/control_panel_messages.h"
#include "clip/image_transforms.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/app_state_queries.h"
#include "core/file_types.h"
#include "core/frame_messages.h"
#include "core/transform_state.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/cursor.h"
#include "res/frame_command_ids.h"

namespace {

// Writes the stage image with the saver of the image type; 1 written, 0 not.
int WriteStageImage(CDlgViewStage& stage, int type, const QString& path)
{
    switch (type) {
    case kImageTypeBmp:
        return stage.SaveBmpFile(path);
    case kImageTypeJpeg:
        return stage.SaveJpegFile(path);
    case kImageTypeTiff:
        return stage.SaveTiffFile(path);
    case kImageTypeGif:
    case kImageTypePng:
        return stage.SaveImageByGdiplus(path);
    default:
        return 0;
    }
}

}  // namespace

bool CMainFrame::HandleImageCommand(UINT id)
{
    switch (id) {
    case ID_FILE_OPEN_IMAGE:
        OpenStageImage();
        return true;
    case ID_FILE_SAVE_IMAGE:
        SaveStageImage();
        return true;
    case ID_FILE_NEW_IMAGE:
        NewStageImage();
        return true;
    case ID_EDIT_FLIP_LR:
    case ID_EDIT_FLIP_TB:
    case ID_EDIT_ROTATE_90:
        TransformStageImage(id);
        return true;
    case ID_EDIT_RESET_IMAGE:
        ResetStageImage();
        return true;
    case ID_VIEW_ZOOM_IN:
        ZoomStage(1);
        return true;
    case ID_VIEW_ZOOM_OUT:
        ZoomStage(-1);
        return true;
    default:
        return false;
    }
}

void CMainFrame::OpenStageImage()
{
    const HWND stage = Window(AppWindow::ViewStage);
    if (!stage)
        return;
    if (::SendMessageW(stage, WM_STAGE_OPEN_DIALOG, 0, 0) != 0)
        ::SendMessageW(stage, WM_STAGE_OPEN_IMAGE, 0, 0);
    ::SetFocus(stage);
}

void CMainFrame::SaveStageImage()
{
    CDlgViewStage* stage = m_pViewStage;
    if (!stage || !stage->HasImage()) {
        AfxMessageBox(QStringLiteral("保存できるBMPデータがありません。"));
        return;
    }
    // The multi view's loaders pause for the save, and learn of the new file,
    // once the multi view is part of the program.
    QString path;
    const int type = stage->GetSaveImageFileName(&path);
    if (type == 0 || type == kImageTypeNone)
        return;
    int written = 0;
    {
        CWaitCursor wait;
        written = WriteStageImage(*stage, type, path);
    }
    if (written == 1) {
        // The stage shows the file as it was written.
        stage->RequestOpenImageFile(path);
        ::SetFocus(stage->SurfaceWindow());
    } else {
        AfxMessageBox(QStringLiteral("ファイルの保存に失敗しました。"));
    }
    SendMessage(WM_FRAME_SYNC_TREE);
}

void CMainFrame::NewStageImage()
{
    // The stage asks before it clears.
    SendToViewStage(WM_STAGE_NEW_VIEW, 1, 1);
    SendMessage(WM_FRAME_CLOSE_CONTRAST);
}

void CMainFrame::TransformStageImage(UINT command)
{
    const HWND stage = Window(AppWindow::ViewStage);
    if (!stage)
        return;
    BYTE* state = nullptr;
    BYTE next = 0;
    UINT message = 0;
    switch (command) {
    case ID_EDIT_FLIP_LR:
        state = &g_bFlipLeftRight;
        next = NextFlipState(*state);
        message = WM_STAGE_FLIP_LR;
        break;
    case ID_EDIT_FLIP_TB:
        state = &g_bFlipTopBottom;
        next = NextFlipState(*state);
        message = WM_STAGE_FLIP_TB;
        break;
    case ID_EDIT_ROTATE_90:
        state = &g_nRotateQuarter;
        next = NextRotateQuarter(*state);
        message = WM_STAGE_ROTATE_90;
        break;
    default:
        return;
    }
    // The state changes first: the stage's edit reads it.
    const BYTE before = *state;
    *state = next;
    if (::SendMessageW(stage, message, 0, 0) == 0)
        *state = before;  // refused; the stage has told why
    // Back as loaded: the transform's copy of the edited pixels is not needed.
    if (!IsImageTransformed() && m_pViewStage)
        if (CImageTransform* transform = m_pViewStage->Transform())
            transform->FreeResultCopy();
}

void CMainFrame::ResetStageImage()
{
    // The control panel resets the stage image and clears the transform
    // state; the stage's one-shot zoom ends with it.
    if (m_pViewStage)
        m_pViewStage->ResetHitZoom(0);
    if (const HWND panel = Window(AppWindow::ControlPanel))
        ::SendMessageW(panel, WM_CLIPCTL_RESET_IMAGE, 0, 0);
}

void CMainFrame::ZoomStage(int direction)
{
    // A hit zoom is over once the user zooms otherwise.
    if (m_pViewStage)
        m_pViewStage->ResetHitZoom(0);
    if (direction > 0 && IsWheelClipActive() && WheelRangeTooLargeToZoom()) {
        AfxMessageBox(
            QStringLiteral("これ以上ズーム出来ません。\n\nズームするには選択範囲を小さくして下さい。"));
        return;
    }
    const auto wParam = static_cast<WPARAM>(static_cast<LPARAM>(direction));
    SendToViewStage(WM_STAGE_ZOOM, wParam);
    if (IsWheelClipActive() && IsSelectionOn() && m_pControlWindow)
        m_pControlWindow->SendMessage(WM_CLIPCTL_ZOOM_CHANGED, wParam);
}

bool CMainFrame::WheelRangeTooLargeToZoom() const
{
    if (!m_pControlWindow || !m_pViewStage)
        return false;
    const CStageZoom& zoom = m_pViewStage->Zoom();
    return m_pControlWindow->RangeWidth() > zoom.VisibleWidth() / 2 ||
        m_pControlWindow->RangeHeight() > zoom.VisibleHeight() / 2;
}
