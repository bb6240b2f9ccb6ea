#include "aviclip.h"

#include <QByteArrayView>
#include <QtEndian>

namespace tandara {

namespace {

constexpr uint32_t kBiRle8 = 1;
constexpr qsizetype kChunkHeader = 8;
constexpr qsizetype kMainHeaderSize = 56;  // avih
constexpr qsizetype kStreamHeaderMin = 32; // strh up to dwLength
constexpr qsizetype kBitmapHeaderSize = 40; // strf's BITMAPINFOHEADER

uint16_t u16(QByteArrayView data, qsizetype at)
{
    return qFromLittleEndian<uint16_t>(data.data() + at);
}

uint32_t u32(QByteArrayView data, qsizetype at)
{
    return qFromLittleEndian<uint32_t>(data.data() + at);
}

int32_t i32(QByteArrayView data, qsizetype at)
{
    return qFromLittleEndian<int32_t>(data.data() + at);
}

struct Chunk {
    QByteArrayView id;
    QByteArrayView body;
};

// The chunks that fill data, in order; nothing when one runs past the end.
// The pad byte after an odd-sized chunk may be missing at the very end.
std::optional<std::vector<Chunk>> splitChunks(QByteArrayView data)
{
    std::vector<Chunk> chunks;
    qsizetype at = 0;
    while (at < data.size()) {
        if (data.size() - at < kChunkHeader)
            return std::nullopt;
        const uint32_t size = u32(data, at + 4);
        if (size > uint64_t(data.size() - at - kChunkHeader))
            return std::nullopt;
        chunks.push_back({data.sliced(at, 4), data.sliced(at + kChunkHeader, size)});
        at += kChunkHeader + qsizetype(size) + (size & 1);
    }
    return chunks;
}

// The body of the list with the given type ("hdrl", "movi", ...) among
// chunks, after its four-byte type.
std::optional<QByteArrayView> findList(const std::vector<Chunk> &chunks, QByteArrayView type)
{
    for (const Chunk &chunk : chunks) {
        if (chunk.id == "LIST" && chunk.body.size() >= 4 && chunk.body.first(4) == type)
            return chunk.body.sliced(4);
    }
    return std::nullopt;
}

std::optional<QByteArrayView> findChunk(const std::vector<Chunk> &chunks, QByteArrayView id)
{
    for (const Chunk &chunk : chunks) {
        if (chunk.id == id)
            return chunk.body;
    }
    return std::nullopt;
}

// Size and palette from the stream format (a BITMAPINFOHEADER and its
// colour table); only bottom-up 8-bit run-length frames pass.
bool readFormat(QByteArrayView strf, AviStream &stream)
{
    if (strf.size() < kBitmapHeaderSize)
        return false;
    const uint32_t headerSize = u32(strf, 0);
    stream.width = i32(strf, 4);
    stream.height = i32(strf, 8);
    if (headerSize < kBitmapHeaderSize || headerSize > uint32_t(strf.size())
        || u16(strf, 14) != 8 || u32(strf, 16) != kBiRle8
        || stream.width < 1 || stream.width > kMaxAviSide
        || stream.height < 1 || stream.height > kMaxAviSide)
        return false;
    const uint32_t used = u32(strf, 32);
    const uint32_t colours = used == 0 ? 256 : used;
    if (colours > 256 || colours * 4 > uint32_t(strf.size()) - headerSize)
        return false;
    for (uint32_t i = 0; i < colours; ++i) {
        const qsizetype at = headerSize + 4 * i;
        stream.palette.append(qRgb(uchar(strf[at + 2]), uchar(strf[at + 1]), uchar(strf[at])));
    }
    return true;
}

// The first video stream's format and number ("00", "01", ...), and its
// frame time from the stream header for files whose main header has none.
bool readStreamList(const std::vector<Chunk> &hdrl, AviStream &stream, QByteArray &number,
                    uint32_t &streamFrameTime)
{
    int index = 0;
    for (const Chunk &chunk : hdrl) {
        if (chunk.id != "LIST" || chunk.body.size() < 4 || chunk.body.first(4) != "strl")
            continue;
        const auto parts = splitChunks(chunk.body.sliced(4));
        if (!parts)
            return false;
        const auto strh = findChunk(*parts, "strh");
        const auto strf = findChunk(*parts, "strf");
        if (strh && strh->size() >= kStreamHeaderMin && strh->first(4) == "vids") {
            const uint32_t scale = u32(*strh, 20);
            const uint32_t rate = u32(*strh, 24);
            streamFrameTime = rate ? uint32_t(uint64_t(scale) * 1000000 / rate) : 0;
            number = QByteArray::number(index).rightJustified(2, '0');
            return strf && readFormat(*strf, stream);
        }
        ++index;
    }
    return false;
}

bool readHeaders(QByteArrayView hdrlBody, AviStream &stream, QByteArray &number)
{
    const auto hdrl = splitChunks(hdrlBody);
    if (!hdrl)
        return false;
    const auto avih = findChunk(*hdrl, "avih");
    uint32_t streamFrameTime = 0;
    if (!avih || avih->size() < kMainHeaderSize
        || !readStreamList(*hdrl, stream, number, streamFrameTime))
        return false;
    stream.microSecPerFrame = u32(*avih, 0) ? u32(*avih, 0) : streamFrameTime;
    return stream.microSecPerFrame != 0;
}

} // namespace

std::optional<AviStream> readAvi(const QByteArray &file)
{
    const QByteArrayView data(file);
    if (data.size() < 12 || data.first(4) != "RIFF" || data.sliced(8, 4) != "AVI ")
        return std::nullopt;
    const uint32_t riffSize = u32(data, 4);
    if (riffSize < 4 || riffSize > uint64_t(data.size() - 8))
        return std::nullopt;
    const auto top = splitChunks(data.sliced(12, riffSize - 4));
    if (!top)
        return std::nullopt;
    const auto hdrl = findList(*top, "hdrl");
    const auto movi = findList(*top, "movi");
    AviStream stream;
    QByteArray number;
    if (!hdrl || !movi || !readHeaders(*hdrl, stream, number))
        return std::nullopt;
    const auto chunks = splitChunks(*movi);
    if (!chunks)
        return std::nullopt;
    for (const Chunk &chunk : *chunks) {
        if (chunk.id == number + "dc" || chunk.id == number + "db")
            stream.frames.push_back(chunk.body.toByteArray());
    }
    if (stream.frames.empty())
        return std::nullopt;
    return stream;
}

} // namespace tandara
