// The program's two clips, read by our decoder and cross-checked with
// FFmpeg's tools where they are installed.

#include "animation/clip.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <set>

namespace tandara {
namespace {

struct ClipFacts {
    int number;
    int width;
    int height;
    size_t frames;
};

const std::vector<ClipFacts> kClips = {{101, 260, 40, 17}, {102, 304, 60, 24}};

QString clipPath(int number)
{
    return QStringLiteral(TANDARA_CLIP_DIR "/%1.avi").arg(number);
}

QByteArray clipBytes(int number)
{
    QFile file(clipPath(number));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ClipFiles, DecodeFrameByFrame)
{
    for (const ClipFacts &facts : kClips) {
        SCOPED_TRACE(facts.number);
        const std::optional<Clip> clip = loadClip(clipBytes(facts.number));
        ASSERT_TRUE(clip);
        EXPECT_EQ(clip->frameSize, QSize(facts.width, facts.height));
        EXPECT_EQ(clip->microSecPerFrame, 100000u);
        ASSERT_EQ(clip->frames.size(), facts.frames);
        std::set<QByteArray> distinct;
        for (const QImage &frame : clip->frames) {
            EXPECT_EQ(frame.size(), clip->frameSize);
            distinct.insert(QByteArray(reinterpret_cast<const char *>(frame.constBits()),
                                       frame.sizeInBytes()));
            for (int y = 0; y < frame.height(); ++y) { // sixteen colours only
                const uchar *row = frame.constScanLine(y);
                ASSERT_LT(*std::max_element(row, row + frame.width()), 16);
            }
        }
        EXPECT_EQ(distinct.size(), facts.frames) << "every frame is a new picture";
        EXPECT_EQ(clip->backgroundIndex(), 0);
    }
}

// Runs an FFmpeg tool; an empty result when it is missing or fails.
QByteArray runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

TEST(ClipFiles, FfprobeSeesEightBitRunLengthVideo)
{
    if (QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty())
        GTEST_SKIP() << "ffprobe is not installed";
    for (const ClipFacts &facts : kClips) {
        SCOPED_TRACE(facts.number);
        const QByteArray report = runTool(QStringLiteral("ffprobe"),
            {"-v", "error", "-select_streams", "v:0", "-count_frames", "-show_entries",
             "stream=codec_name,pix_fmt,width,height,nb_read_frames,r_frame_rate:format=nb_streams",
             "-of", "default=nw=1", clipPath(facts.number)});
        const QByteArray expected = QStringLiteral(
            "codec_name=msrle\nwidth=%1\nheight=%2\npix_fmt=pal8\nr_frame_rate=10/1\n"
            "nb_read_frames=%3\nnb_streams=1\n")
            .arg(facts.width).arg(facts.height).arg(facts.frames).toUtf8();
        EXPECT_EQ(report, expected);
    }
}

TEST(ClipFiles, FfmpegDecodesTheSamePictures)
{
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
        GTEST_SKIP() << "ffmpeg is not installed";
    for (const ClipFacts &facts : kClips) {
        SCOPED_TRACE(facts.number);
        const QByteArray theirs = runTool(QStringLiteral("ffmpeg"),
            {"-v", "error", "-i", clipPath(facts.number), "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
        const std::optional<Clip> clip = loadClip(clipBytes(facts.number));
        ASSERT_TRUE(clip);
        QByteArray ours;
        for (const QImage &frame : clip->frames) {
            const QImage rgb = frame.convertToFormat(QImage::Format_RGB888);
            for (int y = 0; y < rgb.height(); ++y)
                ours.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3);
        }
        ASSERT_EQ(theirs.size(), ours.size());
        EXPECT_TRUE(theirs == ours);
    }
}

} // namespace
} // namespace tandara
