#pragma once
// The screen's twips per pixel, shared by the windows that are laid out
// in twips.

#include <cstdint>

namespace tandara {

// The screen's twips (1/1440 inch) per pixel, stored by each window's load
// handler and read by the window shaping. 15 at 96 dots per inch.
extern int32_t lTwipsPerPixelX;
extern int32_t lTwipsPerPixelY;

// Reads the primary screen's logical DPI into lTwipsPerPixelX/Y.
void storeTwipsPerPixel();

// Twips to pixels with the stored factors.
int twipsToPxX(int twips);
int twipsToPxY(int twips);

} // namespace tandara
