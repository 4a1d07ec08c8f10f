// The image class's DC and its attached bitmap.
#include "platform/gdi/gdi_dc.h"
#include "platform/image/image_class.h"

#include <utility>

CImage::~CImage()
{
    Destroy();
}

CImage& CImage::operator=(const CImage& other)
{
    if (this != &other) {
        QImage pixels = other.m_image.copy();
        Destroy();
        m_image = std::move(pixels);
    }
    return *this;
}

void CImage::Destroy()
{
    DropDc();
    m_image = QImage();
    if (m_attached)
        DeleteObject(std::exchange(m_attached, nullptr));
}

HDC CImage::GetDC()
{
    if (m_dc) {
        ++m_dcUses;
        return m_dc;
    }
    if (m_image.isNull())
        return nullptr;
    QImage* target = &m_image;
    if (GetBPP() != 32) {
        m_dcWork = m_image.convertToFormat(QImage::Format_RGB32);
        if (m_dcWork.isNull())
            return nullptr;  // no memory for the copy
        target = &m_dcWork;
    }
    m_dc = CreateSurfaceDc(target, nullptr);
    // Rows are taken afresh on every use, so a copy may give the picture new memory;
    // an attached bitmap's memory stays where it is.
    m_dc->targetMayMove = !m_attached;
    m_dcUses = 1;
    return m_dc;
}

void CImage::ReleaseDC()
{
    if (!m_dc || --m_dcUses > 0)
        return;
    DropDc();
}

// Deletes the DC; what was drawn on a working copy goes back into the picture.
void CImage::DropDc()
{
    if (!m_dc)
        return;
    ::DeleteDC(std::exchange(m_dc, nullptr));
    m_dcUses = 0;
    if (m_dcWork.isNull())
        return;
    if (m_image.format() == QImage::Format_Indexed8)
        m_image =
            m_dcWork.convertToFormat(QImage::Format_Indexed8, m_image.colorTable(), Qt::ThresholdDither);
    else
        m_image = m_dcWork.convertToFormat(m_image.format());
    m_dcWork = QImage();
}

void CImage::Attach(HBITMAP bitmap)
{
    if (bitmap && bitmap == m_attached)
        return;
    Destroy();
    if (!bitmap || bitmap->kind != GdiObject::Kind::Bitmap || bitmap->image.isNull())
        return;
    m_attached = bitmap;
    bitmap->bitsHandedOut = true;
    // The bitmap's own memory, not a copy: what is drawn here is drawn there.
    QImage& pixels = bitmap->image;
    m_image = QImage(pixels.bits(), pixels.width(), pixels.height(), pixels.bytesPerLine(), pixels.format());
}

HBITMAP CImage::Detach()
{
    DropDc();
    m_image = QImage();
    return std::exchange(m_attached, nullptr);
}
