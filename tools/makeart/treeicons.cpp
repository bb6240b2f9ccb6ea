// The 16 x 16 pictures of the folder trees: desktop, computer, drive, home,
// folder, file.
#include "art.h"
#include "painting.h"

#include <QPolygonF>

namespace makeart {
namespace {

QImage desktop()
{
    QImage image = canvas(16, 16);
    QPainter painter(&image);
    prepare(painter);
    const QRectF screen(0.5, 1.5, 15, 12);
    painter.setPen(QPen(QColor(20, 40, 110), 1));
    painter.setBrush(vertical(screen, QColor(90, 170, 240), QColor(40, 96, 200)));
    painter.drawRect(screen);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 40, 110));
    painter.drawRect(QRectF(1, 11, 14, 2.5));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(QRectF(2.5, 3.5, 2.5, 2));
    painter.drawRect(QRectF(2.5, 7, 2.5, 2));
    painter.setBrush(QColor(90, 220, 100));
    painter.drawRect(QRectF(1.5, 11.5, 3, 1.5));
    return image;
}

QImage computer()
{
    QImage image = canvas(16, 16);
    QPainter painter(&image);
    prepare(painter);
    const QRectF body(1.5, 1.5, 13, 9.5);
    painter.setPen(QPen(QColor(70, 76, 90), 1));
    painter.setBrush(vertical(body, QColor(236, 238, 244), QColor(170, 176, 190)));
    painter.drawRoundedRect(body, 1.2, 1.2);
    const QRectF screen(3.5, 3.5, 9, 5.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(vertical(screen, QColor(110, 190, 255), QColor(30, 90, 200)));
    painter.drawRect(screen);
    QPolygonF stand;
    stand << QPointF(6.5, 11) << QPointF(9.5, 11) << QPointF(10.5, 13.5) << QPointF(5.5, 13.5);
    painter.setPen(QPen(QColor(70, 76, 90), 1));
    painter.setBrush(QColor(160, 166, 180));
    painter.drawPolygon(stand);
    painter.drawRect(QRectF(3.5, 13.5, 9, 1.5));
    return image;
}

QImage drive()
{
    QImage image = canvas(16, 16);
    QPainter painter(&image);
    prepare(painter);
    const QRectF box(0.5, 4.5, 15, 8);
    painter.setPen(QPen(QColor(60, 64, 76), 1));
    painter.setBrush(vertical(box, QColor(236, 238, 242), QColor(140, 146, 160)));
    painter.drawRoundedRect(box, 1.5, 1.5);
    painter.setPen(QPen(QColor(90, 96, 110), 1));
    painter.drawLine(QPointF(2.5, 9.5), QPointF(9.5, 9.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 220, 80));
    painter.drawEllipse(QPointF(12.5, 9.5), 1.3, 1.3);
    return image;
}

QImage home()
{
    QImage image = canvas(16, 16);
    QPainter painter(&image);
    prepare(painter);
    const QRectF wall(2.5, 7.5, 11, 7.5);
    painter.setPen(QPen(QColor(110, 80, 40), 1));
    painter.setBrush(vertical(wall, QColor(255, 240, 204), QColor(226, 196, 140)));
    painter.drawRect(wall);
    QPolygonF roof;
    roof << QPointF(0.5, 8.5) << QPointF(8, 1) << QPointF(15.5, 8.5);
    painter.setPen(QPen(QColor(120, 20, 10), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(vertical(QRectF(0, 1, 16, 8), QColor(240, 90, 60), QColor(180, 30, 20)));
    painter.drawPolygon(roof);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(130, 76, 30));
    painter.drawRect(QRectF(5, 10, 3, 5));
    painter.setBrush(QColor(80, 150, 240));
    painter.drawRect(QRectF(9.5, 9.5, 2.5, 2.5));
    return image;
}

QImage folder()
{
    QImage image = canvas(16, 16);
    QPainter painter(&image);
    prepare(painter);
    drawFolder(painter, QRectF(0.5, 1.5, 14, 12.5));
    return image;
}

QImage file()
{
    QImage image = canvas(16, 16);
    QPainter painter(&image);
    prepare(painter);
    drawPage(painter, QRectF(2.5, 0.5, 11, 15));
    painter.setPen(QPen(QColor(150, 160, 190), 1));
    for (qreal y = 6.5; y < 14; y += 2)
        painter.drawLine(QPointF(4.5, y), QPointF(11.5, y));
    return image;
}

} // namespace

std::vector<Picture> treeIcons()
{
    return {
        {QStringLiteral("tree/desktop.png"), desktop()},
        {QStringLiteral("tree/computer.png"), computer()},
        {QStringLiteral("tree/drive.png"), drive()},
        {QStringLiteral("tree/home.png"), home()},
        {QStringLiteral("tree/folder.png"), folder()},
        {QStringLiteral("tree/file.png"), file()},
    };
}

} // namespace makeart
