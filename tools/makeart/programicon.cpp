// The program's icon: two folders with sync arrows. It is drawn once on a
// 32-unit grid and scaled as a vector drawing to every size of the icon
// set, so each size is sharp rather than an enlarged bitmap.
#include "art.h"
#include "painting.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace makeart {
namespace {

constexpr qreal kGrid = 32; // the drawing's own size

// A thick green arc around centre from one angle to another (degrees,
// counter-clockwise positive) ending in an arrowhead.
void drawSyncArc(QPainter &painter, const QPointF &centre, qreal radius, qreal fromDeg, qreal toDeg)
{
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(circle, fromDeg);
    arc.arcTo(circle, fromDeg, toDeg - fromDeg);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(10, 96, 30), 4.2, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(arc);
    painter.setPen(QPen(QColor(70, 200, 90), 2.4, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(arc);
    const qreal t = qDegreesToRadians(toDeg);
    const qreal turn = toDeg < fromDeg ? 1 : -1; // clockwise arcs head along (sin, cos)
    const QPointF end = arc.currentPosition();
    const QPointF dir(turn * qSin(t), turn * qCos(t));
    const QPointF normal(-dir.y(), dir.x());
    QPolygonF head;
    head << end + dir * 4.2 << end + normal * 4 << end - normal * 4;
    painter.setPen(QPen(QColor(10, 96, 30), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(70, 200, 90));
    painter.drawPolygon(head);
}

QImage programIcon(int size)
{
    QImage image = canvas(size, size);
    QPainter painter(&image);
    prepare(painter);
    painter.scale(size / kGrid, size / kGrid);
    drawFolder(painter, QRectF(1.5, 2.5, 15, 12));
    drawFolder(painter, QRectF(15.5, 17.5, 15, 12));
    drawSyncArc(painter, QPointF(16, 16), 11, 80, 12);
    drawSyncArc(painter, QPointF(16, 16), 11, 260, 192);
    return image;
}

} // namespace

std::vector<Picture> programIcons()
{
    std::vector<Picture> icons;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icons.push_back({QStringLiteral("appicon/%1.png").arg(size), programIcon(size)});
    return icons;
}

} // namespace makeart
