#pragma once
// Colours and fonts shared by the program's windows.

#include <QColor>
#include <QFont>
#include <QString>

namespace tandara {

inline const QColor kNavy(0, 0, 128);
inline const QColor kIdleFace(200, 213, 255);
inline const QColor kActiveFace(21, 183, 73);
inline const QColor kWindowBackground(192, 192, 255);
// Text drawn over the title-bar picture.
inline const QColor kBarTextColour(255, 255, 255);

enum class FontFamily { SansSerif, Serif, Arial };
constexpr FontFamily kSansSerif = FontFamily::SansSerif;
constexpr FontFamily kTimes = FontFamily::Serif;
constexpr FontFamily kArial = FontFamily::Arial;

// The classic Windows faces with the free faces that stand in for them:
// MS Sans Serif as DejaVu Sans, Times New Roman as Liberation Serif, Arial
// as Liberation Sans.
QFont windowsFont(FontFamily family, double points, bool bold);

} // namespace tandara
