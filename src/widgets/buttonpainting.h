#pragma once
// Drawing pieces of the button: the raised face and the greyed picture.

#include <QColor>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace tandara {

struct FaceState {
    bool down = false;
    bool enabled = true;
};

// A rounded face shaded from color: lit from above when raised, shaded
// from above when down, washed out towards grey when disabled.
void paintButtonFace(QPainter &painter, const QRectF &rect, const QColor &color, FaceState state);

// The active face colour laid over rect, half see-through: the focus of a
// button that draws only its picture.
void paintFocusTint(QPainter &painter, const QRect &rect);

// The picture without colour and lightened, with its transparency kept.
QPixmap greyedPicture(const QPixmap &picture);

// The caption colour of a disabled button.
QColor disabledCaptionColor();

} // namespace tandara
