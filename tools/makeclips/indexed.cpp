#include "indexed.h"

#include <QHash>

namespace makeclips {

std::optional<QImage> toIndexed(const QImage &frame, const QList<QRgb> &palette)
{
    QHash<QRgb, uchar> indexOf;
    for (int i = 0; i < palette.size(); ++i)
        indexOf.insert(palette[i] | 0xFF000000u, uchar(i));
    QImage indexed(frame.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const auto found = indexOf.constFind(frame.pixel(x, y) | 0xFF000000u);
            if (found == indexOf.constEnd())
                return std::nullopt;
            indexed.setPixel(x, y, *found);
        }
    }
    return indexed;
}

} // namespace makeclips
