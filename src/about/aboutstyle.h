#pragma once
// Fonts and colours of the About window. Fonts: the system sans for
// "MS Sans Serif" and Liberation Serif for "Times New Roman", in points.

#include <QColor>
#include <QFont>

namespace tandara::about {

inline const QColor kBackground(192, 192, 255);
inline const QColor kNavy(0, 0, 128);
inline const QColor kLinkHot(255, 0, 0);

QFont sansFont(double points, bool bold);
QFont serifFont(double points, bool bold);

} // namespace tandara::about
