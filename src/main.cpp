#include "mainwindow/frmmain.h"
#include "widgets/windowsystem.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Before the application picks its platform: X where the session also
    // offers it (see windowsystem.h).
    tandara::choosePlatform(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tandara"));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tandara.Tandara"));
    tandara::frmMain window;
    window.show();
    return app.exec();
}
