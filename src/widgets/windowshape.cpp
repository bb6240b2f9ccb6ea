#include "windowshape.h"

#include "picturebar.h"
#include "twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace tandara {

namespace {

// Lies over the whole window, masked to what is outside the shape, and
// clears what the window and its other children painted there.
class CornerEraser : public QWidget {
public:
    CornerEraser(QWidget *window, const QRegion &shape) : QWidget(window)
    {
        setObjectName(QStringLiteral("cornerEraser"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(window->rect());
        setMask(QRegion(window->rect()) - shape);
        raise();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(rect(), Qt::transparent);
    }
};

// A translucent window paints no background of its own, filled or not:
// this paints the fill it asks for, ahead of its own painting.
class BackgroundFill : public QObject {
public:
    explicit BackgroundFill(QWidget *window) : QObject(window), window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint && window_->autoFillBackground()) {
            QPainter painter(window_);
            painter.setClipRegion(static_cast<QPaintEvent *>(event)->region());
            painter.fillRect(window_->rect(), window_->palette().brush(window_->backgroundRole()));
        }
        return false;
    }

private:
    QWidget *window_;
};

} // namespace

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

void Arrotonda(QWidget *frm, PictureBar *bar, bool drawnShape)
{
    const RoundEdges edges = roundEdges(double(frm->width()) * lTwipsPerPixelX,
                                        double(frm->height()) * lTwipsPerPixelY, lTwipsPerPixelX,
                                        lTwipsPerPixelY);
    const QRegion shape = roundRectRegion(edges, 58, 58);
    frm->setMask(shape);
    if (drawnShape) {
        frm->setAttribute(Qt::WA_TranslucentBackground);
        new BackgroundFill(frm);
        new CornerEraser(frm, shape);
    }
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
