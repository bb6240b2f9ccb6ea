#pragma once
// The sixteen colours every clip is drawn with. Index 0 is the background,
// the colour of the progress dialog, which a transparent animation window
// leaves out.

#include <QColor>
#include <QList>
#include <QRgb>

namespace makeclips {

enum Colour {
    Background, Black, White, FolderYellow, FolderShade, Paper, PaperLine, PaperEdge,
    BinBody, BinDark, BinLight, Green, Red, Shadow, DarkBlue, Orange, ColourCount
};

inline QList<QRgb> clipPalette()
{
    return {
        qRgb(192, 192, 255), qRgb(0, 0, 0),       qRgb(255, 255, 255), qRgb(250, 210, 90),
        qRgb(200, 150, 40),  qRgb(245, 245, 245), qRgb(90, 110, 200),  qRgb(130, 130, 150),
        qRgb(120, 130, 140), qRgb(70, 80, 90),    qRgb(170, 180, 190), qRgb(21, 183, 73),
        qRgb(200, 40, 40),   qRgb(150, 150, 210), qRgb(40, 40, 120),   qRgb(240, 150, 40),
    };
}

inline QColor colour(Colour index)
{
    return QColor(clipPalette().at(index));
}

} // namespace makeclips
