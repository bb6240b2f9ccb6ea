#include "statuspanel.h"

#include "texts.h"

namespace tandara {

QString panelText(size_t rows, double bytes, PanelSide side)
{
    QString text = QLatin1Char(' ') + formatGrouped2(int64_t(rows)) + QLatin1String(" file/ ")
        + formatKb(bytes) + QLatin1String(" kb");
    if (side == PanelSide::Right)
        text += QLatin1String("   ");
    return text;
}

} // namespace tandara
