#pragma once
// Reads the video stream of an AVI (RIFF) file: frame size, frame time,
// palette and the compressed frames, ready for decoding. Only 8-bit
// run-length encoded video (BI_RLE8) is accepted, the kind animation
// windows play. Every length and offset is checked against the data, so a
// truncated or damaged file is refused, never read beyond its end.

#include <QByteArray>
#include <QList>
#include <QRgb>

#include <cstdint>
#include <optional>
#include <vector>

namespace tandara {

struct AviStream {
    int width = 0;
    int height = 0;              // rows are stored bottom-up
    uint32_t microSecPerFrame = 0;
    QList<QRgb> palette;         // 1 to 256 opaque colours
    std::vector<QByteArray> frames; // one compressed frame each, in order
};

// Largest frame side accepted.
inline constexpr int kMaxAviSide = 4096;

std::optional<AviStream> readAvi(const QByteArray &file);

} // namespace tandara
