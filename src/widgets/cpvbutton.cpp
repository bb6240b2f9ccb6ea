#include "cpvbutton.h"

#include "buttonlayout.h"
#include "buttonpainting.h"
#include "looks.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
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
    setFocusPolicy(Qt::TabFocus);
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
    f.setBold(fontBold_ || showsFocus());
    f.setUnderline(showsFocus());
    if (!f.bold() || caption_.isEmpty())
        return f;
    const int room = captionRoom(rect(), picture_.deviceIndependentSize().toSize(), picturetab_);
    for (const int stretch : {QFont::SemiCondensed, QFont::Condensed}) {
        if (QFontMetrics(f).horizontalAdvance(caption_) <= room)
            break;
        f.setStretch(stretch);
    }
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
    // A flat button's picture fills it: the focus tints it green.
    if (flat_ && showsFocus())
        paintFocusTint(painter, rect());
}

void cpvButton::paintFace(QPainter &painter) const
{
    paintButtonFace(painter, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5),
                    showsFocus() ? kActiveFace : buttoncolor_, {isDown(), isEnabled()});
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
        painter.setPen(!isEnabled() ? disabledCaptionColor() : showsFocus() ? QColor(Qt::white) : fontcolor_);
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
    endVisit();
}

void cpvButton::endVisit()
{
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

void cpvButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat()) {
            keyDown_ = true;
            update();
        }
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void cpvButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    const bool wasDown = keyDown_;
    keyDown_ = false;
    update();
    if (wasDown && isEnabled())
        emit clicked();
}

void cpvButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    updateGeometry();
    update();
}

void cpvButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    keyDown_ = false;
    updateGeometry();
    update();
}

void cpvButton::releaseAll()
{
    pressed_ = false;
    pressInside_ = false;
    keyDown_ = false;
}

// A disabled button drops the look its entry set; enabled again under the
// pointer, it reports the entry again.
void cpvButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            releaseAll();
            endVisit();
        } else if (underMouse() && isVisible() && !entryReported_) {
            entryReported_ = true;
            emit mouseEntered();
        }
    }
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
}

// A hidden button is no longer under the pointer: a pending entry is
// closed so that whoever changed the look on entering can undo it.
void cpvButton::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    releaseAll();
    endVisit();
}

} // namespace tandara
