#pragma once
// Turns a drawn frame into palette indices.

#include <QImage>
#include <QList>
#include <QRgb>

#include <optional>

namespace makeclips {

// The frame as a Format_Indexed8 picture over palette; nothing when a pixel
// has a colour outside the palette.
std::optional<QImage> toIndexed(const QImage &frame, const QList<QRgb> &palette);

} // namespace makeclips
