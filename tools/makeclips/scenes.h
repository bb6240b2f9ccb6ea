#pragma once
// The pictures of the two clips, drawn frame by frame in the palette's
// colours only (no smoothing, so every pixel is one of the sixteen).

#include <QImage>

#include <vector>

namespace makeclips {

// Copy: a sheet of paper flies from one folder into another.
// 17 frames of 260 x 40 pixels.
std::vector<QImage> drawCopyClip();

// Delete: a sheet of paper leaves a folder and drops into a bin whose lid
// opens and closes. 24 frames of 304 x 60 pixels.
std::vector<QImage> drawDeleteClip();

} // namespace makeclips
