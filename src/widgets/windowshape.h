#pragma once
// Window shaping and dragging for the program's frameless windows: a
// rounded outline with the caption printed into the drawn title bar, its
// removal before closing, and moving the window by its title bar.

#include "windowsystem.h"

#include <QRegion>
#include <Qt>

class QWidget;

namespace tandara {

class PictureBar;

// Edges of a rounded window region in window pixels; right and bottom are
// exclusive.
struct RoundEdges {
    int left, top, right, bottom;
    bool operator==(const RoundEdges &) const = default;
};

// The edges for a window of the given outer size in twips: inset 2 px on
// the left, top and bottom, none on the right; halves round to even.
RoundEdges roundEdges(double widthTwips, double heightTwips, int twipsPerPixelX, int twipsPerPixelY);

// A rectangle with corner ellipses of cornerW x cornerH pixels.
QRegion roundRectRegion(const RoundEdges &edges, int cornerW, int cornerH);

// Gives frm its rounded shape (corner ellipses 58 x 58) from its present
// size and, when its caption is not empty, prints the caption and ten
// blanks into bar. The shape is frm's mask; where the window system does
// not cut a window to its mask (native Wayland, see windowsystem.h), the
// shape is drawn as well: frm becomes translucent and a child lying over
// all the others clears every pixel outside the shape. frm must not have
// been shown yet.
void Arrotonda(QWidget *frm, PictureBar *bar, bool drawnShape = onNativeWayland());

// Takes the mask off again (before closing); a drawn shape stays until
// the window goes.
void TogliContorno(QWidget *frm);

// Starts moving frm with the mouse for a left press; other buttons do
// nothing. Returns true when the window system moves the window; false
// when the caller must follow the mouse itself (no window manager) or the
// button was not the left one.
bool Trascina(QWidget *frm, Qt::MouseButton button);

} // namespace tandara
