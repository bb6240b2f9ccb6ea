#include "programicon.h"

#include "resources.h"

namespace tandara {

QIcon programIcon()
{
    initWidgetResources();
    QIcon icon;
    for (int size : kProgramIconSizes)
        icon.addFile(QStringLiteral(":/widgets/appicon/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace tandara
