// tandara-makeclips OUTPUT_FOLDER: draws the progress dialog's two clips
// and writes them as OUTPUT_FOLDER/101.avi (copy) and 102.avi (delete).
// Each file is read back with the program's own clip decoder and must
// give exactly the drawn frames.

#include "aviwriter.h"
#include "indexed.h"
#include "palette.h"
#include "rle8encoder.h"
#include "scenes.h"

#include "animation/clip.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <functional>

namespace {

constexpr uint32_t kFrameTime = 100000; // microseconds: 100 ms

bool sameFrames(const tandara::Clip &clip, const std::vector<QImage> &indexed)
{
    if (clip.frames.size() != indexed.size())
        return false;
    for (size_t i = 0; i < indexed.size(); ++i) {
        for (int y = 0; y < indexed[i].height(); ++y) {
            for (int x = 0; x < indexed[i].width(); ++x) {
                if (clip.frames[i].pixelIndex(x, y) != indexed[i].pixelIndex(x, y))
                    return false;
            }
        }
    }
    return true;
}

bool makeClip(const QString &path, const std::vector<QImage> &drawn)
{
    makeclips::AviVideo video;
    video.width = drawn.front().width();
    video.height = drawn.front().height();
    video.microSecPerFrame = kFrameTime;
    video.palette = makeclips::clipPalette();
    std::vector<QImage> indexed;
    for (const QImage &frame : drawn) {
        const std::optional<QImage> pixels = makeclips::toIndexed(frame, video.palette);
        if (!pixels) {
            std::fprintf(stderr, "%s: a frame has colours outside the palette\n", qPrintable(path));
            return false;
        }
        video.frames.push_back(makeclips::encodeRle8(*pixels, indexed.empty() ? nullptr : &indexed.back()));
        indexed.push_back(*pixels);
    }
    const QByteArray avi = makeclips::writeAvi(video);
    const std::optional<tandara::Clip> check = tandara::loadClip(avi);
    if (!check || !sameFrames(*check, indexed)) {
        std::fprintf(stderr, "%s: the file does not decode to the drawn frames\n", qPrintable(path));
        return false;
    }
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(avi) != avi.size()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(out.errorString()));
        return false;
    }
    std::printf("%s: %zu frames, %d bytes\n", qPrintable(path), drawn.size(), int(avi.size()));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QFile::decodeName(argv[1]));
    const bool made = makeClip(folder.filePath(QStringLiteral("101.avi")), makeclips::drawCopyClip())
        && makeClip(folder.filePath(QStringLiteral("102.avi")), makeclips::drawDeleteClip());
    return made ? 0 : 1;
}
