#include "buttonpainting.h"

#include "looks.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace tandara {
namespace {

QColor mix(const QColor &a, const QColor &b, qreal share)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * share,
                            a.greenF() + (b.greenF() - a.greenF()) * share,
                            a.blueF() + (b.blueF() - a.blueF()) * share);
}

} // namespace

void paintButtonFace(QPainter &painter, const QRectF &rect, const QColor &color, FaceState state)
{
    const QColor base = state.enabled ? color : mix(color, QColor(226, 228, 234), 0.55);
    const qreal radius = qMin(4.0, rect.height() / 4);
    QLinearGradient shade(rect.topLeft(), rect.bottomLeft());
    if (state.down) {
        shade.setColorAt(0, base.darker(128));
        shade.setColorAt(0.35, base.darker(110));
        shade.setColorAt(1, base.lighter(104));
    } else {
        shade.setColorAt(0, base.lighter(122));
        shade.setColorAt(0.5, base);
        shade.setColorAt(1, base.darker(110));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(base.darker(state.enabled ? 175 : 140), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(rect, radius, radius);
    if (!state.down) {
        painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(rect.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }
    painter.restore();
}

void paintFocusTint(QPainter &painter, const QRect &rect)
{
    QColor tint = kActiveFace;
    tint.setAlpha(150);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tint);
    painter.drawRoundedRect(QRectF(rect), 3, 3);
    painter.restore();
}

QPixmap greyedPicture(const QPixmap &picture)
{
    if (picture.isNull())
        return picture;
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 110 + qGray(line[x]) * 120 / 255;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 3 / 4);
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(picture.devicePixelRatio());
    return result;
}

QColor disabledCaptionColor()
{
    return QColor(128, 132, 146);
}

} // namespace tandara
