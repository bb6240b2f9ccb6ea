#include "resources.h"

#include <QtGlobal>

// The resource file lives in a static library, so nothing would pull its
// registration into the program unless it is called by name.
static void registerWidgetPictures()
{
    Q_INIT_RESOURCE(widgets);
}

namespace tandara {

void initWidgetResources()
{
    static const bool registered = (registerWidgetPictures(), true);
    Q_UNUSED(registered);
}

} // namespace tandara
