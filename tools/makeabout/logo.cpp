// The logo: a folder inside two turning arrows.
#include "drawings.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace makeabout {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr QPointF kCentre(24.0, 24.0);
constexpr double kRadius = 18.0;

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void drawFolder(QPainter &p)
{
    const QColor edge(150, 95, 10);
    p.setPen(QPen(edge, 1.0));
    p.setBrush(QColor(235, 175, 40));
    QPainterPath back;
    back.moveTo(13.5, 17.5);
    back.lineTo(20.5, 17.5);
    back.lineTo(22.5, 19.5);
    back.lineTo(34.5, 19.5);
    back.lineTo(34.5, 32.5);
    back.lineTo(13.5, 32.5);
    back.closeSubpath();
    p.drawPath(back);
    QLinearGradient front(0, 21, 0, 33);
    front.setColorAt(0.0, QColor(255, 222, 110));
    front.setColorAt(1.0, QColor(245, 185, 45));
    p.setBrush(front);
    p.drawRect(QRectF(13.5, 22.5, 21.0, 10.0));
}

QPointF onCircle(double degrees)
{
    const double r = degrees * kPi / 180.0;
    return {kCentre.x() + kRadius * std::cos(r), kCentre.y() - kRadius * std::sin(r)};
}

// One arrow along the circle from `from` degrees, 125 degrees long,
// turning anticlockwise, with its head at the far end.
void drawArrow(QPainter &p, double from, const QColor &colour)
{
    const double to = from + 125.0;
    QPainterPath arc;
    arc.moveTo(onCircle(from));
    arc.arcTo(QRectF(kCentre.x() - kRadius, kCentre.y() - kRadius, 2 * kRadius, 2 * kRadius),
              from, to - from - 12.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 4.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arc);

    const double r = (to - 12.0) * kPi / 180.0;
    const QPointF base = onCircle(to - 12.0);
    const QPointF along(-std::sin(r), -std::cos(r));
    const QPointF outward(std::cos(r), -std::sin(r));
    QPolygonF head;
    head << base + along * 8.0 << base + outward * 6.0 << base - outward * 6.0;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

} // namespace

QImage blankCanvas(int width, int height)
{
    return blank(width, height);
}

QImage logoFrame(int frame)
{
    QImage image = blank(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawFolder(p);
    const double turn = 45.0 * frame;
    drawArrow(p, 20.0 + turn, QColor(21, 183, 73));
    drawArrow(p, 200.0 + turn, QColor(0, 0, 160));
    return image;
}

} // namespace makeabout
