#include "clip.h"

#include "aviclip.h"
#include "rle8.h"

namespace tandara {

std::optional<Clip> loadClip(const QByteArray &file)
{
    const std::optional<AviStream> stream = readAvi(file);
    if (!stream)
        return std::nullopt;
    const QSize size(stream->width, stream->height);
    if (qint64(stream->frames.size()) * size.width() * size.height() > kMaxClipPixels)
        return std::nullopt;
    // Indices the palette does not cover show as black.
    QList<QRgb> palette = stream->palette;
    palette.resize(256, qRgb(0, 0, 0));

    Clip clip{size, stream->microSecPerFrame, {}};
    QImage canvas(size, QImage::Format_Indexed8);
    if (canvas.isNull())
        return std::nullopt;
    canvas.setColorTable(palette);
    canvas.fill(0);
    for (const QByteArray &frame : stream->frames) {
        if (!decodeRle8(frame, canvas))
            return std::nullopt;
        clip.frames.push_back(canvas.copy());
    }
    return clip;
}

} // namespace tandara
