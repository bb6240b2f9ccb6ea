#include "rle8encoder.h"

#include <algorithm>

namespace makeclips {

namespace {

constexpr int kMaxCount = 255;
constexpr int kMinSkip = 4;  // shorter unchanged stretches are re-encoded
constexpr int kMinRun = 3;   // shorter runs of one colour join a literal

void code(QByteArray &out, int first, int second)
{
    out.append(char(first));
    out.append(char(second));
}

class RowEncoder {
public:
    RowEncoder(QByteArray &out, const uchar *row, const uchar *previous, int width)
        : out_(out), row_(row), previous_(previous), width_(width)
    {
    }

    void encode()
    {
        int x = 0;
        while (x < width_) {
            const int skip = unchangedFrom(x);
            if (x + skip == width_)
                return; // the rest of the row stays as it was
            if (skip >= kMinSkip) {
                delta(skip);
                x += skip;
            } else if (runFrom(x) >= 2) {
                const int run = runFrom(x);
                code(out_, run, row_[x]);
                x += run;
            } else {
                x = literal(x);
            }
        }
    }

private:
    int unchangedFrom(int x) const
    {
        int n = 0;
        while (previous_ && x + n < width_ && row_[x + n] == previous_[x + n])
            ++n;
        return n;
    }

    int runFrom(int x) const
    {
        int n = 1;
        while (x + n < width_ && n < kMaxCount && row_[x + n] == row_[x])
            ++n;
        return n;
    }

    void delta(int skip)
    {
        for (; skip > 0; skip -= std::min(skip, kMaxCount)) {
            code(out_, 0, 2);
            code(out_, std::min(skip, kMaxCount), 0);
        }
    }

    // Pixels from x up to where a run or a long unchanged stretch starts;
    // returns where it stopped.
    int literal(int x)
    {
        int end = x + 1;
        while (end < width_ && end - x < kMaxCount && runFrom(end) < kMinRun
               && unchangedFrom(end) < kMinSkip)
            ++end;
        const int count = end - x;
        if (count < 3) { // absolute mode needs three pixels at least
            for (int i = x; i < end; ++i)
                code(out_, 1, row_[i]);
            return end;
        }
        code(out_, 0, count);
        out_.append(reinterpret_cast<const char *>(row_ + x), count);
        if (count & 1)
            out_.append('\0');
        return end;
    }

    QByteArray &out_;
    const uchar *row_;
    const uchar *previous_;
    int width_;
};

bool rowChanged(const QImage &frame, const QImage *previous, int y)
{
    return !previous
        || !std::equal(frame.constScanLine(y), frame.constScanLine(y) + frame.width(),
                       previous->constScanLine(y));
}

} // namespace

QByteArray encodeRle8(const QImage &frame, const QImage *previous)
{
    const int height = frame.height();
    int lastChanged = -1; // counted from the bottom
    for (int row = 0; row < height; ++row) {
        if (rowChanged(frame, previous, height - 1 - row))
            lastChanged = row;
    }
    QByteArray out;
    for (int row = 0; row <= lastChanged; ++row) {
        const int y = height - 1 - row;
        const uchar *before = previous ? previous->constScanLine(y) : nullptr;
        RowEncoder(out, frame.constScanLine(y), before, frame.width()).encode();
        if (row < lastChanged)
            code(out, 0, 0);
    }
    code(out, 0, 1);
    return out;
}

} // namespace makeclips
