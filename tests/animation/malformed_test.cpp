// Damaged clip files: truncated, with impossible headers, or with bytes
// changed at random, must be refused or decoded, never read or written
// out of range. This program is built with the address and undefined
// behaviour sanitizers, so a stray access fails it.

#include "animation/aviclip.h"
#include "animation/clip.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <random>

// Qt keeps a few allocations for the whole run; they are not this test's.
extern "C" const char *__asan_default_options()
{
    return "detect_leaks=0";
}

namespace tandara {
namespace {

QByteArray clip101()
{
    QFile file(QStringLiteral(TANDARA_CLIP_DIR "/101.avi"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put32(QByteArray &data, qsizetype at, uint32_t value)
{
    qToLittleEndian(value, data.data() + at);
}

void put16(QByteArray &data, qsizetype at, uint16_t value)
{
    qToLittleEndian(value, data.data() + at);
}

// Where a chunk's body starts, found by its id.
qsizetype body(const QByteArray &data, const char *id)
{
    return data.indexOf(id) + 8;
}

TEST(MalformedClips, EveryTruncationIsRefusedAlsoWithItsSizeFieldMadeToAgree)
{
    const QByteArray whole = clip101();
    ASSERT_TRUE(loadClip(whole));
    for (qsizetype length = 0; length < whole.size(); ++length)
        ASSERT_FALSE(loadClip(whole.first(length))) << "cut at " << length;

    // With the file's size field made to agree, the cut reaches the inner
    // chunks; only a cut right before the (optional) index leaves a clip.
    const qsizetype index = whole.indexOf("idx1");
    for (qsizetype length = 12; length < whole.size(); ++length) {
        QByteArray cut = whole.first(length);
        put32(cut, 4, uint32_t(length - 8));
        ASSERT_EQ(loadClip(cut).has_value(), length == index) << "cut at " << length;
    }
}

struct Damage {
    const char *name;
    std::function<void(QByteArray &)> apply;
};

TEST(MalformedClips, ImpossibleHeadersAndFramesAreRefused)
{
    const std::vector<Damage> cases = {
        {"not a RIFF file", [](QByteArray &d) { d[0] = 'X'; }},
        {"not an AVI", [](QByteArray &d) { d[8] = 'W'; }},
        {"RIFF size beyond the file", [](QByteArray &d) { put32(d, 4, uint32_t(d.size())); }},
        {"chunk size beyond its list", [](QByteArray &d) { put32(d, body(d, "avih") - 4, 0xFFFFFFF0u); }},
        {"no main header", [](QByteArray &d) { d.replace(d.indexOf("avih"), 4, "junk"); }},
        {"zero width", [](QByteArray &d) { put32(d, body(d, "strf") + 4, 0); }},
        {"top-down rows", [](QByteArray &d) { put32(d, body(d, "strf") + 8, uint32_t(-40)); }},
        {"huge width", [](QByteArray &d) { put32(d, body(d, "strf") + 4, 5000); }},
        {"four bits per pixel", [](QByteArray &d) { put16(d, body(d, "strf") + 14, 4); }},
        {"not run-length encoded", [](QByteArray &d) { put32(d, body(d, "strf") + 16, 0); }},
        {"too many colours", [](QByteArray &d) { put32(d, body(d, "strf") + 32, 300); }},
        {"palette past the format", [](QByteArray &d) { put32(d, body(d, "strf") + 32, 17); }},
        {"frames wider than the header says", [](QByteArray &d) { put32(d, body(d, "strf") + 4, 100); }},
        {"frames taller than the header says", [](QByteArray &d) { put32(d, body(d, "strf") + 8, 2); }},
        {"no frame time", [](QByteArray &d) {
             put32(d, body(d, "avih"), 0);
             put32(d, body(d, "strh") + 24, 0);
         }},
        {"no video stream", [](QByteArray &d) { d.replace(d.indexOf("vids"), 4, "auds"); }},
        {"no frames", [](QByteArray &d) { d.replace("00dc", "99dc"); }},
    };
    for (const Damage &c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray data = clip101();
        c.apply(data);
        EXPECT_FALSE(loadClip(data));
    }
}

TEST(MalformedClips, FrameTimeFallsBackToTheStreamRate)
{
    QByteArray data = clip101();
    put32(data, body(data, "avih"), 0);
    const std::optional<AviStream> stream = readAvi(data);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->microSecPerFrame, 100000u);
}

TEST(MalformedClips, RandomDamageNeverReadsOutOfRange)
{
    const QByteArray whole = clip101();
    std::mt19937 random(20261208);
    std::uniform_int_distribution<qsizetype> position(0, whole.size() - 1);
    int refused = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray data = whole;
        for (int i = 0, n = 1 + round % 4; i < n; ++i)
            data[position(random)] = char(random());
        const std::optional<Clip> clip = loadClip(data);
        if (!clip) {
            ++refused;
            continue;
        }
        for (const QImage &frame : clip->frames)
            ASSERT_EQ(frame.size(), clip->frameSize);
    }
    EXPECT_GT(refused, 0);
}

} // namespace
} // namespace tandara
