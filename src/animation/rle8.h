#pragma once
// Decoder for 8-bit run-length encoded bitmaps (BI_RLE8), the frames of
// the animation clips.

#include <QByteArrayView>
#include <QImage>

namespace tandara {

// Draws one encoded frame onto canvas (Format_Indexed8). Rows are encoded
// bottom-up; pixels the frame leaves out (skipped by a delta, or after an
// early end of line or end of bitmap) keep the canvas's value, which is
// how a clip's later frames change only part of the previous one.
// False when the data is malformed: cut short inside a code, or drawing
// outside the canvas. The canvas is never written out of range.
bool decodeRle8(QByteArrayView data, QImage &canvas);

} // namespace tandara
