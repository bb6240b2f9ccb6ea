// The link pointer: a pointing hand, index finger up, tip at (12, 1).
#include "drawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace makeabout {

namespace {

QPainterPath rounded(double left, double top, double right, double bottom, double radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, right - left, bottom - top), radius, radius);
    return path;
}

QPainterPath handOutline()
{
    QPainterPath hand = rounded(9.5, 0.5, 15.5, 17.0, 3.0);        // index finger
    hand = hand.united(rounded(14.5, 9.5, 19.0, 19.0, 2.2));       // middle knuckle
    hand = hand.united(rounded(18.0, 10.5, 22.5, 20.0, 2.2));      // ring knuckle
    hand = hand.united(rounded(21.5, 11.5, 25.5, 21.0, 2.0));      // little knuckle
    hand = hand.united(rounded(9.5, 15.0, 25.5, 27.5, 4.0));       // palm
    QPainterPath thumb = rounded(-5.0, -2.5, 5.0, 2.5, 2.5);
    thumb = QTransform().translate(7.5, 18.5).rotate(40.0).map(thumb);
    return hand.united(thumb).simplified();
}

} // namespace

QImage handPointer()
{
    QImage image = blankCanvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen ink(Qt::black, 1.0);
    p.setPen(ink);
    p.setBrush(Qt::white);
    p.drawPath(handOutline());
    p.drawLine(QPointF(15.5, 13.5), QPointF(15.5, 17.5));
    p.drawLine(QPointF(19.0, 14.0), QPointF(19.0, 18.5));
    p.drawLine(QPointF(22.5, 15.0), QPointF(22.5, 19.5));
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(QRectF(10.5, 27.5, 14.0, 3.5));
    return image;
}

} // namespace makeabout
