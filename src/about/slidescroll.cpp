#include "slidescroll.h"

#include <algorithm>

namespace tandara::about {

SlideScroll::SlideScroll(int viewportHeight, int textHeight, int textWidth)
    : m_lPosY(viewportHeight), m_lAltTesto(textHeight), m_lLargTesto(textWidth),
      viewportHeight_(viewportHeight)
{
}

bool SlideScroll::advance()
{
    --m_lPosY;
    const bool pause =
        std::find(kPausePositions.begin(), kPausePositions.end(), m_lPosY) != kPausePositions.end();
    if (m_lPosY < -m_lAltTesto) {
        m_lPosX = 0;
        m_lPosY = viewportHeight_;
    }
    return pause;
}

} // namespace tandara::about
