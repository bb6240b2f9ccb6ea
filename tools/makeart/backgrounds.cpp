// The main window's background (a calm blue-lilac texture around
// RGB(192, 192, 255)) and the title-bar strip (a glossy blue-violet bar
// dark enough for a white caption).
#include "art.h"
#include "painting.h"

#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>

namespace makeart {
namespace {

// Soft diagonal bands of light across the background.
void drawWaves(QPainter &painter, int width)
{
    painter.setBrush(Qt::NoBrush);
    for (int band = 0; band < 7; ++band) {
        QPainterPath wave;
        const qreal base = -120 + band * 120.0;
        wave.moveTo(-20, base);
        for (int x = -20; x <= width + 20; x += 8) {
            const qreal y = base + x * 0.55 + 22 * std::sin((x + band * 70) / 95.0);
            wave.lineTo(x, y);
        }
        const int alpha = band % 2 ? 14 : 22;
        painter.setPen(QPen(QColor(255, 255, 255, alpha), 34 + 6 * (band % 3), Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(wave);
    }
}

// A faint grain so that the surface reads as paper rather than plastic.
void addGrain(QImage &image)
{
    QRandomGenerator random(1966);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = int(random.bounded(5)) - 2;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + d, 255), qBound(0, qGreen(p) + d, 255),
                           qBound(0, qBlue(p) + d / 2, 255));
        }
    }
}

QImage background()
{
    const int width = 672, height = 542;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    prepare(painter);
    QLinearGradient base(0, 0, width, height);
    base.setColorAt(0, QColor(206, 204, 255));
    base.setColorAt(0.55, QColor(192, 192, 255));
    base.setColorAt(1, QColor(178, 180, 246));
    painter.fillRect(image.rect(), base);
    drawWaves(painter, width);
    painter.end();
    addGrain(image);
    return image;
}

QImage titleBar()
{
    const int width = 592, height = 25;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    prepare(painter);
    QLinearGradient body(0, 0, 0, height);
    body.setColorAt(0, QColor(128, 116, 228));
    body.setColorAt(0.48, QColor(92, 80, 206));
    body.setColorAt(0.52, QColor(68, 56, 182));
    body.setColorAt(1, QColor(46, 36, 142));
    painter.fillRect(image.rect(), body);
    QLinearGradient sheen(0, 0, width, 0);
    sheen.setColorAt(0, QColor(255, 255, 255, 40));
    sheen.setColorAt(0.35, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(255, 255, 255, 18));
    painter.fillRect(QRect(0, 0, width, height / 2), sheen);
    painter.setPen(QColor(176, 168, 255));
    painter.drawLine(0, 0, width, 0);
    painter.setPen(QColor(30, 22, 96));
    painter.drawLine(0, height - 1, width, height - 1);
    return image;
}

} // namespace

std::vector<Picture> backgrounds()
{
    return {{QStringLiteral("sfondo.jpg"), background()}, {QStringLiteral("barra.jpg"), titleBar()}};
}

} // namespace makeart
