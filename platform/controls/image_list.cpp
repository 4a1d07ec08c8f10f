#include "platform/controls/image_list.h"

BOOL CImageList::Create(int cx, int cy, UINT, int initial, int)
{
    if (cx <= 0 || cy <= 0)
        return FALSE;
    m_created = true;
    m_size = QSize(cx, cy);
    m_images.clear();
    m_images.reserve(std::max(0, initial));
    return TRUE;
}

BOOL CImageList::DeleteImageList()
{
    const bool was = m_created;
    m_created = false;
    m_images.clear();
    return was;
}

BOOL CImageList::SetImageCount(UINT count)
{
    if (!m_created)
        return FALSE;
    QImage blank(m_size, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    m_images.resize(static_cast<qsizetype>(count), blank);
    return TRUE;
}

QImage CImageList::Fit(const QImage& image) const
{
    QImage fitted = image.convertToFormat(QImage::Format_ARGB32);
    if (fitted.size() != m_size)
        fitted = fitted.scaled(m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return fitted;
}

int CImageList::Add(const QImage& image)
{
    if (!m_created || image.isNull())
        return -1;
    m_images.append(Fit(image));
    return GetImageCount() - 1;
}

int CImageList::Replace(int index, const QImage& image)
{
    if (index == -1)
        return Add(image);
    if (!m_created || image.isNull() || index < 0 || index >= GetImageCount())
        return -1;
    m_images[index] = Fit(image);
    return index;
}

QImage CImageList::GetImage(int index) const
{
    return index >= 0 && index < GetImageCount() ? m_images[index] : QImage();
}
