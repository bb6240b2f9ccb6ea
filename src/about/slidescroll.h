#pragma once
// Where the text picture is copied into the viewport, tick by tick: it
// starts just below the viewport, rises one pixel a tick, stands still at
// twelve fixed offsets and starts again from below once the last line has
// passed the top.

#include <array>

namespace tandara::about {

// Offsets at which the scroll pauses; each brings one paragraph near the
// top of the viewport.
inline constexpr std::array<int, 12> kPausePositions{-38,  -128, -212, -310, -398, -480,
                                                     -556, -685, -765, -840, -910, -965};

class SlideScroll {
public:
    // viewportHeight and textHeight are inner heights in pixels.
    SlideScroll(int viewportHeight, int textHeight, int textWidth);

    int posX() const { return m_lPosX; }
    int posY() const { return m_lPosY; }
    int textHeight() const { return m_lAltTesto; }
    int textWidth() const { return m_lLargTesto; }

    // Moves the copy one pixel up, after the copy at the present offset has
    // been made. Returns true when the new offset is a pause position. Past
    // the whole text the offset goes back to the viewport's height.
    bool advance();

private:
    int m_lPosX = 0;
    int m_lPosY;
    int m_lAltTesto;
    int m_lLargTesto;
    int viewportHeight_;
};

} // namespace tandara::about
