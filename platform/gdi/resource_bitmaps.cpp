#include "platform/gdi/resource_bitmaps.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The button face colour of the platform's default scheme.
constexpr QRgb kButtonFace = qRgb(240, 240, 240);

// One-to-one display: "1:1" inside a magnifier, drawn on a 20 x 20 grid.
void OneToOne(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath lens;
    lens.addEllipse(QRectF(1.5, 1.5, 13, 13));
    p.fillPath(lens, Qt::white);
    p.strokePath(lens, QPen(QColor(40, 40, 40), 1.5));
    QPainterPath handle(QPointF(13, 13));
    handle.lineTo(18.5, 18.5);
    p.strokePath(handle, QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath digits(QPointF(5, 5));
    digits.lineTo(5, 11);
    digits.moveTo(11, 5);
    digits.lineTo(11, 11);
    p.strokePath(digits, QPen(QColor(0, 70, 160), 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 70, 160));
    p.drawRect(QRectF(7.5, 6, 1, 1));
    p.drawRect(QRectF(7.5, 9, 1, 1));
}

struct BitmapArt {
    int id;
    int scale;                // the icon scale the id serves
    QSize size;               // at scale 1
    void (*draw)(QPainter&);  // on the scale-1 grid
};

const BitmapArt kBitmaps[] = {
    {276, 1, QSize(20, 20), OneToOne},
    {341, 2, QSize(20, 20), OneToOne},
};

}  // namespace

QImage ResourceBitmapImage(int resourceId)
{
    for (const BitmapArt& art : kBitmaps) {
        if (art.id != resourceId)
            continue;
        QImage image(art.size * art.scale, QImage::Format_RGB32);
        image.fill(kButtonFace);
        QPainter p(&image);
        p.scale(art.scale, art.scale);
        art.draw(p);
        return image;
    }
    return QImage();
}

HBITMAP LoadResourceBitmap(int resourceId)
{
    const QImage image = ResourceBitmapImage(resourceId);
    if (image.isNull())
        return nullptr;
    auto* bitmap = new GdiBitmap;
    bitmap->image = image;
    return bitmap;
}

HBITMAP LoadBitmapFile(const QString& path)
{
    return CreateBitmapFromImage(QImage(path));
}

HBITMAP CreateBitmapFromImage(const QImage& image)
{
    if (image.isNull())
        return nullptr;
    auto* bitmap = new GdiBitmap;
    bitmap->image = image.convertToFormat(QImage::Format_RGB32);
    return bitmap;
}
