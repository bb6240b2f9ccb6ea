#include "buttonlayout.h"

#include <algorithm>

namespace tandara {
namespace {

enum class Side { Right = 1, Left = 2, Below = 3, Above = 4 };
enum class Align { Leading = 1, Trailing = 2, Centre = 3, PictureAtEdge = 4 };

Side sideOf(int picturetab)
{
    return picturetab >= 1 && picturetab <= 4 ? Side(picturetab) : Side::Left;
}

Align alignOf(int captionalign)
{
    return captionalign >= 1 && captionalign <= 4 ? Align(captionalign) : Align::Centre;
}

bool isRow(Side side) { return side == Side::Left || side == Side::Right; }

// Picture and caption stand further apart side by side than stacked, where
// the face is low.
int gapBetween(Side side, const QSize &picture, const QSize &caption)
{
    if (picture.isEmpty() || caption.isEmpty())
        return 0;
    return isRow(side) ? kButtonGap : 1;
}

// The place of a block of the given length along one axis of [start, start + span).
int place(Align align, int start, int span, int length)
{
    switch (align) {
    case Align::Leading:
        return start;
    case Align::Trailing:
        return start + span - length;
    default:
        return start + (span - length) / 2;
    }
}

// One axis of the layout: main = the axis along which picture and caption
// follow each other. Returns the starts of picture and caption.
std::pair<int, int> mainAxis(Side side, Align align, int start, int span, int pic, int cap, int gap)
{
    const bool pictureFirst = side == Side::Left || side == Side::Above;
    if (align == Align::PictureAtEdge && pic > 0) {
        const int picStart = pictureFirst ? start : start + span - pic;
        const int restStart = pictureFirst ? start + pic + gap : start;
        const int rest = span - pic - gap;
        return {picStart, restStart + (rest - cap) / 2};
    }
    const int blockStart = place(align, start, span, pic + gap + cap);
    return pictureFirst ? std::pair{blockStart, blockStart + pic + gap}
                        : std::pair{blockStart + cap + gap, blockStart};
}

} // namespace

ButtonLayout layoutButton(const QRect &face, const QSize &picture, const QSize &caption,
                          int picturetab, int captionalign)
{
    if (caption.isEmpty()) { // a picture alone sits in the middle of the face
        if (picture.isEmpty())
            return {};
        const QPoint corner(face.left() + (face.width() - picture.width()) / 2,
                            face.top() + (face.height() - picture.height()) / 2);
        return {QRect(corner, picture), {}};
    }
    const Side side = sideOf(picturetab);
    const Align align = alignOf(captionalign);
    const QRect inner = face.adjusted(kButtonMargin, 0, -kButtonMargin, 0);
    const int gap = gapBetween(side, picture, caption);
    ButtonLayout layout;
    if (isRow(side)) {
        const auto [px, cx] = mainAxis(side, align, inner.left(), inner.width(), picture.width(), caption.width(), gap);
        const int midY = face.top() + face.height() / 2;
        layout.picture = QRect(QPoint(px, midY - picture.height() / 2), picture);
        layout.caption = QRect(QPoint(cx, midY - caption.height() / 2), caption);
    } else {
        const auto [py, cy] = mainAxis(side, align == Align::PictureAtEdge ? align : Align::Centre,
                                       face.top() + 1, face.height() - 2, picture.height(), caption.height(), gap);
        const Align across = align == Align::PictureAtEdge ? Align::Centre : align;
        layout.picture = QRect(QPoint(place(across, inner.left(), inner.width(), picture.width()), py), picture);
        layout.caption = QRect(QPoint(place(across, inner.left(), inner.width(), caption.width()), cy), caption);
    }
    if (picture.isEmpty())
        layout.picture = QRect();
    if (caption.isEmpty())
        layout.caption = QRect();
    return layout;
}

int captionRoom(const QRect &face, const QSize &picture, int picturetab)
{
    const int inner = face.width() - 2 * kButtonMargin;
    if (!isRow(sideOf(picturetab)) || picture.isEmpty())
        return inner;
    return inner - picture.width() - kButtonGap;
}

QSize buttonContentSize(const QSize &picture, const QSize &caption, int picturetab)
{
    const Side side = sideOf(picturetab);
    const int gap = gapBetween(side, picture, caption);
    if (isRow(side))
        return {picture.width() + gap + caption.width() + 2 * kButtonMargin,
                std::max(picture.height(), caption.height()) + 2 * kButtonMargin};
    return {std::max(picture.width(), caption.width()) + 2 * kButtonMargin,
            picture.height() + gap + caption.height() + 2 * kButtonMargin};
}

} // namespace tandara
