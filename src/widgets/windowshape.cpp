#include "windowshape.h"

#include "picturebar.h"
#include "twips.h"

#include <QWidget>
#include <QWindow>
#include <cmath>

namespace tandara {

RoundEdges roundEdges(double widthTwips, double heightTwips, int twipsPerPixelX, int twipsPerPixelY)
{
    // std::rint rounds halves to the even neighbour.
    const int right = int(std::rint(widthTwips / twipsPerPixelX));
    const int bottom = int(std::rint(heightTwips / twipsPerPixelY - 2.0));
    return RoundEdges{2, 2, right, bottom};
}

QRegion roundRectRegion(const RoundEdges &e, int cornerW, int cornerH)
{
    const int width = e.right - e.left;
    const int height = e.bottom - e.top;
    const int cw = std::min(cornerW, width);
    const int ch = std::min(cornerH, height);
    QRegion region(e.left + cw / 2, e.top, width - cw, height);
    region += QRegion(e.left, e.top + ch / 2, width, height - ch);
    region += QRegion(e.left, e.top, cw, ch, QRegion::Ellipse);
    region += QRegion(e.right - cw, e.top, cw, ch, QRegion::Ellipse);
    region += QRegion(e.left, e.bottom - ch, cw, ch, QRegion::Ellipse);
    region += QRegion(e.right - cw, e.bottom - ch, cw, ch, QRegion::Ellipse);
    return region;
}

void Arrotonda(QWidget *frm, PictureBar *bar)
{
    const RoundEdges edges = roundEdges(double(frm->width()) * lTwipsPerPixelX,
                                        double(frm->height()) * lTwipsPerPixelY, lTwipsPerPixelX,
                                        lTwipsPerPixelY);
    frm->setMask(roundRectRegion(edges, 58, 58));
    if (!frm->windowTitle().isEmpty() && bar)
        bar->printText(frm->windowTitle() + QStringLiteral("          "));
}

void TogliContorno(QWidget *frm)
{
    frm->clearMask();
}

bool Trascina(QWidget *frm, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return false;
    QWindow *window = frm->window()->windowHandle();
    return window && window->startSystemMove();
}

} // namespace tandara
