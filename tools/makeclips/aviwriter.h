#pragma once
// Writes a silent AVI file with one 8-bit run-length encoded video stream:
// RIFF 'AVI ' with hdrl (avih, strl with strh and strf), movi (one '00dc'
// chunk per frame) and an idx1 index.

#include <QByteArray>
#include <QList>
#include <QRgb>

#include <cstdint>
#include <vector>

namespace makeclips {

struct AviVideo {
    int width = 0;
    int height = 0;
    uint32_t microSecPerFrame = 0;
    QList<QRgb> palette;
    std::vector<QByteArray> frames; // BI_RLE8 data; the first is the key frame
};

QByteArray writeAvi(const AviVideo &video);

} // namespace makeclips
