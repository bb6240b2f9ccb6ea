#include "aboutstyle.h"

#include <QStringList>

namespace tandara::about {

namespace {

QFont makeFont(const QStringList &families, double points, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

QFont sansFont(double points, bool bold)
{
    return makeFont({QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")}, points, bold);
}

QFont serifFont(double points, bool bold)
{
    return makeFont({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                     QStringLiteral("Serif")},
                    points, bold);
}

} // namespace tandara::about
