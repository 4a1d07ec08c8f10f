#include "platform/window/resource_cursors.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <memory>
#include <mutex>

namespace {

constexpr QPoint kCentre(15, 15);

// Each stroke is drawn twice, wide in white and then narrow in black, so
// that the cursor shows on dark and light pictures alike.
void Stroke(QPainter& p, const QPainterPath& path)
{
    p.strokePath(path, QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.strokePath(path, QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

QPainterPath Line(QPointF a, QPointF b)
{
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

// A line from a to b with an arrow head at b.
QPainterPath Arrow(QPointF a, QPointF b, double head = 3)
{
    QPainterPath path = Line(a, b);
    const QPointF d = (b - a) / std::max(1.0, std::hypot(b.x() - a.x(), b.y() - a.y()));
    const QPointF n(-d.y(), d.x());
    path.moveTo(b - d * head + n * head);
    path.lineTo(b);
    path.lineTo(b - d * head - n * head);
    return path;
}

QPainterPath DoubleArrow(QPointF a, QPointF b)
{
    QPainterPath path = Arrow(a, b);
    path.addPath(Arrow(b, a));
    return path;
}

// The selection cross-hair: its centre is the hot spot, left free so that the
// pixel under it stays visible.
void CrossHair(QPainter& p)
{
    QPainterPath path = Line(QPointF(kCentre.x(), 3), QPointF(kCentre.x(), kCentre.y() - 3));
    path.addPath(Line(QPointF(kCentre.x(), kCentre.y() + 3), QPointF(kCentre.x(), 27)));
    path.addPath(Line(QPointF(3, kCentre.y()), QPointF(kCentre.x() - 3, kCentre.y())));
    path.addPath(Line(QPointF(kCentre.x() + 3, kCentre.y()), QPointF(27, kCentre.y())));
    Stroke(p, path);
}

// Badges sit in the lower right corner, clear of the cross-hair's arms.
const QRectF kBadge(19, 19, 11, 11);

void CornerBadge(QPainter& p)
{
    QPainterPath path(kBadge.bottomLeft());
    path.lineTo(kBadge.topLeft());
    path.lineTo(kBadge.topRight());
    Stroke(p, path);
}

void SquareBadge(QPainter& p, bool filled, bool dashed)
{
    QPainterPath path;
    path.addRect(kBadge.adjusted(1, 1, -1, -1));
    if (filled)
        p.fillPath(path, Qt::black);
    p.strokePath(path, QPen(Qt::white, 3));
    p.strokePath(path, QPen(Qt::black, 1, dashed ? Qt::DashLine : Qt::SolidLine));
}

enum class Axis { Both, Width, Height };

void AxisBadge(QPainter& p, Axis axis)
{
    const QRectF r = kBadge;
    switch (axis) {
    case Axis::Both:
        Stroke(p, DoubleArrow(r.bottomLeft(), r.topRight()));
        break;
    case Axis::Width:
        Stroke(p, DoubleArrow(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y())));
        break;
    case Axis::Height:
        Stroke(p, DoubleArrow(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom())));
        break;
    }
}

// A plus (grow) or minus (shrink) in the upper right corner and the axis it
// changes below it.
void ResizeBadge(QPainter& p, bool grow, Axis axis)
{
    const QRectF sign(21, 3, 8, 8);
    QPainterPath path =
        Line(QPointF(sign.left(), sign.center().y()), QPointF(sign.right(), sign.center().y()));
    if (grow)
        path.addPath(Line(QPointF(sign.center().x(), sign.top()), QPointF(sign.center().x(), sign.bottom())));
    Stroke(p, path);
    AxisBadge(p, axis);
}

void MoveArrows(QPainter& p, QRectF area)
{
    const QPointF c = area.center();
    QPainterPath path = DoubleArrow(QPointF(area.left(), c.y()), QPointF(area.right(), c.y()));
    path.addPath(DoubleArrow(QPointF(c.x(), area.top()), QPointF(c.x(), area.bottom())));
    Stroke(p, path);
}

void Pan(QPainter& p)
{
    MoveArrows(p, QRectF(2, 2, 26, 26));
}

// A dropper whose tip, the hot spot, is the lower left pixel.
void Dropper(QPainter& p)
{
    QPainterPath body;
    body.moveTo(1, 30);
    body.lineTo(4, 24);
    body.lineTo(17, 11);
    body.lineTo(20, 14);
    body.lineTo(7, 27);
    body.closeSubpath();
    p.fillPath(body, Qt::white);
    Stroke(p, body);
    QPainterPath bulb;
    bulb.addEllipse(QRectF(19, 3, 9, 9));
    p.fillPath(bulb, Qt::black);
    Stroke(p, Line(QPointF(15, 9), QPointF(22, 16)));
}

// Measure cursors: a short measured line beside the cross-hair.
void MeasureLineBadge(QPainter& p, bool startOpen, bool endOpen)
{
    const QPointF a(19, 29), b(29, 19);
    Stroke(p, Line(a, b));
    for (const auto& [point, open] : {std::pair{a, startOpen}, std::pair{b, endOpen}}) {
        QPainterPath end;
        end.addRect(QRectF(point - QPointF(2, 2), QSizeF(4, 4)));
        p.fillPath(end, open ? Qt::white : Qt::black);
        p.strokePath(end, QPen(Qt::black, 1));
    }
}

void DragEndPoint(QPainter& p)
{
    MoveArrows(p, QRectF(4, 4, 22, 22));
    QPainterPath square;
    square.addRect(QRectF(kCentre - QPointF(2, 2), QSizeF(5, 5)));
    p.fillPath(square, Qt::white);
    p.strokePath(square, QPen(Qt::black, 1));
}

void MoveLine(QPainter& p)
{
    MoveArrows(p, QRectF(4, 4, 22, 22));
    Stroke(p, Line(QPointF(20, 29), QPointF(29, 20)));
}

struct CursorArt {
    int id;
    QPoint hotspot;
    void (*draw)(QPainter&);
};

const CursorArt kCursors[] = {
    {158, kCentre, Pan},
    {166, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            CornerBadge(p);
        }},
    {211, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            SquareBadge(p, true, false);
        }},
    {168, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            SquareBadge(p, false, true);
        }},
    {208, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            AxisBadge(p, Axis::Width);
        }},
    {205, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            AxisBadge(p, Axis::Height);
        }},
    {165, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            ResizeBadge(p, true, Axis::Both);
        }},
    {167, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            ResizeBadge(p, false, Axis::Both);
        }},
    {206, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            ResizeBadge(p, true, Axis::Width);
        }},
    {207, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            ResizeBadge(p, false, Axis::Width);
        }},
    {203, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            ResizeBadge(p, true, Axis::Height);
        }},
    {204, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            ResizeBadge(p, false, Axis::Height);
        }},
    {210, QPoint(1, 30), Dropper},
    {345, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            MeasureLineBadge(p, true, false);
        }},
    {346, kCentre,
        [](QPainter& p) {
            CrossHair(p);
            MeasureLineBadge(p, false, true);
        }},
    {347, kCentre, DragEndPoint},
    {348, kCentre, MoveLine},
};

std::unique_ptr<GdiIcon> Draw(const CursorArt& art)
{
    QImage image(kResourceCursorSize, kResourceCursorSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.translate(0.5, 0.5);  // one-pixel lines on pixel centres
        art.draw(p);
    }
    return std::make_unique<GdiIcon>(GdiIcon{image, POINT{art.hotspot.x(), art.hotspot.y()}});
}

}  // namespace

HCURSOR LoadResourceCursor(int resourceId)
{
    static std::mutex mutex;
    static QHash<int, std::shared_ptr<GdiIcon>> loaded;
    std::lock_guard lock(mutex);
    if (const auto it = loaded.constFind(resourceId); it != loaded.cend())
        return it.value().get();
    for (const CursorArt& art : kCursors) {
        if (art.id == resourceId) {
            std::shared_ptr<GdiIcon> icon = Draw(art);
            loaded.insert(resourceId, icon);
            return icon.get();
        }
    }
    return nullptr;
}
