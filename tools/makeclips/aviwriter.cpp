#include "aviwriter.h"

#include <QtEndian>

#include <algorithm>
#include <numeric>

namespace makeclips {

namespace {

constexpr uint32_t AVIF_HASINDEX = 0x10;
constexpr uint32_t AVIIF_KEYFRAME = 0x10;
constexpr uint32_t BI_RLE8 = 1;

class Bytes {
public:
    Bytes &u16(uint16_t value) { return put(qToLittleEndian(value)); }
    Bytes &u32(uint32_t value) { return put(qToLittleEndian(value)); }
    Bytes &fourcc(const char *id) { data.append(id, 4); return *this; }
    Bytes &bytes(const QByteArray &more) { data.append(more); return *this; }
    QByteArray data;

private:
    template <typename T> Bytes &put(T value)
    {
        data.append(reinterpret_cast<const char *>(&value), sizeof value);
        return *this;
    }
};

QByteArray chunk(const char *id, const QByteArray &body)
{
    Bytes out;
    out.fourcc(id).u32(uint32_t(body.size())).bytes(body);
    if (body.size() & 1)
        out.data.append('\0');
    return out.data;
}

QByteArray list(const char *type, const QByteArray &body)
{
    return chunk("LIST", QByteArray(type, 4) + body);
}

uint32_t largestFrame(const AviVideo &video)
{
    qsizetype largest = 0;
    for (const QByteArray &frame : video.frames)
        largest = std::max(largest, frame.size());
    return uint32_t(largest);
}

QByteArray mainHeader(const AviVideo &video)
{
    const uint32_t largest = largestFrame(video);
    Bytes avih;
    avih.u32(video.microSecPerFrame)
        .u32(uint32_t(uint64_t(largest) * 1000000 / video.microSecPerFrame))
        .u32(0).u32(AVIF_HASINDEX).u32(uint32_t(video.frames.size()))
        .u32(0).u32(1).u32(largest).u32(video.width).u32(video.height)
        .u32(0).u32(0).u32(0).u32(0);
    return chunk("avih", avih.data);
}

QByteArray streamHeader(const AviVideo &video)
{
    // Frame rate as rate / scale frames per second, in lowest terms.
    const uint32_t common = std::gcd(video.microSecPerFrame, 1000000u);
    Bytes strh;
    strh.fourcc("vids").fourcc("mrle").u32(0).u16(0).u16(0).u32(0)
        .u32(video.microSecPerFrame / common).u32(1000000u / common)
        .u32(0).u32(uint32_t(video.frames.size())).u32(largestFrame(video))
        .u32(0xFFFFFFFFu).u32(0)
        .u16(0).u16(0).u16(uint16_t(video.width)).u16(uint16_t(video.height));
    return chunk("strh", strh.data);
}

QByteArray streamFormat(const AviVideo &video)
{
    Bytes strf;
    strf.u32(40).u32(video.width).u32(video.height).u16(1).u16(8).u32(BI_RLE8)
        .u32(uint32_t(video.width * video.height)).u32(0).u32(0)
        .u32(uint32_t(video.palette.size())).u32(uint32_t(video.palette.size()));
    for (QRgb colour : video.palette) {
        strf.data.append(char(qBlue(colour)));
        strf.data.append(char(qGreen(colour)));
        strf.data.append(char(qRed(colour)));
        strf.data.append('\0');
    }
    return chunk("strf", strf.data);
}

} // namespace

QByteArray writeAvi(const AviVideo &video)
{
    const QByteArray hdrl = list("hdrl", mainHeader(video)
        + list("strl", streamHeader(video) + streamFormat(video)));
    QByteArray movi;
    Bytes index;
    for (size_t i = 0; i < video.frames.size(); ++i) {
        // Index offsets count from the 'movi' type of the movi list.
        index.fourcc("00dc").u32(i == 0 ? AVIIF_KEYFRAME : 0)
            .u32(uint32_t(4 + movi.size())).u32(uint32_t(video.frames[i].size()));
        movi += chunk("00dc", video.frames[i]);
    }
    const QByteArray body = hdrl + list("movi", movi) + chunk("idx1", index.data);
    return chunk("RIFF", QByteArray("AVI ", 4) + body);
}

} // namespace makeclips
