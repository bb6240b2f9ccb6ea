#pragma once
// What the program asks of the window system: the platform it starts on,
// and the hints a window needs on native Wayland.
//
// Debian's desktop session is Wayland with X beside it (XWayland). Through
// X the program's windows are shaped by their masks and placed where it
// puts them; on native Wayland a mask only trims input, the compositor
// places every window itself, and a dialog without a transient parent may
// land anywhere. So when the session offers both and the user chose
// nothing, the program starts on X ("xcb"); on native Wayland it draws its
// rounded shape (see windowshape.h) and ties its dialogs to the main window.

#include <QByteArray>
#include <QStringView>

class QWidget;

namespace tandara {

// The parts of the session that decide the platform.
struct SessionEnvironment {
    bool waylandDisplay = false; // WAYLAND_DISPLAY set and not empty
    bool x11Display = false;     // DISPLAY set and not empty
    bool platformChosen = false; // QT_QPA_PLATFORM set, or -platform given
};

// The QT_QPA_PLATFORM value to start with: X first, Wayland should X fail,
// when the session offers both and nothing was chosen; empty otherwise.
QByteArray startPlatform(const SessionEnvironment &session);

// Reads the environment and the arguments and sets QT_QPA_PLATFORM as
// startPlatform says. To be called before the application object exists.
void choosePlatform(int argc, char **argv);

// Whether a Qt platform name is one of the native Wayland platforms.
bool isWaylandPlatform(QStringView platformName);
// Whether the running application draws through native Wayland.
bool onNativeWayland();

// On native Wayland, makes owner's window the transient parent of dialog,
// so that the compositor keeps and places it with its owner; elsewhere
// changes nothing (the program places its windows itself).
void tieToOwner(QWidget *dialog, QWidget *owner, bool nativeWayland = onNativeWayland());

} // namespace tandara
