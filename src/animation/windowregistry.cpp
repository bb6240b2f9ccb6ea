#include "windowregistry.h"

#include <QHash>
#include <QVariant>
#include <QWidget>

namespace tandara {

namespace {

constexpr const char *kHandleProperty = "tandaraWindowHandle";

QHash<WindowHandle, QWidget *> &registry()
{
    static QHash<WindowHandle, QWidget *> widgets;
    return widgets;
}

} // namespace

WindowHandle windowHandle(QWidget *widget)
{
    if (!widget)
        return 0;
    const QVariant known = widget->property(kHandleProperty);
    if (known.isValid())
        return known.value<WindowHandle>();
    static WindowHandle last = 0;
    const WindowHandle handle = ++last;
    registry().insert(handle, widget);
    widget->setProperty(kHandleProperty, handle);
    QObject::connect(widget, &QObject::destroyed, [handle] { registry().remove(handle); });
    return handle;
}

QWidget *windowFromHandle(WindowHandle handle)
{
    return registry().value(handle, nullptr);
}

} // namespace tandara
