#pragma once
// Where a button's picture and caption go inside its face.
//
// picturetab says where the picture sits against the caption:
//   1 right of it, 2 left of it, 3 below it, 4 above it (other values: 2).
// captionalign says how the two are placed in the face:
//   1 together at the leading edge, 2 together at the trailing edge,
//   3 together in the centre,
//   4 picture held at its own edge, caption centred in the space left
//   (other values: 3).

#include <QRect>
#include <QSize>

namespace tandara {

struct ButtonLayout {
    QRect picture; // empty when there is no picture
    QRect caption; // empty when there is no caption
};

// The gap between picture and caption side by side, and the inner margin
// of the face.
inline constexpr int kButtonGap = 4;
inline constexpr int kButtonMargin = 4;

ButtonLayout layoutButton(const QRect &face, const QSize &picture, const QSize &caption,
                          int picturetab, int captionalign);

// The width the caption may take in face without touching its margins:
// beside a picture what the picture and the gap leave, above or below one
// the whole inner width.
int captionRoom(const QRect &face, const QSize &picture, int picturetab);

// The smallest face that holds picture and caption with margins.
QSize buttonContentSize(const QSize &picture, const QSize &caption, int picturetab);

} // namespace tandara
