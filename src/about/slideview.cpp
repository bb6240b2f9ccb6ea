#include "slideview.h"

#include <QPainter>

namespace tandara::about {

SlideView::SlideView(const QColor &background, QWidget *parent) : QWidget(parent)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
}

void SlideView::setPicture(const QImage &picture)
{
    picture_ = QPixmap::fromImage(picture);
    at_ = QPoint(0, height());
}

void SlideView::copyAt(QPoint at)
{
    at_ = at;
    update();
}

void SlideView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(at_, picture_);
}

} // namespace tandara::about
