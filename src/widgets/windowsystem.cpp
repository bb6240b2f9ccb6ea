#include "windowsystem.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstring>

namespace tandara {

QByteArray startPlatform(const SessionEnvironment &session)
{
    if (session.waylandDisplay && session.x11Display && !session.platformChosen)
        return QByteArrayLiteral("xcb;wayland");
    return {};
}

void choosePlatform(int argc, char **argv)
{
    SessionEnvironment session;
    session.waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    session.x11Display = !qEnvironmentVariableIsEmpty("DISPLAY");
    session.platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            session.platformChosen = true;
    const QByteArray platform = startPlatform(session);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

bool isWaylandPlatform(QStringView platformName)
{
    return platformName.startsWith(u"wayland");
}

bool onNativeWayland()
{
    return isWaylandPlatform(QGuiApplication::platformName());
}

void tieToOwner(QWidget *dialog, QWidget *owner, bool nativeWayland)
{
    if (!nativeWayland || !dialog || !owner)
        return;
    dialog->winId();
    owner->window()->winId();
    dialog->windowHandle()->setTransientParent(owner->window()->windowHandle());
}

} // namespace tandara
