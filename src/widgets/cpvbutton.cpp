#include "cpvbutton.h"

#include "buttonlayout.h"
#include "buttonpainting.h"
#include "widgets/looks.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace tandara {

cpvButton::cpvButton(QWidget *parent)
    : QWidget(parent), buttoncolor_(kIdleFace), fontcolor_(Qt::black)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    setFont(font);
    setFocusPolicy(Qt::NoFocus);
}

void cpvButton::setCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    updateGeometry();
    update();
}

void cpvButton::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    greyPicture_ = greyedPicture(picture);
    updateGeometry();
    update();
}

void cpvButton::setButtoncolor(const QColor &color)
{
    if (color == buttoncolor_)
        return;
    buttoncolor_ = color;
    update();
}

void cpvButton::setFontcolor(const QColor &color)
{
    if (color == fontcolor_)
        return;
    fontcolor_ = color;
    update();
}

void cpvButton::setFontBold(bool bold)
{
    if (bold == fontBold_)
        return;
    fontBold_ = bold;
    updateGeometry();
    update();
}

void cpvButton::setCaptionalign(int align)
{
    captionalign_ = align;
    update();
}

void cpvButton::setPicturetab(int tab)
{
    picturetab_ = tab;
    updateGeometry();
    update();
}

void cpvButton::setFlat(bool flat)
{
    flat_ = flat;
    update();
}

QFont cpvButton::captionFont() const
{
    QFont f = font();
    f.setBold(fontBold_);
    return f;
}

QSize cpvButton::captionSize() const
{
    if (caption_.isEmpty())
        return {};
    const QFontMetrics metrics(captionFont());
    return {metrics.horizontalAdvance(caption_), metrics.height()};
}

QSize cpvButton::sizeHint() const
{
    const QSize content = buttonContentSize(picture_.deviceIndependentSize().toSize(), captionSize(), picturetab_);
    return content.expandedTo(QSize(24, 20)) + QSize(8, 4);
}

QSize cpvButton::minimumSizeHint() const
{
    return buttonContentSize(picture_.deviceIndependentSize().toSize(), captionSize(), picturetab_);
}

void cpvButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!flat_)
        paintFace(painter);
    paintContent(painter);
}

void cpvButton::paintFace(QPainter &painter) const
{
    paintButtonFace(painter, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), buttoncolor_,
                    {isDown(), isEnabled()});
}

void cpvButton::paintContent(QPainter &painter) const
{
    const ButtonLayout layout = layoutButton(rect(), picture_.deviceIndependentSize().toSize(),
                                             captionSize(), picturetab_, captionalign_);
    if (isDown())
        painter.translate(1, 1);
    if (!layout.picture.isNull())
        painter.drawPixmap(layout.picture, isEnabled() ? picture_ : greyPicture_);
    if (!layout.caption.isNull()) {
        painter.setFont(captionFont());
        painter.setPen(isEnabled() ? fontcolor_ : disabledCaptionColor());
        painter.drawText(layout.caption, Qt::AlignCenter | Qt::TextSingleLine, caption_);
    }
}

void cpvButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (!isEnabled() || entryReported_)
        return;
    entryReported_ = true;
    emit mouseEntered();
}

void cpvButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (!entryReported_)
        return;
    entryReported_ = false;
    emit mouseLeft();
}

void cpvButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed_ = true;
    setPressInside(true);
}

void cpvButton::mouseMoveEvent(QMouseEvent *event)
{
    if (pressed_)
        setPressInside(rect().contains(event->position().toPoint()));
}

void cpvButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !pressed_) {
        event->ignore();
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    pressed_ = false;
    setPressInside(false);
    if (inside && isEnabled())
        emit clicked();
}

void cpvButton::setPressInside(bool inside)
{
    if (inside == pressInside_)
        return;
    pressInside_ = inside;
    update();
}

void cpvButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        pressed_ = false;
        pressInside_ = false;
    }
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
}

// A hidden button is no longer under the pointer: a pending entry is
// closed so that whoever changed the look on entering can undo it.
void cpvButton::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    pressed_ = false;
    pressInside_ = false;
    if (!entryReported_)
        return;
    entryReported_ = false;
    emit mouseLeft();
}

} // namespace tandara
