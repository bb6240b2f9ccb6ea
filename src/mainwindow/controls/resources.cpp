#include "resources.h"

#include <QtGlobal>

// The resource file lives in a static library, so nothing would pull its
// registration into the program unless it is called by name.
static void registerMainWindowPictures()
{
    Q_INIT_RESOURCE(mainwindow);
}

namespace tandara {

void initControlResources()
{
    static const bool registered = (registerMainWindowPictures(), true);
    Q_UNUSED(registered);
}

} // namespace tandara
