// The two link icons: a globe and an envelope.
#include "drawings.h"

#include <QPainter>
#include <QPainterPath>

namespace makeabout {

QImage webIcon()
{
    QImage image = blankCanvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ball(2.5, 2.5, 27.0, 27.0);
    QRadialGradient sea(QPointF(11, 10), 22);
    sea.setColorAt(0.0, QColor(150, 205, 255));
    sea.setColorAt(1.0, QColor(20, 80, 190));
    p.setPen(QPen(QColor(0, 0, 110), 1.2));
    p.setBrush(sea);
    p.drawEllipse(ball);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 245, 255), 1.0));
    p.drawEllipse(QRectF(9.5, 2.5, 13.0, 27.0));
    p.drawLine(QPointF(16, 2.5), QPointF(16, 29.5));
    p.drawLine(QPointF(2.5, 16), QPointF(29.5, 16));
    QPainterPath parallels;
    parallels.moveTo(5.0, 9.0);
    parallels.quadTo(16.0, 12.5, 27.0, 9.0);
    parallels.moveTo(5.0, 23.0);
    parallels.quadTo(16.0, 19.5, 27.0, 23.0);
    p.drawPath(parallels);
    return image;
}

QImage mailIcon()
{
    QImage image = blankCanvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(2.5, 7.5, 27.0, 18.0);
    QLinearGradient paper(0, 7, 0, 26);
    paper.setColorAt(0.0, QColor(255, 255, 255));
    paper.setColorAt(1.0, QColor(220, 225, 240));
    p.setPen(QPen(QColor(0, 0, 110), 1.2));
    p.setBrush(paper);
    p.drawRect(body);
    QPainterPath flap;
    flap.moveTo(body.topLeft());
    flap.lineTo(16.0, 18.0);
    flap.lineTo(body.topRight());
    flap.moveTo(body.bottomLeft());
    flap.lineTo(12.5, 15.5);
    flap.moveTo(body.bottomRight());
    flap.lineTo(19.5, 15.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 0, 0));
    p.drawRect(QRectF(23.0, 9.5, 4.0, 5.0));
    return image;
}

} // namespace makeabout
