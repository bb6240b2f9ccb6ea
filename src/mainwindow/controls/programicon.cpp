#include "programicon.h"

#include "resources.h"

namespace tandara {

QIcon programIcon()
{
    initControlResources();
    QIcon icon;
    for (int size : kProgramIconSizes)
        icon.addFile(QStringLiteral(":/mainwindow/appicon/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace tandara
