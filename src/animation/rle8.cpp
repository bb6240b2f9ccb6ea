#include "rle8.h"

#include <cstring>

namespace tandara {

namespace {

enum Escape : uchar { EndOfLine = 0, EndOfBitmap = 1, Delta = 2 };

// Where the next pixel goes: x along the row, row counted from the bottom.
struct Cursor {
    QImage &canvas;
    int x = 0;
    int row = 0;

    // The next count pixels, or nullptr when they do not fit in the row.
    uchar *span(int count)
    {
        if (row >= canvas.height() || count > canvas.width() - x)
            return nullptr;
        uchar *at = canvas.scanLine(canvas.height() - 1 - row) + x;
        x += count;
        return at;
    }
};

} // namespace

bool decodeRle8(QByteArrayView data, QImage &canvas)
{
    Q_ASSERT(canvas.format() == QImage::Format_Indexed8);
    const auto *bytes = reinterpret_cast<const uchar *>(data.data());
    const qsizetype size = data.size();
    Cursor cursor{canvas};
    qsizetype at = 0;
    while (size - at >= 2) {
        const uchar count = bytes[at];
        const uchar code = bytes[at + 1];
        at += 2;
        if (count > 0) { // a run of one colour
            uchar *to = cursor.span(count);
            if (!to)
                return false;
            std::memset(to, code, count);
        } else if (code == EndOfLine) {
            cursor.x = 0;
            ++cursor.row;
        } else if (code == EndOfBitmap) {
            return true;
        } else if (code == Delta) {
            if (size - at < 2)
                return false;
            cursor.x += bytes[at];
            cursor.row += bytes[at + 1];
            at += 2;
            if (cursor.x > canvas.width() || cursor.row > canvas.height())
                return false;
        } else { // absolute: code literal pixels, padded to a whole word
            uchar *to = cursor.span(code);
            if (!to || size - at < code)
                return false;
            std::memcpy(to, bytes + at, code);
            at += code + (code & 1);
        }
    }
    // The data may simply end; a lone byte left over is a code cut short.
    return at >= size;
}

} // namespace tandara
