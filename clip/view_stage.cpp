#include "clip/view_stage.h"

CDlgViewStage::CDlgViewStage() : CDialog(&kDialog130ViewStage)
{
}

CDlgViewStage::~CDlgViewStage() = default;

BOOL CDlgViewStage::Create(CWnd* frame)
{
    return CDialog::Create(kDialog130ViewStage, frame);
}

bool CDlgViewStage::HasImage() const
{
    return false;
}

bool CDlgViewStage::ZoomRubberBandStarted() const
{
    return false;
}

int CDlgViewStage::RequestOpenImageFile(const QString&)
{
    return 0;
}

int CDlgViewStage::GetSaveImageFileName(QString*)
{
    return 0;
}

int CDlgViewStage::SaveBmpFile(const QString&)
{
    return 0;
}

int CDlgViewStage::SaveJpegFile(const QString&)
{
    return 0;
}

int CDlgViewStage::SaveImageByGdiplus(const QString&)
{
    return 0;
}

int CDlgViewStage::SaveTiffFile(const QString&)
{
    return 0;
}

CImageTransform* CDlgViewStage::Transform()
{
    return nullptr;
}

void CDlgViewStage::CalcViewAreaLimits()
{
}

void CDlgViewStage::ResizeViewStage(int, int, int)
{
}

HWND CDlgViewStage::SurfaceWindow() const
{
    return ::GetDlgItem(m_hWnd, IDC_STAGE_SURFACE);
}
