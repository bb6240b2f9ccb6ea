#include "looks.h"

#include <QStringList>

namespace tandara {

QFont windowsFont(FontFamily family, double points, bool bold)
{
    QStringList families;
    switch (family) {
    case FontFamily::SansSerif:
        families = {QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
        break;
    case FontFamily::Serif:
        families = {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
        break;
    case FontFamily::Arial:
        families = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
        break;
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace tandara
