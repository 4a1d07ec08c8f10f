#include "clip/control_panel_sizes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

int RoundHalfUp(double x)
{
    const double whole = std::trunc(x);
    return static_cast<int>(x - whole >= 0.5 ? whole + 1 : whole);
}

CAspectSize::CAspectSize(int width, int height, int minimum, int maxWidth, int maxHeight)
    : m_width(std::clamp(width, minimum, std::max(minimum, maxWidth))),
      m_height(std::clamp(height, minimum, std::max(minimum, maxHeight))), m_minimum(minimum),
      m_maxWidth(std::max(minimum, maxWidth)), m_maxHeight(std::max(minimum, maxHeight)), m_ratio(1.0)
{
    UpdateRatio();
}

void CAspectSize::UpdateRatio()
{
    // A zero height (a minimum of 0) keeps the last ratio rather than dividing by zero.
    if (m_height > 0)
        m_ratio = static_cast<double>(m_width) / m_height;
}

void CAspectSize::Set(int side, int value)
{
    if (side == 1)
        m_width = std::clamp(value, m_minimum, m_maxWidth);
    else
        m_height = std::clamp(value, m_minimum, m_maxHeight);
    UpdateRatio();
}

int CAspectSize::SetKeepRatio(int side, int value)
{
    if (side == 1) {
        const int width = std::clamp(value, m_minimum, m_maxWidth);
        const int h = m_ratio > 0 ? RoundHalfUp(width / m_ratio) : -1;
        if (h < m_minimum || h > m_maxHeight)
            return -1;
        m_width = width;
        m_height = h;
        return h;
    }
    const int height = std::clamp(value, m_minimum, m_maxHeight);
    const int w = RoundHalfUp(height * m_ratio);
    if (w < m_minimum || w > m_maxWidth)
        return -1;
    m_height = height;
    m_width = w;
    return w;
}

int ClampStep(int value)
{
    return std::clamp(value, kMinStep, kMaxStep);
}

QStringList StepPresets(int imageWidth, int imageHeight)
{
    QStringList presets{QStringLiteral("1")};
    if (imageWidth == 0)
        return presets;
    const int m = std::max(imageWidth, imageHeight);
    presets << QStringLiteral("2") << QStringLiteral("3") << QStringLiteral("5") << QStringLiteral("7")
            << QStringLiteral("10");
    if (m > 200)
        presets << QStringLiteral("15") << QStringLiteral("20");
    if (m > 500)
        presets << QStringLiteral("25");
    if (m > 1000)
        presets << QStringLiteral("30") << QStringLiteral("40") << QStringLiteral("50");
    if (m > 2000)
        presets << QStringLiteral("75") << QStringLiteral("100");
    if (m > 3000)
        presets << QStringLiteral("150") << QStringLiteral("200");
    return presets;
}

QStringList WaitPresets()
{
    return {QStringLiteral("0.5"), QStringLiteral("0.7"), QStringLiteral("1.0"), QStringLiteral("1.5"),
        QStringLiteral("2.0"), QStringLiteral("3.0"), QStringLiteral("5.0"), QStringLiteral("7.0")};
}

QString WaitText(int milliseconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", milliseconds / 1000.0);
    return QString::fromLatin1(text);
}

RangeFit FitRangeSizeToView(
    int visibleWidth, int visibleHeight, int rangeWidth, int rangeHeight, int step, int minSaveSize)
{
    RangeFit fit{rangeWidth, rangeHeight, step};
    if (visibleWidth < rangeWidth) {
        fit.width = std::max(visibleWidth / 5 * 4, minSaveSize);
        fit.widthChanged = true;
    }
    if (visibleHeight < rangeHeight) {
        fit.height = std::max(visibleHeight / 5 * 4, minSaveSize);
        fit.heightChanged = true;
    }
    if (visibleWidth / 10 < step || visibleHeight / 10 < step) {
        fit.step = std::max(std::min(visibleWidth / 10, visibleHeight / 10), 1);
        fit.stepChanged = true;
    }
    return fit;
}
