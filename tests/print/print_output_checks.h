// Reading what a print job wrote: a PDF's page count and first page size
// (pdfinfo), one page rendered to an image (pdftoppm), and where the red
// pixels of a rendering lie.
#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>

struct PdfFacts {
    int pages = 0;
    double pageWidthPt = 0;
    double pageHeightPt = 0;
};

inline PdfFacts ReadPdfFacts(const QString& pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(30000);
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    PdfFacts facts;
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text);
    if (pages.hasMatch())
        facts.pages = pages.captured(1).toInt();
    const auto size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(text);
    if (size.hasMatch()) {
        facts.pageWidthPt = size.captured(1).toDouble();
        facts.pageHeightPt = size.captured(2).toDouble();
    }
    return facts;
}

// Page `page` (from 1) at `dpi`; null when pdftoppm fails.
inline QImage RenderPdfPage(const QString& pdf, int page, double dpi)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"), QString::number(dpi),
            QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page), pdf,
            base});
    render.waitForFinished(60000);
    return QImage(base + QStringLiteral(".png"));
}

// The bounding box of the pixels clearly of one primary colour (0xFF0000 or 0x0000FF).
inline QRect ColourArea(const QImage& image, QRgb primary)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const bool red = qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
            const bool blue = qBlue(p) > 200 && qGreen(p) < 80 && qRed(p) < 80;
            if ((primary == qRgb(255, 0, 0) && red) || (primary == qRgb(0, 0, 255) && blue))
                area |= QRect(x, y, 1, 1);
        }
    return area;
}

inline QRect RedArea(const QImage& image)
{
    return ColourArea(image, qRgb(255, 0, 0));
}

inline QRect BlueArea(const QImage& image)
{
    return ColourArea(image, qRgb(0, 0, 255));
}

// The bounding box of the near-black pixels (text) from row `fromRow` down.
inline QRect BlackArea(const QImage& image, int fromRow)
{
    QRect area;
    for (int y = std::max(0, fromRow); y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100)
                area |= QRect(x, y, 1, 1);
        }
    return area;
}

// An image whose rows above `firstBlueRow` are red and the rest blue.
inline QImage RedOverBlue(int width, int height, int firstBlueRow)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    for (int y = firstBlueRow; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    return image;
}
