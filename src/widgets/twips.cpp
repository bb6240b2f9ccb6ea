#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace tandara {

int32_t lTwipsPerPixelX = 15;
int32_t lTwipsPerPixelY = 15;

void storeTwipsPerPixel()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    lTwipsPerPixelX = int32_t(std::lround(1440.0 / screen->logicalDotsPerInchX()));
    lTwipsPerPixelY = int32_t(std::lround(1440.0 / screen->logicalDotsPerInchY()));
}

int twipsToPxX(int twips)
{
    return int(std::lround(double(twips) / lTwipsPerPixelX));
}

int twipsToPxY(int twips)
{
    return int(std::lround(double(twips) / lTwipsPerPixelY));
}

} // namespace tandara
