#include "clip/stage_status_fields.h"

#include <QChar>
#include <cstdio>

QString MagnificationText(float m)
{
    char text[64];
    std::snprintf(text, sizeof text, "%02.2f", static_cast<double>(m));
    return QString::fromLatin1(text);
}

QString SizeText(int width, int height)
{
    return QString::number(width) + QChar(0x00D7) + QString::number(height);
}

CStageStatusFields::Texts CStageStatusFields::Update(
    int surfaceWidth, int visibleWidth, int visibleHeight, int imageWidth, int imageHeight)
{
    // Without a visible part there is no magnification to speak of.
    const float m =
        visibleWidth > 0 ? static_cast<float>(surfaceWidth) / static_cast<float>(visibleWidth) : 0.0f;
    Texts texts;
    if (!m_known || m != m_magnification) {
        texts.magnification = MagnificationText(m);
        m_magnification = m;
    }
    if (!m_known || visibleWidth != m_visibleWidth || visibleHeight != m_visibleHeight) {
        texts.range = SizeText(visibleWidth, visibleHeight);
        m_visibleWidth = visibleWidth;
        m_visibleHeight = visibleHeight;
    }
    if (!m_known || imageWidth != m_imageWidth || imageHeight != m_imageHeight) {
        texts.size = SizeText(imageWidth, imageHeight);
        m_imageWidth = imageWidth;
        m_imageHeight = imageHeight;
    }
    m_known = true;
    return texts;
}

void CStageStatusFields::Forget()
{
    m_known = false;
}
