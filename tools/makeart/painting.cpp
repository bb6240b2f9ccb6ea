#include "painting.h"

#include <QPainterPath>
#include <QPolygonF>

namespace makeart {

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

void drawPage(QPainter &painter, const QRectF &page, const QColor &strip)
{
    const qreal fold = page.width() * 0.38;
    QPainterPath sheet;
    sheet.moveTo(page.topLeft());
    sheet.lineTo(page.right() - fold, page.top());
    sheet.lineTo(page.right(), page.top() + fold);
    sheet.lineTo(page.bottomRight());
    sheet.lineTo(page.bottomLeft());
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(96, 104, 128), 1));
    painter.setBrush(vertical(page, Qt::white, QColor(226, 230, 240)));
    painter.drawPath(sheet);
    if (strip.isValid()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(strip);
        painter.drawRect(QRectF(page.left() + 0.5, page.top() + 0.5, 2.5, page.height() - 1));
    }
    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    painter.setPen(QPen(QColor(96, 104, 128), 1));
    painter.setBrush(QColor(200, 206, 222));
    painter.drawPath(corner);
}

void drawFolder(QPainter &painter, const QRectF &box)
{
    const qreal tabW = box.width() * 0.42, tabH = box.height() * 0.16;
    const QColor outline(150, 104, 10);
    QPainterPath back;
    back.moveTo(box.left(), box.top() + tabH);
    back.lineTo(box.left() + 1, box.top());
    back.lineTo(box.left() + tabW - 1, box.top());
    back.lineTo(box.left() + tabW + 1, box.top() + tabH);
    back.lineTo(box.right(), box.top() + tabH);
    back.lineTo(box.bottomRight());
    back.lineTo(box.bottomLeft());
    back.closeSubpath();
    painter.setPen(QPen(outline, 1));
    painter.setBrush(vertical(box, QColor(250, 206, 92), QColor(222, 160, 30)));
    painter.drawPath(back);
    const qreal frontTop = box.top() + tabH + box.height() * 0.14;
    QPolygonF front;
    front << QPointF(box.left(), frontTop) << QPointF(box.right(), frontTop)
          << box.bottomRight() << box.bottomLeft();
    painter.setBrush(vertical(QRectF(box.left(), frontTop, box.width(), box.bottom() - frontTop),
                              QColor(255, 232, 140), QColor(240, 182, 48)));
    painter.drawPolygon(front);
}

void drawBadge(QPainter &painter, const QPointF &centre, qreal radius, const QColor &fill)
{
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.setPen(QPen(Qt::white, 1.2));
    painter.setBrush(vertical(disc, fill.lighter(135), fill.darker(125)));
    painter.drawEllipse(disc);
}

void drawArrow(QPainter &painter, const QRectF &box, bool right, const QColor &light, const QColor &dark)
{
    const qreal midY = box.center().y();
    const qreal shaft = box.height() * 0.22;
    const qreal headX = box.left() + box.width() * 0.5;
    QPolygonF arrow;
    arrow << QPointF(box.left(), midY - shaft) << QPointF(headX, midY - shaft)
          << QPointF(headX, box.top()) << QPointF(box.right(), midY)
          << QPointF(headX, box.bottom()) << QPointF(headX, midY + shaft)
          << QPointF(box.left(), midY + shaft);
    if (!right) {
        for (QPointF &p : arrow)
            p.setX(box.left() + box.right() - p.x());
    }
    painter.setPen(QPen(dark, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(vertical(box, light, dark.lighter(130)));
    painter.drawPolygon(arrow);
}

} // namespace makeart
