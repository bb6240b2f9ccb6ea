#pragma once
// A whole animation clip, decoded: every frame as an indexed picture.

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <cstdint>
#include <optional>
#include <vector>

namespace tandara {

struct Clip {
    QSize frameSize;
    uint32_t microSecPerFrame = 0;
    // Format_Indexed8 pictures sharing the clip's palette (256 entries).
    std::vector<QImage> frames;

    // The colour index of the first frame's top-left pixel: the clip's
    // background, the colour a transparent animation leaves out.
    int backgroundIndex() const { return frames.front().pixelIndex(0, 0); }
};

// Most decoded pixels, all frames together, that a clip may hold.
inline constexpr qint64 kMaxClipPixels = 64 * 1024 * 1024;

// Reads and decodes an AVI clip; nothing when the file is not a clip this
// program plays or any frame is damaged.
std::optional<Clip> loadClip(const QByteArray &file);

} // namespace tandara
