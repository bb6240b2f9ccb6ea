#pragma once
// Drawing pieces shared by the pictures: pages, folders, badges, arrows.
// All coordinates are in pixels of the picture; 1-pixel lines sit on half
// pixels so that they stay sharp.

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRectF>

namespace makeart {

// A transparent picture of the given size.
QImage canvas(int width, int height);
// A painter with antialiasing on.
void prepare(QPainter &painter);

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom);

// A white sheet with a folded top-right corner; a strip of the given
// colour runs down its left edge unless the colour is invalid.
void drawPage(QPainter &painter, const QRectF &page, const QColor &strip = QColor());
// A yellow folder filling box.
void drawFolder(QPainter &painter, const QRectF &box);
// A round badge with a white ring, shaded from fill.
void drawBadge(QPainter &painter, const QPointF &centre, qreal radius, const QColor &fill);
// A thick arrow filling box, pointing right or left.
void drawArrow(QPainter &painter, const QRectF &box, bool right, const QColor &light, const QColor &dark);

} // namespace makeart
