#include "picturebar.h"

#include "windowshape.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace tandara {

PictureBar::PictureBar(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBar::paintPicture(const QPixmap &picture, const QRect &target)
{
    picture_ = picture;
    target_ = target;
    update();
}

void PictureBar::printText(const QString &text)
{
    const QFontMetrics metrics(font());
    printed_.append({printPosition_, text});
    printPosition_.rx() += metrics.horizontalAdvance(text);
    update();
}

QString PictureBar::printedText() const
{
    QString all;
    for (const Printed &p : printed_)
        all += p.text;
    return all;
}

void PictureBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawPixmap(target_, picture_);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    for (const Printed &p : printed_)
        painter.drawText(p.at + QPoint(0, metrics.ascent()), p.text);
}

void PictureBar::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button());
    if (!dragWindow_ || event->button() != Qt::LeftButton)
        return;
    if (!Trascina(dragWindow_, event->button())) {
        draggingByHand_ = true;
        grabOffset_ = event->globalPosition().toPoint() - dragWindow_->frameGeometry().topLeft();
    }
}

void PictureBar::mouseMoveEvent(QMouseEvent *event)
{
    if (draggingByHand_ && dragWindow_)
        dragWindow_->move(event->globalPosition().toPoint() - grabOffset_);
}

void PictureBar::mouseReleaseEvent(QMouseEvent *)
{
    draggingByHand_ = false;
}

} // namespace tandara
