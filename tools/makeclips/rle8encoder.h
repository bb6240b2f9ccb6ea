#pragma once
// Encoder for 8-bit run-length encoded bitmaps (BI_RLE8).

#include <QByteArray>
#include <QImage>

namespace makeclips {

// Encodes frame (Format_Indexed8), rows bottom-up. With a previous frame
// only the pixels that changed are encoded: unchanged stretches are
// skipped with delta codes and unchanged rows with end-of-line codes, and
// the encoding ends after the last changed row.
QByteArray encodeRle8(const QImage &frame, const QImage *previous = nullptr);

} // namespace makeclips
