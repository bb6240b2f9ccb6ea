// The image list of the result lists: a sheet marked with its side's colour
// (origin blue, destination orange) and a badge (green plus for a new file,
// amber clock for a changed one), two arrows and a cancel sign.
#include "art.h"
#include "painting.h"

namespace makeart {
namespace {

const QColor kOriginSide(36, 92, 222);
const QColor kDestinationSide(238, 128, 16);

enum class Badge { New, Changed };

void drawPlus(QPainter &painter, const QPointF &c)
{
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(c.x() - 2.3, c.y()), QPointF(c.x() + 2.3, c.y()));
    painter.drawLine(QPointF(c.x(), c.y() - 2.3), QPointF(c.x(), c.y() + 2.3));
}

void drawClockHands(QPainter &painter, const QPointF &c)
{
    painter.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(c, QPointF(c.x(), c.y() - 2.6));
    painter.drawLine(c, QPointF(c.x() + 2.2, c.y() + 0.6));
}

QImage sheet(const QColor &side, Badge badge)
{
    QImage image = canvas(16, 16);
    QPainter painter(&image);
    prepare(painter);
    drawPage(painter, QRectF(1.5, 0.5, 10, 13), side);
    const QPointF centre(11.5, 11.5);
    drawBadge(painter, centre, 4, badge == Badge::New ? QColor(40, 176, 64) : QColor(236, 164, 0));
    if (badge == Badge::New)
        drawPlus(painter, centre);
    else
        drawClockHands(painter, centre);
    return image;
}

QImage arrow(bool right)
{
    QImage image = canvas(16, 16);
    QPainter painter(&image);
    prepare(painter);
    drawArrow(painter, QRectF(1.5, 2.5, 13, 11), right, QColor(120, 170, 255), QColor(20, 46, 150));
    return image;
}

QImage cancel()
{
    QImage image = canvas(16, 16);
    QPainter painter(&image);
    prepare(painter);
    const QRectF disc(1, 1, 14, 14);
    painter.setPen(QPen(QColor(130, 10, 10), 1));
    painter.setBrush(vertical(disc, QColor(255, 110, 100), QColor(196, 20, 20)));
    painter.drawEllipse(disc);
    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5.2, 5.2), QPointF(10.8, 10.8));
    painter.drawLine(QPointF(10.8, 5.2), QPointF(5.2, 10.8));
    return image;
}

} // namespace

std::vector<Picture> listIcons()
{
    return {
        {QStringLiteral("imlico/NuovoO.png"), sheet(kOriginSide, Badge::New)},
        {QStringLiteral("imlico/AggiornatoO.png"), sheet(kOriginSide, Badge::Changed)},
        {QStringLiteral("imlico/NuovoD.png"), sheet(kDestinationSide, Badge::New)},
        {QStringLiteral("imlico/AggiornatoD.png"), sheet(kDestinationSide, Badge::Changed)},
        {QStringLiteral("imlico/FrecciaDx.png"), arrow(true)},
        {QStringLiteral("imlico/FrecciaSx.png"), arrow(false)},
        {QStringLiteral("imlico/Annulla.png"), cancel()},
    };
}

} // namespace makeart
