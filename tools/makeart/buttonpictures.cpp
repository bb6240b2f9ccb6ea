// The three title-bar buttons (glassy squares with white signs) and the
// pictures of the scan, author and exit buttons.
#include "art.h"
#include "painting.h"

#include <QPolygonF>

namespace makeart {
namespace {

// A glassy rounded square as the face of a title-bar button.
void drawGlassFace(QPainter &painter, const QColor &top, const QColor &bottom)
{
    const QRectF face(0.5, 0.5, 20, 19);
    painter.setPen(QPen(QColor(24, 16, 80), 1));
    painter.setBrush(vertical(face, top, bottom));
    painter.drawRoundedRect(face, 3.5, 3.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 64));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 18, 8.5), 2.5, 2.5);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 18, 17), 2.5, 2.5);
}

enum class TitleSign { Minimise, Maximise, Close };

QImage titleButton(TitleSign sign)
{
    QImage image = canvas(21, 20);
    QPainter painter(&image);
    prepare(painter);
    if (sign == TitleSign::Close)
        drawGlassFace(painter, QColor(250, 130, 110), QColor(178, 28, 18));
    else
        drawGlassFace(painter, QColor(150, 140, 246), QColor(56, 44, 168));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::SquareCap));
    if (sign == TitleSign::Minimise) {
        painter.drawLine(QPointF(6.5, 13.5), QPointF(14.5, 13.5));
    } else if (sign == TitleSign::Maximise) {
        painter.setPen(QPen(Qt::white, 1.4));
        painter.drawRect(QRectF(5.5, 5.5, 10, 9));
        painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(5.5, 6.3), QPointF(15.5, 6.3));
    } else {
        painter.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(6.5, 6), QPointF(14.5, 14));
        painter.drawLine(QPointF(14.5, 6), QPointF(6.5, 14));
    }
    return image;
}

QImage scanPicture()
{
    QImage image = canvas(24, 24);
    QPainter painter(&image);
    prepare(painter);
    drawFolder(painter, QRectF(0.5, 2.5, 17, 14));
    painter.setPen(QPen(QColor(40, 30, 20), 3.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(17.8, 17.8), QPointF(22, 22));
    const QRectF lens(8.5, 8.5, 11, 11);
    painter.setPen(QPen(QColor(70, 76, 96), 2));
    QRadialGradient glass(lens.center() - QPointF(1.5, 1.5), 6);
    glass.setColorAt(0, QColor(255, 255, 255, 230));
    glass.setColorAt(1, QColor(150, 200, 255, 170));
    painter.setBrush(glass);
    painter.drawEllipse(lens);
    return image;
}

QImage authorPicture()
{
    QImage image = canvas(24, 24);
    QPainter painter(&image);
    prepare(painter);
    const QRectF disc(1, 1, 22, 22);
    painter.setPen(QPen(QColor(16, 46, 140), 1));
    painter.setBrush(vertical(disc, QColor(110, 170, 255), QColor(22, 76, 196)));
    painter.drawEllipse(disc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(12, 6.8), 1.9, 1.9);
    painter.drawRoundedRect(QRectF(10.3, 10, 3.4, 9), 1.2, 1.2);
    return image;
}

QImage exitPicture()
{
    QImage image = canvas(24, 24);
    QPainter painter(&image);
    prepare(painter);
    const QRectF frame(2.5, 1.5, 12, 21);
    painter.setPen(QPen(QColor(70, 44, 20), 1));
    painter.setBrush(vertical(frame, QColor(40, 36, 60), QColor(10, 8, 20)));
    painter.drawRect(frame);
    QPolygonF door;
    door << QPointF(2.5, 1.5) << QPointF(9.5, 4) << QPointF(9.5, 21) << QPointF(2.5, 22.5);
    painter.setBrush(vertical(frame, QColor(200, 130, 60), QColor(130, 70, 24)));
    painter.drawPolygon(door);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 220, 100));
    painter.drawEllipse(QPointF(8, 12.5), 0.9, 0.9);
    drawArrow(painter, QRectF(11.5, 7.5, 12, 10), true, QColor(120, 230, 120), QColor(10, 110, 30));
    return image;
}

} // namespace

std::vector<Picture> buttonPictures()
{
    return {
        {QStringLiteral("titlebar/minimizza.png"), titleButton(TitleSign::Minimise)},
        {QStringLiteral("titlebar/massimizza.png"), titleButton(TitleSign::Maximise)},
        {QStringLiteral("titlebar/chiudi.png"), titleButton(TitleSign::Close)},
        {QStringLiteral("buttons/scansione.png"), scanPicture()},
        {QStringLiteral("buttons/autore.png"), authorPicture()},
        {QStringLiteral("buttons/esci.png"), exitPicture()},
    };
}

} // namespace makeart
