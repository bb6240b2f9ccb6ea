#pragma once
// The About window's pictures, each drawn from scratch with QPainter.

#include <QImage>

namespace makeabout {

// Logo frame 0..3 (48 x 48): a folder with two arrows chasing each other
// round it; each frame turns the arrows a further 45 degrees, so the
// sequence 0, 1, 2, 3, 0 reads as an endless turn.
QImage logoFrame(int frame);

// Link icons (32 x 32): a globe for the web address, an envelope for the
// e-mail address.
QImage webIcon();
QImage mailIcon();

// Mouse pointer (32 x 32): a white hand with the index finger raised, its
// tip at (12, 1).
QImage handPointer();

// A transparent ARGB canvas of the given size.
QImage blankCanvas(int width, int height);

} // namespace makeabout
